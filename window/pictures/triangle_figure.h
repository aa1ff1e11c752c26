// SPDX-License-Identifier: MIT
#pragma once

#include "picture.h"

namespace zirev1 {

// Image1: the triangle that names the sides a (base), b (left), c (right), the altitude h onto a,
// and the angles alpha (apex), beta (bottom right), gamma (bottom left). 289 x 291 pixels.
class TriangleFigure : public Picture {
    Q_OBJECT

public:
    TriangleFigure(const QPoint& topLeft, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zirev1
