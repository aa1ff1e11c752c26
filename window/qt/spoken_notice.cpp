// SPDX-License-Identifier: MIT
#include "spoken_notice.h"

#include <QAccessibleWidget>

namespace zirev1 {
namespace {

QAccessibleInterface* noticeAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(SpokenNotice::staticMetaObject.className())) {
        return nullptr;
    }
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

} // namespace

SpokenNotice::SpokenNotice(QWidget* parent) : QWidget(parent) {
    static const bool installed = (QAccessible::installFactory(noticeAccessible), true);
    Q_UNUSED(installed)
    setObjectName(QStringLiteral("spokenNotice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void SpokenNotice::say(const QString& text) {
    hide();
    setAccessibleName(text);
    show();
}

void SpokenNotice::withdraw() {
    hide();
    setAccessibleName(QString());
}

} // namespace zirev1
