// SPDX-License-Identifier: MIT
#pragma once

#include "form2_description.h"

#include <QLabel>

namespace zirev1 {

// A label as the form describes it: one line of plain text at the top left, opaque in the
// window's face colour; the message's text wraps in its box. An autosized label takes its caption's
// size, by the typeface's own metrics, whenever the caption changes; any other keeps its size and
// clips.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    CaptionLabel(const Control& label, QWidget* parent);

    void setCaption(const QString& caption);

private:
    bool m_autoSize;
    ControlFont m_font;
    TwipsRect m_place;
};

} // namespace zirev1
