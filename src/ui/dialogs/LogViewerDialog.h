#pragma once

#include <QDialog>

class Program;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The log viewer: the log newest first under its heading, with "印字" and
// "戻る".
class LogViewerDialog : public QDialog {
    Q_OBJECT

public:
    LogViewerDialog(Program& program, QWidget* parent = nullptr);

    // Puts the log text into the body box.
    void setLogText(const std::u16string& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Program& program_;
    QPlainTextEdit* body_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
};
