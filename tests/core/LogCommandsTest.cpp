#include "ProgramFixture.h"

#include "app/LogCommands.h"
#include "app/StartUp.h"

namespace {

// A started program with six members in team A and four in team B.
class LogCommandsTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        startProgram(program(), layout_, designed());
        state().teamSize[0] = 6;
        state().teamSize[1] = 4;
    }
};

} // namespace

TEST_F(LogCommandsTest, ClearingTheLogAsksAndRestartsAtEntryOne) {
    appendLog(program(), u"結果 テスト");
    clearLog(program());
    EXPECT_EQ(platform_.questions(),
              std::vector<std::u16string>{
                  u"ログをｸﾘｱｰしますか ?　はい(Y)を選ぶと全てのログﾃﾞｰﾀがｸﾘｱｰされます。"});
    EXPECT_EQ(program().log.entryCount, 2);

    platform_.setNextAnswer(true);
    clearLog(program());
    EXPECT_EQ(program().log.entryCount, 1);
    EXPECT_NE(logText().find(u"ｸﾘｱｰ"), std::u16string::npos);
    EXPECT_EQ(logText().find(u"起動"), std::u16string::npos);
}

TEST_F(LogCommandsTest, LogViewerCaptionAndHeader) {
    const std::u16string caption = logViewerCaption();
    EXPECT_EQ(caption.size(), 1u + 24 + 24 + 4);
    EXPECT_EQ(caption.substr(49), u"ログ表示");
    EXPECT_EQ(kLogViewerHeader, u" NO YY/MM/DD TIME    区分　内容　");
}
