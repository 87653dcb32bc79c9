#pragma once

#include "app/MainLayout.h"

#include <QMainWindow>
#include <QPointer>

class MainGridModel;
class MainGridView;
class MatchFlow;
class Program;
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

    Program& program() { return program_; }
    MainLayout& layout() { return layout_; }
    MainGridView* grid() const { return grid_; }
    SuggestionPanel* suggestionPanel() const { return suggestions_; }

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
    QMenu* addMenu(const char* name, const QString& caption);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption);
    QList<QAction*> addItems(QMenu* menu, const char* array, const QStringList& captions);
    void renderRecentFiles();
    void onFileItem(int index);
    void onRecentFile(int index);
    void onLogItem(int index);
    void showVersionBox();
    void showReport();
    void printWindow();

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
    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentItems_;
    MatchFlow* matchFlow_ = nullptr;
    QPointer<QWidget> versionBox_;
    RegistrationCommands* registration_ = nullptr;
    SuggestionPanel* suggestions_ = nullptr;
    int designedTableWidth_ = 0; // pixels
};
