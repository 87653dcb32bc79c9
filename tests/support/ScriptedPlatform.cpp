#include "ScriptedPlatform.h"

#include <algorithm>

void ScriptedPlatform::showMessage(std::u16string_view text, std::u16string_view title) {
    events_.push_back({Kind::Message, std::u16string(text), std::u16string(title)});
}

bool ScriptedPlatform::askYesNo(std::u16string_view text, std::u16string_view title) {
    bool answer = false;
    if (answers_.empty()) {
        ++unanswered_;
    } else {
        answer = answers_.front();
        answers_.pop_front();
    }
    events_.push_back({Kind::Question, std::u16string(text), std::u16string(title), answer});
    return answer;
}

void ScriptedPlatform::beep() {
    events_.push_back({Kind::Beep, {}, {}});
}

std::u16string ScriptedPlatform::chooseOpenFile() {
    if (fileNames_.empty()) {
        return {};
    }
    std::u16string name = std::move(fileNames_.front());
    fileNames_.pop_front();
    return name;
}

std::u16string ScriptedPlatform::chooseSaveFile() {
    return chooseOpenFile();
}

std::u16string ScriptedPlatform::chooseCsvSaveFile(std::u16string_view suggestedName) {
    suggestedNames_.emplace_back(suggestedName);
    return chooseOpenFile();
}

void ScriptedPlatform::openHelpPage(const std::string& path) {
    helpPages_.push_back(path);
    events_.push_back({Kind::Help, {}, {}});
}

int ScriptedPlatform::beepCount() const {
    return static_cast<int>(std::count_if(events_.begin(), events_.end(),
                                          [](const Event& e) { return e.kind == Kind::Beep; }));
}

std::vector<std::u16string> ScriptedPlatform::messages() const {
    std::vector<std::u16string> texts;
    for (const Event& e : events_) {
        if (e.kind == Kind::Message) {
            texts.push_back(e.text);
        }
    }
    return texts;
}

std::vector<std::u16string> ScriptedPlatform::questions() const {
    std::vector<std::u16string> texts;
    for (const Event& e : events_) {
        if (e.kind == Kind::Question) {
            texts.push_back(e.text);
        }
    }
    return texts;
}

void ScriptedPlatform::clear() {
    answers_.clear();
    fileNames_.clear();
    events_.clear();
    helpPages_.clear();
    suggestedNames_.clear();
    unanswered_ = 0;
}
