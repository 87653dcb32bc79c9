#include "ui/board/BoardTheme.h"

BoardTheme boardTheme(bool highContrast) {
    if (highContrast) {
        return {QColor(0, 0, 0),       QColor(255, 255, 255),
                QColor(200, 200, 200), QColor(20, 20, 20),
                QColor(255, 255, 255), QColor(0, 70, 0),
                QColor(255, 230, 0),   QColor(255, 170, 0),
                QColor(255, 60, 60),   {QColor(90, 190, 255), QColor(255, 140, 90)}};
    }
    return {QColor(238, 242, 236), QColor(20, 20, 20),
            QColor(90, 90, 90),    QColor(255, 255, 255),
            QColor(120, 140, 120), QColor(210, 245, 210),
            QColor(20, 90, 40),    QColor(200, 110, 0),
            QColor(200, 0, 0),     {QColor(0, 80, 190), QColor(190, 40, 20)}};
}
