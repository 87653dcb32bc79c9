#pragma once

#include "app/MainLayout.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class MainGridModel;
class MainGridView;
class MatchFlow;
class PhoneAccess;
class PhoneAccessDialog;
class Program;
class CourtBoardWindow;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class RegistrationCommands;
class SuggestionPanel;

// The main window. It forwards every menu item, button, tab, grid and key
// event to the program's rules and renders the program's view afterwards.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Program& program, QWidget* parent = nullptr);
    ~MainWindow() override;

    Program& program() { return program_; }
    MainLayout& layout() { return layout_; }
    MainGridView* grid() const { return grid_; }
    SuggestionPanel* suggestionPanel() const { return suggestions_; }
    // 「スマホ表示」, the players' page server (off until switched on).
    PhoneAccess* phoneAccess() const { return phones_; }
    // The courtside board once the 表示 menu has opened it, else null.
    CourtBoardWindow* courtBoard() const { return board_.get(); }

    // Draws everything from the view and the layout.
    void render();

signals:
    // Exit has logged the end and saved the settings: the program ends now.
    void programEnded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // MainWindow.cpp
    void buildWidgets();
    QPushButton* addButton(const char* name, const QString& caption, int top);
    void renderLabels();
    void renderGrid();
    // Form1Suggestions.cpp
    void buildSuggestionPanel();
    void renderSuggestions();
    // Enter starts the highlighted suggestion's picks.
    bool chooseSuggestionByKey(const QKeyEvent& event);

    // MainWindowMenus.cpp
    void buildMenus();
    void connectMenus();
    QMenu* addMenu(const char* name, const QString& caption);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption);
    void addSeparator(QMenu* menu, const QString& name);
    void renderRecentFiles();
    void newMeeting();
    void openMeeting();
    void saveMeetingAs();
    void closeMeeting();
    void exitProgram();
    void openRecentFile(int index);
    void selectFullScreen();
    void selectAdjustedScreen();
    void completeMeeting();
    void undoCompletion();
    void showReport();
    void showLog();
    void clearLog();
    void printWindow();
    void toggleExplanation();
    void showHelpContents();
    void showVersionBox();

    // MainWindowBoard.cpp
    void openCourtBoard();
    void refreshCourtBoard();
    // MainWindowPhones.cpp
    void buildPhoneAccess();
    void openPhoneAccess();
    void publishToPhones();

    // MainWindowLayout.cpp
    WindowGeometry geometryInTwips() const;
    void applyLayout();
    void startUp();
    // Form1Suggestions.cpp: the pixels the suggestion panel takes.
    int suggestionPanelWidth() const;
    // Narrows the pairing table by the panel's width and puts the panel
    // beside it.
    void fitTableBesidePanel();

    // MainWindowCommands.cpp
    void connectCommands();
    void switchToTotals();
    void showPreviousMeeting();
    void showCurrentMeeting();
    void showOtherTeam();
    void showRunningMatches();
    void selectTab(int index);
    void onGridDoubleClick(int column, int row);
    // After a pick, a match dialog or a completion: the tab follows the
    // shown team and everything is drawn again.
    void redrawAfterMatch();

    Program& program_;
    MainLayout layout_;
    bool ended_ = false;

    QWidget* central_ = nullptr;
    QFrame* frame_ = nullptr;
    QLabel* teamLabel_ = nullptr;
    QLabel* meetingLabel_ = nullptr;
    QLabel* methodLabel_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QLabel* openedFileLabel_ = nullptr;
    QTabBar* tabs_ = nullptr;
    MainGridView* grid_ = nullptr;
    MainGridModel* model_ = nullptr;
    QPlainTextEdit* explanation_ = nullptr;
    QPushButton* totalsButton_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    QPushButton* currentButton_ = nullptr;
    QPushButton* teamButton_ = nullptr;
    QPushButton* runningButton_ = nullptr;

    QMenu* fileMenu_ = nullptr;
    QAction* newAction_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* closeAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentItems_;
    QAction* masterAction_ = nullptr;
    QAction* teamInfoAction_ = nullptr;
    QAction* rosterAction_ = nullptr;
    QAction* clearCurrentAction_ = nullptr;
    QAction* clearAllAction_ = nullptr;
    QAction* checkInAction_ = nullptr;
    QAction* attendanceAction_ = nullptr;
    QAction* intraTeamAction_ = nullptr;
    QAction* fullScreenAction_ = nullptr;
    QAction* adjustedScreenAction_ = nullptr;
    QAction* completeAction_ = nullptr;
    QAction* undoCompletionAction_ = nullptr;
    QAction* reportAction_ = nullptr;
    QAction* logViewAction_ = nullptr;
    QAction* logClearAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* courtBoardAction_ = nullptr;
    QAction* phoneAction_ = nullptr;
    PhoneAccess* phones_ = nullptr;
    QPointer<PhoneAccessDialog> phoneDialog_;
    QLabel* phoneStatus_ = nullptr;
    QAction* explanationAction_ = nullptr;
    QAction* helpContentsAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    MatchFlow* matchFlow_ = nullptr;
    QPointer<QWidget> versionBox_;
    RegistrationCommands* registration_ = nullptr;
    SuggestionPanel* suggestions_ = nullptr;
    int designedTableWidth_ = 0; // pixels
    // A window of its own (no parent), so that it can fill another screen.
    std::unique_ptr<CourtBoardWindow> board_;
};
