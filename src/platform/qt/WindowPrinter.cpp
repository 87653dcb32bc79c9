#include "platform/qt/WindowPrinter.h"

#include <QPageLayout>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QWidget>

namespace {

QString& pdfOutput() {
    static QString path;
    return path;
}

// Points the printer at the PDF file set for tests, or asks the user.
bool choosePrinter(QPrinter& printer, QWidget& owner) {
    if (!pdfOutput().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfOutput());
        return true;
    }
    QPrintDialog dialog(&printer, &owner);
    return dialog.exec() == QDialog::Accepted;
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
    return choosePrinter(printer, window) && paintImage(printer, image);
}

bool WindowPrinter::printDocument(QTextDocument& document, QWidget& owner) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    if (!choosePrinter(printer, owner)) {
        return false;
    }
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}
