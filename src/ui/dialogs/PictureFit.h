#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QWidget;

// The picture in the file scaled smoothly to fit the box (logical pixels,
// proportions kept) at the resolution of the screen the widget is on, so
// that it stays sharp on screens scaled to 150 % or 200 %. Null when the
// file is not a readable picture.
QPixmap fitPicture(const QString& file, const QSize& box, const QWidget& shownOn);
