// SPDX-License-Identifier: MIT
#pragma once

#include "picture.h"

namespace zirev1 {

// Image3: "Condizioni di validità" and the three conditions (p - a) > 0, (p - b) > 0,
// (p - c) > 0, in bold on a transparent ground. Only its top-left corner holds anything: the
// angle results lie under the rest and must stay visible.
class ValidityConditions : public Picture {
    Q_OBJECT

public:
    ValidityConditions(const QRect& geometry, QWidget* parent);

    // The part of the picture that holds the text, in its own pixels; nothing is drawn elsewhere.
    static QRect inkArea();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zirev1
