// SPDX-License-Identifier: MIT
#include "caption_label.h"

namespace zirev1 {

CaptionLabel::CaptionLabel(const QRect& geometry, bool autoSize, QWidget* parent)
    : QLabel(parent), m_autoSize(autoSize) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    setGeometry(geometry);
}

void CaptionLabel::setCaption(const QString& caption) {
    setText(caption);
    if (m_autoSize) {
        resize(sizeHint());
    }
}

} // namespace zirev1
