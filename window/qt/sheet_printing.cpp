// SPDX-License-Identifier: MIT
#include "sheet_printing.h"

#include "qt_canvas.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace zirev1 {

bool paintSheet(QPagedPaintDevice& device, const PrintSheet& sheet) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}));
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // The sheet is laid out in pixels at 96 dpi over the whole A4 page.
    const double scale = device.width() / print_sheet::SIZE.x;
    painter.scale(scale, scale);
    QtCanvas canvas(painter);
    drawPrintSheet(canvas, sheet);
    return painter.end();
}

bool writeSheetPdf(const QString& path, const PrintSheet& sheet) {
    QPdfWriter writer(path);
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("zirev1"));
    writer.setTitle(QStringLiteral("Sui triangoli qualunque"));
    return paintSheet(writer, sheet);
}

} // namespace zirev1
