#include "platform/qt/WindowImagePrinter.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

bool printWindowImage(QWidget& window) {
    if (QPrinterInfo::defaultPrinter().isNull()) {
        return false;
    }
    const QPixmap image = window.grab();
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(page.topLeft(), size), image);
    return painter.end();
}
