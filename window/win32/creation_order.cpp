// SPDX-License-Identifier: MIT
#include "creation_order.h"

namespace zirev1 {

std::vector<std::size_t> creationOrder(const FormDescription& form) {
    std::vector<std::size_t> order;
    bool focusablePlaced = false;
    for (std::size_t i = form.controls.size(); i-- > 0;) {
        if (form.controls[i].tabIndex == 0) {
            order.push_back(i);
        } else if (!focusablePlaced) {
            for (const Control* control : tabOrder(form)) {
                order.push_back(static_cast<std::size_t>(control - form.controls.data()));
            }
            focusablePlaced = true;
        }
    }
    return order;
}

} // namespace zirev1
