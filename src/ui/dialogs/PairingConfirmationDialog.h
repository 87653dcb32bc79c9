#pragma once

#include <QDialog>

#include <memory>

class MatchSidesWidgets;
class Program;

// The pairing confirmation: shows the two picked sides with photographs;
// "決定" starts the match, "ｷｬﾝｾﾙ" lets the picks go.
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
    bool decided_ = false;
};
