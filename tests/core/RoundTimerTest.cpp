#include "board/RoundTimer.h"

#include <gtest/gtest.h>

TEST(RoundTimer, CountsDownWarnsInTheLastMinuteAndStopsAtZero) {
    RoundTimer timer;
    EXPECT_EQ(timer.phase(0), TimerPhase::Off);
    EXPECT_EQ(timer.text(0), u"");
    timer.start(12, 1000);
    struct Case {
        long long now;
        TimerPhase phase;
        const char16_t* text;
    };
    for (const Case& c :
         {Case{1000, TimerPhase::Running, u"12:00"}, Case{1000 + 659, TimerPhase::Running, u"1:01"},
          Case{1000 + 660, TimerPhase::Warning, u"1:00"},
          Case{1000 + 715, TimerPhase::Warning, u"0:05"},
          Case{1000 + 720, TimerPhase::Zero, u"0:00"},
          Case{1000 + 9999, TimerPhase::Zero, u"0:00"}}) {
        EXPECT_EQ(timer.phase(c.now), c.phase) << c.now;
        EXPECT_EQ(timer.text(c.now), c.text) << c.now;
    }
    timer.start(0, 0);
    EXPECT_EQ(timer.minutes(), 1);
    timer.start(500, 0);
    EXPECT_EQ(timer.minutes(), RoundTimer::kMaxMinutes);
    timer.stop();
    EXPECT_EQ(timer.phase(10), TimerPhase::Off);
}
