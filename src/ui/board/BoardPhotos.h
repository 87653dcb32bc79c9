#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

#include <filesystem>
#include <string>

class QWidget;

// Members' pictures from the working folder, scaled for the board and kept
// until the size changes, so that a redraw does not read the files again.
class BoardPhotos {
public:
    explicit BoardPhotos(std::filesystem::path workDir) : workDir_(std::move(workDir)) {}

    // The picture of the bare file name fitted into `box`; null when none.
    QPixmap photo(const std::string& fileName, const QSize& box, const QWidget& shownOn);

private:
    static constexpr int kMaxKept = 200;

    std::filesystem::path workDir_;
    QHash<QString, QPixmap> scaled_;
};
