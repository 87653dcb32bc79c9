#pragma once

#include "board/BoardContent.h"
#include "board/BoardSettings.h"
#include "board/RoundTimer.h"
#include "ui/board/BoardPhotos.h"
#include "ui/board/BoardTheme.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <vector>

class BoardHeader;
class BoardSidePanel;
class CourtCardWidget;
class PhoneAccess;
class PhoneAddressView;
class Program;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QScreen;
class QSpinBox;

// The courtside board: tonight's courts, the next matches, who waits and
// rests, and optionally the standings, drawn large for a projector or TV.
// It renders courtBoard(program) and follows every redraw of the main
// window (refresh). It never takes the keyboard from the organiser's
// window: it shows without activating and no part of it takes focus. On a
// second screen it opens full-screen there; otherwise as a window that F11
// makes full-screen. Its menu (the menu bar, or a right click) switches the
// high-contrast theme, the standings (taking turns with the waits in the
// side column) and the round timer, and chooses the screen; the choices are
// kept in the settings.
class CourtBoardWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTickMilliseconds = 500;
    static constexpr int kStandingsTicks = 16; // the side column turns every 8 s
    static constexpr int kFlashSeconds = 10;   // the zero flash of the timer

    // `organiser` is the main window, whose screen the board avoids.
    CourtBoardWindow(Program& program, QWidget* organiser);

    // Shows the board on its screen without taking the focus.
    void open();
    // Rebuilds the content from the program and draws it (when shown).
    void refresh();

    const BoardContent& content() const { return content_; }
    // The court cards on show, in order.
    std::vector<CourtCardWidget*> courtCards() const;
    const BoardHeader* header() const { return header_; }
    // Shows the players' page address and QR code at the foot of the side
    // column while 「スマホ表示」 is on.
    void showPhoneAddress(PhoneAccess& access);
    void startRound();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Full-screen hides the menu bar (the right click still opens the menu).
    void changeEvent(QEvent* event) override;

private:
    // CourtBoardWindow.cpp
    void layOutParts();
    void layOutCourts(const QRect& area);
    void renderContent();
    void tick();
    void showTimer(long long now);
    const StandingsTable* shownStandings() const;

    // CourtBoardMenu.cpp
    void buildMenu();
    void fillScreenMenu();
    QScreen* boardScreen() const;
    void moveToScreen(QScreen* screen);
    void chooseScreen(QScreen* screen);
    void toggleFullScreen();
    void setHighContrast(bool on);
    void setStandingsShown(bool on);
    void stopRound();
    void showHelpPage();
    void remember();

    Program& program_;
    QPointer<QWidget> organiser_;
    BoardSettings settings_;
    BoardTheme theme_;
    BoardPhotos photos_;
    BoardContent content_;
    RoundTimer round_;

    QMenuBar* menuBar_ = nullptr;
    QMenu* menu_ = nullptr;
    QMenu* screenMenu_ = nullptr;
    QActionGroup* screenGroup_ = nullptr;
    QAction* contrastAction_ = nullptr;
    QAction* standingsAction_ = nullptr;
    QAction* startRoundAction_ = nullptr;
    QAction* stopRoundAction_ = nullptr;
    QAction* fullScreenAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    QAction* closeAction_ = nullptr;
    QSpinBox* minutesBox_ = nullptr;

    BoardHeader* header_ = nullptr;
    QWidget* courtsArea_ = nullptr;
    QLabel* noCourts_ = nullptr;
    std::vector<CourtCardWidget*> cards_;
    BoardSidePanel* side_ = nullptr;
    PhoneAddressView* phoneAddress_ = nullptr;

    QTimer ticker_;
    int ticks_ = 0;
    int standingsIndex_ = 0;
    int shownMinute_ = -1;
    TimerPhase lastPhase_ = TimerPhase::Off;
    long long zeroAt_ = 0;
};
