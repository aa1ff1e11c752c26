// SPDX-License-Identifier: MIT
#include "caption_label.h"

#include "fonts.h"
#include "qt_conversions.h"
#include "system_palette.h"

namespace zirev1 {

CaptionLabel::CaptionLabel(const Control& label, QWidget* parent)
    : QLabel(parent), m_autoSize(label.autoSize), m_font(label.font), m_place(label.place) {
    setObjectName(toQString(label.name));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    setFont(windowFont(label.font.pointSize));
    // Under the desktop's own colours every text takes its text colour.
    if (label.ink == Ink::Blue && !systemColoursOf(parent->palette())) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::WindowText, toQColor(BLUE));
        setPalette(palette);
    }
    setAccessibleDescription(toQString(label.accessibleDescription));
    setWordWrap(label.role == Role::Message);
    setGeometry(toQRect(label.startPlace()));
    setText(toQString(label.caption));
}

void CaptionLabel::setCaption(const QString& caption) {
    setText(caption);
    if (m_autoSize) {
        const TwipsSize size = captionSize(caption.toStdString(), m_font);
        resize(toQRect({m_place.left, m_place.top, size.width, size.height}).size());
    }
}

} // namespace zirev1
