#include "ProgramFixture.h"

#include "app/MainGridEvents.h"
#include "app/StartUp.h"

namespace {

// A started program with six members in team A and four in team B.
class MainGridEventsTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        startProgram(program(), layout_, designed());
        state().teamSize[0] = 6;
        state().teamSize[1] = 4;
    }
};

} // namespace

TEST_F(MainGridEventsTest, DoubleClickOutcomes) {
    struct Case {
        int team;
        int button;
        std::int16_t viewed;
        int column;
        int row;
        GridOutcome outcome;
    };
    const Case cases[] = {
        {0, LeftButton, 0, 3, 3, GridOutcome::Refused}, // diagonal
        {0, RightButton, 0, 3, 3, GridOutcome::Refused},
        {0, RightButton, 0, 7, 2, GridOutcome::Refused}, // beyond team A
        {1, LeftButton, 0, 5, 2, GridOutcome::Refused},  // beyond team B
        {0, LeftButton, 0, 0, 2, GridOutcome::Refused},  // heading
        {0, LeftButton, 0, 5, 2, GridOutcome::Pick},
        {0, LeftButton, 1, 5, 2, GridOutcome::Refused},     // earlier meeting shown
        {0, RightButton, 1, 5, 2, GridOutcome::Correction}, // correction still works
        {1, MiddleButton, 0, 2, 4, GridOutcome::Correction},
    };
    for (const Case& c : cases) {
        platform_.clear();
        state().currentTeam = static_cast<std::int16_t>(c.team);
        state().viewedMeeting = c.viewed;
        state().correctionCell = {0, 0};
        rememberGridButton(program(), c.button);
        EXPECT_EQ(state().lastGridButton, c.button);
        const GridOutcome outcome = handleGridDoubleClick(program(), c.column, c.row);
        EXPECT_EQ(outcome, c.outcome) << c.column << "," << c.row;
        EXPECT_EQ(platform_.beepCount(), outcome == GridOutcome::Refused ? 1 : 0);
        if (outcome == GridOutcome::Correction) {
            EXPECT_EQ(state().correctionCell,
                      (std::array<std::int16_t, 2>{static_cast<std::int16_t>(c.column),
                                                   static_cast<std::int16_t>(c.row)}));
        } else {
            EXPECT_EQ(state().correctionCell, (std::array<std::int16_t, 2>{0, 0}));
        }
    }
}
