// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace zirev1 {

struct Control;
enum class Drawing;

// A picture of the form, drawn by its shared drawing code through Qt's painter at its own size,
// so it stays sharp at any scale; it never takes the focus and never changes.
class PictureWidget : public QWidget {
    Q_OBJECT

public:
    PictureWidget(const Control& picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Drawing m_drawing;
};

} // namespace zirev1
