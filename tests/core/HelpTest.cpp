#include "app/Help.h"
#include "ScriptedPlatform.h"

#include <gtest/gtest.h>

TEST(HelpTest, PagesOpenFromHtmlInTheWorkingFolder) {
    ScriptedPlatform platform;
    showHelp(platform, "/club", HelpPage::kRoster);
    EXPECT_EQ(platform.helpPages(), std::vector<std::string>{"/club/html/TENIS4.htm"});
}

TEST(HelpTest, VersionLabelWritesEachNumberWithALeadingBlank) {
    EXPECT_EQ(versionLabel(2, 1, 0), u"Version  2. 1. 0");
    EXPECT_EQ(versionLabel(10, 0, 12), u"Version  10. 0. 12");
    EXPECT_EQ(programVersionLabel(), u"Version  2. 1. 0");
}

TEST(HelpTest, ExplanationTextNamesEveryOperation) {
    const std::u16string_view text = explanationText();
    for (std::u16string_view part :
         {u"★ 説明 ★", u"詳細ヘルプ", u"試合開始", u"●、★、□、△の優先順で選択します。",
          u"★、△は、試合中のメンバーがいます。", u"チーム切替", u"試合中表示", u"完了報告",
          u"修正位置を右クリック後、左ﾀﾞﾌﾞﾙｸﾘｯｸします。", u"説明(S)"}) {
        EXPECT_NE(text.find(part), std::u16string_view::npos);
    }
}
