#include "ui/board/BoardPhotos.h"

#include "ui/dialogs/PictureFit.h"

QPixmap BoardPhotos::photo(const std::string& fileName, const QSize& box, const QWidget& shownOn) {
    if (fileName.empty() || box.isEmpty()) {
        return {};
    }
    const QString key = QString::fromStdString(fileName) + QLatin1Char('@') +
                        QString::number(box.width()) + QLatin1Char('x') +
                        QString::number(box.height());
    const auto found = scaled_.constFind(key);
    if (found != scaled_.constEnd()) {
        return *found;
    }
    // Resizing the window leaves pictures of old sizes behind.
    if (scaled_.size() > kMaxKept) {
        scaled_.clear();
    }
    const QPixmap picture =
        fitPicture(QString::fromStdU16String((workDir_ / fileName).u16string()), box, shownOn);
    scaled_.insert(key, picture);
    return picture;
}
