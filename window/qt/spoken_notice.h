// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace zirev1 {

// Something a screen reader says once, as it happens, and a sighted user never sees: a widget of
// no size that screen readers meet as a notification. Qt 6.4 has no announcement of its own,
// and Orca 43 cannot say Qt's name or description changes; a notification that appears it says.
class SpokenNotice : public QWidget {
    Q_OBJECT

public:
    explicit SpokenNotice(QWidget* parent);

    // Says the text now, even when it is the one said last.
    void say(const QString& text);
    // Nothing is left to be found and read later.
    void withdraw();
};

} // namespace zirev1
