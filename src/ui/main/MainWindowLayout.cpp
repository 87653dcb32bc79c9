#include "ui/main/MainWindow.h"

#include "app/Program.h"
#include "app/StartUp.h"
#include "ui/main/MainGridView.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabBar>

namespace {

// The designed size of the window, in pixels.
constexpr int kDesignedWidth = 960;
constexpr int kDesignedHeight = 720;

TwipRect inTwips(const QRect& rect) {
    return {toTwips(rect.left()), toTwips(rect.top()), toTwips(rect.width()),
            toTwips(rect.height())};
}

} // namespace

// Positions are taken relative to the window, menu bar included, as the
// layout rules measure the grid from the window's top.
WindowGeometry MainWindow::geometryInTwips() const {
    WindowGeometry g;
    g.window = inTwips(geometry());
    g.minimized = isMinimized();
    g.innerWidth = toTwips(width());
    const QPoint gridAt = grid_->mapTo(this, QPoint(0, 0));
    g.grid = inTwips(QRect(gridAt, grid_->size()));
    g.gridFixedRowHeight = toTwips(grid_->rowHeight(0));
    g.gridFixedColumnWidth = toTwips(grid_->columnWidth(0));
    const QPoint frameAt = frame_->mapTo(this, QPoint(0, 0));
    g.frame = inTwips(QRect(frameAt, frame_->size()));
    if (const QScreen* shown = screen()) {
        g.screenWidth = toTwips(shown->geometry().width());
        g.screenHeight = toTwips(shown->geometry().height());
        // The window's frame (title bar, borders) needs room on the screen too.
        const QSize frame = frameGeometry().size() - size();
        g.availableWidth = toTwips(shown->availableGeometry().width() - frame.width());
        g.availableHeight = toTwips(shown->availableGeometry().height() - frame.height());
    }
    return g;
}

void MainWindow::applyLayout() {
    if (layout_.gridWidth > 0 && layout_.gridHeight > 0) {
        grid_->resize(toPixels(layout_.gridWidth), toPixels(layout_.gridHeight));
    }
    const QPoint origin = central_->mapTo(this, QPoint(0, 0));
    const TwipRect& strip = layout_.tabStrip;
    if (strip.width > 0 && strip.height > 0) {
        tabs_->setGeometry(toPixels(strip.left) - origin.x(), toPixels(strip.top) - origin.y(),
                           toPixels(strip.width), toPixels(strip.height));
    }
    if (layout_.tabWidth > 0 && layout_.tabHeight > 0) {
        tabs_->setStyleSheet(QStringLiteral("QTabBar::tab { width: %1px; height: %2px; }")
                                 .arg(toPixels(layout_.tabWidth))
                                 .arg(toPixels(layout_.tabHeight)));
    }
    fitTableBesidePanel();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layout_.applyResize(program_, geometryInTwips());
    applyLayout();
    render();
}

void MainWindow::startUp() {
    // The window at the screen's top-left corner, at its designed size.
    move(0, 0);
    resize(kDesignedWidth, kDesignedHeight);
    tabs_->addTab(QStringLiteral("     Ａチーム     "));
    tabs_->addTab(QStringLiteral("     Ｂチーム     "));
    startProgram(program_, layout_, geometryInTwips());
    if (layout_.windowWidth > 0 && layout_.windowHeight > 0) {
        resize(toPixels(layout_.windowWidth), toPixels(layout_.windowHeight));
    }
    layout_.applyResize(program_, geometryInTwips());
    applyLayout();
    render();
}
