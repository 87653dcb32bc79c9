#pragma once

#include "app/MasterEditor.h"

#include <QDialog>

#include <array>

class MemberRegisterFields;
class Program;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

// The member master editor "マスター登録", modeless: the member grid, the
// edit boxes that write through to the member clicked last, and 追加 / 削除 /
// 更新 / ｷｬﾝｾﾙ; beside the stored fields, the club register's level, member
// type and pair rules of the selected member. The rules are MasterEditor's.
class MemberMasterDialog : public QDialog {
    Q_OBJECT
public:
    MemberMasterDialog(Program& program, QWidget* owner);

    MasterEditor& editor() { return editor_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void renderGrid();
    void clickGrid(int row);
    void showPicture(const QString& path);
    void choosePicture();
    void update();
    void cancel();

    Program& program_;
    MasterEditor editor_;
    QTableWidget* grid_ = nullptr;
    std::array<QLineEdit*, 8> boxes_{}; // Text1 .. Text7 by number
    QRadioButton* male_ = nullptr;
    QRadioButton* female_ = nullptr;
    QLabel* image_ = nullptr;
    MemberRegisterFields* registerFields_ = nullptr;
    bool closing_ = false;
};
