#pragma once

#include "app/PictureChooser.h"

#include <QDialog>

#include <string>

class Program;
class QComboBox;
class QLabel;
class QListWidget;

// The picture chooser "写真の選択": drive, folder and ".bmp" file lists, a
// preview, ＯＫ and キャンセル. After ＯＫ it holds the chosen photo number and
// file name; the rules are PictureChooser's.
class PictureChooserDialog : public QDialog {
    Q_OBJECT
public:
    PictureChooserDialog(Program& program, QWidget* owner);

    int photoNumber() const { return photoNumber_; }
    const std::string& fileName() const { return fileName_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showFolder();
    void ok();

    PictureChooser chooser_;
    QComboBox* drives_ = nullptr;
    QLabel* folderPath_ = nullptr;
    QListWidget* folders_ = nullptr;
    QListWidget* files_ = nullptr;
    QLabel* preview_ = nullptr;
    int photoNumber_ = 0;
    std::string fileName_;
};
