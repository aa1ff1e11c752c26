// SPDX-License-Identifier: MIT
#include "picture_widget.h"

#include "form2_description.h"
#include "qt_canvas.h"
#include "qt_conversions.h"

#include <QPainter>

namespace zirev1 {

PictureWidget::PictureWidget(const Control& picture, QWidget* parent)
    : QWidget(parent), m_drawing(picture.drawing) {
    setObjectName(toQString(picture.name));
    setAccessibleName(toQString(picture.accessibleName));
    setGeometry(toQRect(picture.startPlace()));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureWidget::setInput(const DrawingInput& input, const QString& description) {
    m_input = input;
    setAccessibleDescription(description);
    update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtCanvas canvas(painter);
    draw(m_drawing, canvas, m_input);
}

} // namespace zirev1
