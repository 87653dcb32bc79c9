#pragma once

#include <string>
#include <string_view>

class Program;
struct MeetingState;

// The result correction dialog's texts for the remembered cell (column c,
// row r of the shown team): team name (Text6), games won and lost (Text1,
// Text2), member c (Text7), and member r as partner (Text8, doubles) or as
// opponent (Text9, singles); the other of Text8 and Text9 is hidden.
struct CorrectionView {
    std::u16string teamName;
    std::u16string won;
    std::u16string lost;
    std::u16string member;
    std::u16string otherMember;
    bool singles = false;
};

inline constexpr std::u16string_view kCorrectionCaption = u"ポイント修正";
inline constexpr std::u16string_view kCorrectionNote1 =
    u"注意　シングルス以外の時は、対戦相手の得点も";
inline constexpr std::u16string_view kCorrectionNote2 = u"　　　　変更して下さい。";

CorrectionView loadCorrection(const MeetingState& state);

// "修正": refuses (beep, false) a number above 999 or a score that does not
// fit 32 bits; otherwise stores the score in both cells of the pair (in
// singles the opponent's cell gets the mirrored score), marks the pair
// finished, or back in the pool when both numbers are 0, saves the meeting
// shown (an earlier one into its own record), logs the change and returns
// true (the dialog closes).
bool correctResult(Program& program, std::u16string_view text1, std::u16string_view text2);
