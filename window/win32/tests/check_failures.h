// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace zirev1 {

// What a check of the running program found wrong, each in words, in the order found.
struct Failures {
    std::vector<std::string> failed;
    void check(bool ok, const std::string& what) {
        if (!ok) {
            failed.push_back(what);
        }
    }
};

} // namespace zirev1
