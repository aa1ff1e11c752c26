// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace zirev1 {

// A fixed picture on the window: drawn by painter code at its own size, so it stays sharp at any
// scale; never takes the focus and never changes.
class Picture : public QWidget {
    Q_OBJECT

public:
    // The accessible name tells a screen reader what the picture shows.
    Picture(const char* objectName, const QString& accessibleName, const QRect& geometry,
            QWidget* parent);
};

} // namespace zirev1
