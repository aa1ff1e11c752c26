// SPDX-License-Identifier: MIT
#include "picture.h"

namespace zirev1 {

Picture::Picture(const char* objectName, const QRect& geometry, QWidget* parent) : QWidget(parent) {
    setObjectName(QLatin1String(objectName));
    setGeometry(geometry);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace zirev1
