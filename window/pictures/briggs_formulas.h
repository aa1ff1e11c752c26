// SPDX-License-Identifier: MIT
#pragma once

#include "picture.h"

namespace zirev1 {

// Image2: the heading "Soluzione mediante le formule di Briggs" and the three half-angle
// formulas, each a square root over a fraction; black on white, 370 x 268 pixels.
class BriggsFormulas : public Picture {
    Q_OBJECT

public:
    BriggsFormulas(const QPoint& topLeft, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zirev1
