// SPDX-License-Identifier: MIT
#include "picture.h"

namespace zirev1 {

Picture::Picture(const char* objectName, const QString& accessibleName, const QRect& geometry,
                 QWidget* parent)
    : QWidget(parent) {
    setObjectName(QLatin1String(objectName));
    setAccessibleName(accessibleName);
    setGeometry(geometry);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace zirev1
