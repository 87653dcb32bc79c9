#pragma once

#include <string>

class Program;

// The rules of the team information dialog "チーム名称設定": the meeting's
// title, the two team names and the match method, which can no longer change
// once the meeting has results.
class TeamInfo {
public:
    static constexpr std::u16string_view kMethodLockedMessage =
        u"試合が開始されています。変更出来ません。";

    explicit TeamInfo(Program& program);

    // What the dialog shows when it opens.
    const std::u16string& title() const { return title_; }
    const std::u16string& teamNameA() const { return nameA_; }
    const std::u16string& teamNameB() const { return nameB_; }
    // The method whose option button is selected (0, 1 or 2; -1 when the
    // meeting holds a method the dialog does not offer).
    int selectedMethod() const { return method_; }

    // An option button clicked by the user. When the meeting has results
    // the change is refused with a message and selectedMethod() stays.
    void chooseMethod(int method);

    // 更新: stores the texts and the method, shows team A and saves.
    void update(std::u16string_view title, std::u16string_view teamNameA,
                std::u16string_view teamNameB);

private:
    Program& program_;
    std::u16string title_;
    std::u16string nameA_;
    std::u16string nameB_;
    int method_ = 0;
};
