#pragma once

#include "platform/Platform.h"

#include <QString>

class QWidget;

// The platform on Qt: message boxes over the main window, the beep, the
// data-file dialogs starting in the working folder, help pages in the
// desktop's viewer.
class QtPlatform : public Platform {
public:
    explicit QtPlatform(QString startFolder);

    // The window the boxes and dialogs belong to.
    void setParentWindow(QWidget* window) { parent_ = window; }

    void showMessage(std::u16string_view text, std::u16string_view title) override;
    bool askYesNo(std::u16string_view text, std::u16string_view title) override;
    void beep() override;
    std::u16string chooseOpenFile() override;
    std::u16string chooseSaveFile() override;
    void openHelpPage(const std::string& path) override;

    // The dialogs' filter in Qt's form: "試合成績 ﾌｧｲﾙ (*.rly);;全ての ﾌｧｲﾙ (*.*)".
    static QString dialogFilter();

private:
    QWidget* parent_ = nullptr;
    QString startFolder_;
};
