#pragma once

#include "app/MainLayout.h"

#include <QMainWindow>
#include <QPointer>

class MainGridModel;
class MainGridView;
class Program;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabBar;

// The main window. It forwards every menu item, button, tab, grid and key
// event to the program's rules and renders the program's view afterwards.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(Program& program, QWidget* parent = nullptr);

    Program& program() { return program_; }
    MainLayout& layout() { return layout_; }
    MainGridView* grid() const { return grid_; }

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
    // Form1.cpp
    void buildWidgets();
    QPushButton* addButton(const char* name, const QString& caption, int top);
    void renderLabels();
    void renderGrid();

    // Form1Menus.cpp
    void buildMenus();
    QMenu* addMenu(const char* name, const QString& caption);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption);
    void renderRecentFiles();
    void onFileItem(int index);
    void onRecentFile(int index);
    void onLogItem(int index);
    void showVersionBox();
    void printWindow();

    // Form1Layout.cpp
    WindowGeometry geometryInTwips() const;
    void applyLayout();
    void startUp();

    // Form1Commands.cpp
    void connectCommands();
    void onGridDoubleClick(int column, int row);
    void openRunningList();

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
    QPointer<QWidget> runningList_;
    QPointer<QWidget> versionBox_;
};
