#pragma once

#include "app/Roster.h"

#include <QDialog>

class Program;
class QCheckBox;
class QLabel;
class QListWidget;

// The participant registration dialog "参加者登録", modal: the roster of the
// shown team, the member master, the photo, お休み and the roster commands.
// The rules are Roster's, which outlives the dialog.
class RosterDialog : public QDialog {
    Q_OBJECT
public:
    RosterDialog(Program& program, Roster& roster, QWidget* owner);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A roster or master line became the current one (-1: none).
    void moveRosterCursor(int line);
    void selectMaster(int line);
    void showRoster();
    void showPicture(const PictureLookup& picture);
    void leave(bool closeBox);

    Program& program_;
    Roster& roster_;
    QListWidget* rosterList_ = nullptr;
    QListWidget* masterList_ = nullptr;
    QLabel* teamName_ = nullptr;
    QLabel* picture_ = nullptr;
    QCheckBox* resting_ = nullptr;
    bool closing_ = false;
};
