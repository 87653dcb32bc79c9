#include "platform/qt/WindowPrinter.h"

#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

namespace {

QString& pdfOutput() {
    static QString path;
    return path;
}

bool paintImage(QPrinter& printer, const QPixmap& image) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawPixmap(0, 0, image);
    return painter.end();
}

} // namespace

void WindowPrinter::setPdfOutput(const QString& path) {
    pdfOutput() = path;
}

bool WindowPrinter::print(QWidget& window) {
    const QPixmap image = window.grab();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
    if (!pdfOutput().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfOutput());
        return paintImage(printer, image);
    }
    QPrintDialog dialog(&printer, &window);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    return paintImage(printer, image);
}
