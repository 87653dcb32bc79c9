#pragma once

#include <QDialog>

#include <memory>

class MatchSidesWidgets;
class Program;
class QLabel;

// The pairing confirmation: shows the two picked sides with photographs;
// "決定" starts the match, "ｷｬﾝｾﾙ" lets the picks go. A pick that breaks a
// pair rule of the club register shows a warning line (`pairRuleWarning`).
class PairingConfirmationDialog : public QDialog {
    Q_OBJECT
public:
    PairingConfirmationDialog(Program& program, QWidget* mainWindow);
    ~PairingConfirmationDialog() override;

    // True once "決定" was pressed, whether or not the match could start.
    bool decided() const { return decided_; }

private:
    void acceptPairing();
    void rejectPairing();

    Program& program_;
    std::unique_ptr<MatchSidesWidgets> sides_;
    QLabel* warning_ = nullptr;
    bool decided_ = false;
};
