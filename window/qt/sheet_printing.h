// SPDX-License-Identifier: MIT
#pragma once

#include "print_sheet.h"

class QPagedPaintDevice;
class QString;

namespace zirev1 {

// The sheet painted on a printer's or a PDF writer's page, A4, filling the page's width; false
// when the device cannot be painted on.
bool paintSheet(QPagedPaintDevice& device, const PrintSheet& sheet);

// The sheet as a one-page PDF file; false when the file cannot be written.
bool writeSheetPdf(const QString& path, const PrintSheet& sheet);

} // namespace zirev1
