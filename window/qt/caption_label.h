// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace zirev1 {

// A label as the window uses it: one line of plain text at the top left, opaque in the window's
// face colour. An autosized label takes the size of its caption whenever the caption changes;
// any other keeps its size and clips.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    CaptionLabel(const QRect& geometry, bool autoSize, QWidget* parent);

    void setCaption(const QString& caption);
    bool autoSize() const { return m_autoSize; }

private:
    bool m_autoSize;
};

} // namespace zirev1
