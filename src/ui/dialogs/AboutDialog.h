#pragma once

#include <QDialog>

// The version box: the program's picture, its version and its file name.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
