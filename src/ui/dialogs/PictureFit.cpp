#include "ui/dialogs/PictureFit.h"

#include <QImage>
#include <QWidget>

QPixmap fitPicture(const QString& file, const QSize& box, const QWidget& shownOn) {
    const QImage image(file);
    if (image.isNull() || box.isEmpty()) {
        return {};
    }
    const qreal ratio = shownOn.devicePixelRatioF();
    QImage scaled = image.scaled(box * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(scaled);
}
