// SPDX-License-Identifier: MIT
#pragma once

#include "drawing.h"

#include <QWidget>

namespace zirev1 {

struct Control;

// A picture of the form, drawn by its shared drawing code through Qt's painter at its own size,
// so it stays sharp at any scale; it never takes the focus, and changes only with what it is
// given to show of the last calculation.
class PictureWidget : public QWidget {
    Q_OBJECT

public:
    PictureWidget(const Control& picture, QWidget* parent);

    // What the drawing shows of the last calculation, and what a screen reader hears of it.
    void setInput(const DrawingInput& input, const QString& description);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Drawing m_drawing;
    DrawingInput m_input;
};

} // namespace zirev1
