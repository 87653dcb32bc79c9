#pragma once

#include "platform/Platform.h"

#include <deque>
#include <string>
#include <vector>

// The test double of the platform: records every message, question, beep
// and help page, and answers questions and file dialogs from a script set
// before the action. An unscripted question is answered No and an
// unscripted file dialog is cancelled, and both are recorded as such.
class ScriptedPlatform : public Platform {
public:
    enum class Kind { Message, Question, Beep, Help };
    struct Event {
        Kind kind;
        std::u16string text;
        std::u16string title;
        bool answer = false;
    };

    void showMessage(std::u16string_view text, std::u16string_view title) override;
    bool askYesNo(std::u16string_view text, std::u16string_view title) override;
    void beep() override;
    std::u16string chooseOpenFile() override;
    std::u16string chooseSaveFile() override;
    // Answers from the same script as the data-file dialogs.
    std::u16string chooseCsvSaveFile(std::u16string_view suggestedName) override;
    void openHelpPage(const std::string& path) override;

    void setNextAnswer(bool yes) { answers_.push_back(yes); }
    void setNextFileName(std::u16string path) { fileNames_.push_back(std::move(path)); }

    const std::vector<Event>& events() const { return events_; }
    const std::vector<std::string>& helpPages() const { return helpPages_; }
    int beepCount() const;
    std::vector<std::u16string> messages() const;
    std::vector<std::u16string> questions() const;
    int unansweredQuestions() const { return unanswered_; }
    // The names the CSV dialog offered, in order.
    const std::vector<std::u16string>& suggestedNames() const { return suggestedNames_; }
    void clear();

private:
    std::deque<bool> answers_;
    std::deque<std::u16string> fileNames_;
    std::vector<Event> events_;
    std::vector<std::string> helpPages_;
    std::vector<std::u16string> suggestedNames_;
    int unanswered_ = 0;
};
