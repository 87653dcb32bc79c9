#include "RegistrationFixture.h"

#include "app/MasterEditor.h"
#include "app/RegistrationMessages.h"
#include "text/FixedText.h"

namespace {

class MasterEditorTest : public RegistrationFixture {
protected:
    // Opens an editor on the master file as it is now.
    std::unique_ptr<MasterEditor> openEditor() {
        auto editor = std::make_unique<MasterEditor>(*program);
        editor->open(8000, 6000);
        return editor;
    }
    const MemberRecord& member(int i) const {
        return program->master.members[static_cast<std::size_t>(i)];
    }
};

} // namespace

TEST_F(MasterEditorTest, GridHasTitlesPatternsAndARowForEveryMember) {
    writeMaster(99);
    auto editor = openEditor();
    const GridModel& grid = editor->grid();
    EXPECT_EQ(grid.columns, 10);
    ASSERT_GE(grid.rows, 101);
    EXPECT_EQ(grid.at(0, 0), u"ＮＯ");
    EXPECT_EQ(grid.at(0, 2), u"分類");
    EXPECT_EQ(grid.at(0, 6), u"性別");
    EXPECT_EQ(grid.at(0, 9), u"メモ");
    EXPECT_EQ(grid.rowHeights[1], 5);
    EXPECT_EQ(grid.columnWidths[1], 5);
    EXPECT_EQ(grid.columnWidths[0], 1000);
    EXPECT_EQ(grid.columnWidths[4], 2666);
    EXPECT_EQ(grid.columnWidths[8], 8000);
    EXPECT_EQ(grid.rowHeights[2], 300);
    // Member 7 on row 8: number without leading zeros, codes with three digits.
    EXPECT_EQ(grid.at(8, 0), u"7");
    EXPECT_EQ(grid.at(8, 2), u"017");
    EXPECT_EQ(grid.at(8, 3), u"007");
    EXPECT_EQ(grid.at(8, 4), u"氏名7" + std::u16string(13, u' '));
    EXPECT_EQ(grid.at(8, 5), fitText(u"略7", 8));
    EXPECT_EQ(grid.at(8, 6), u"女性");
    EXPECT_EQ(grid.at(9, 6), u"男性");
    EXPECT_EQ(grid.at(100, 0), u"99");
}

TEST_F(MasterEditorTest, EmptyMasterShowsBlankGridAndAddPutsMemberOneAtTheTop) {
    auto editor = openEditor();
    EXPECT_EQ(program->master.memberCount, 0);
    EXPECT_EQ(editor->grid().at(2, 0), u"");
    editor->add();
    EXPECT_EQ(program->master.memberCount, 1);
    EXPECT_EQ(member(1).sex, 0);
    EXPECT_EQ(member(1).name.str(), std::u16string(16, u' '));
    EXPECT_EQ(editor->grid().at(2, 0), u"1");
    EXPECT_EQ(editor->grid().at(2, 6), u"男性");
    EXPECT_TRUE(editor->changed());
}

TEST_F(MasterEditorTest, NinetyNineMembersRefuseAdd) {
    writeMaster(99);
    auto editor = openEditor();
    ASSERT_TRUE(editor->clickRow(10));
    editor->add();
    EXPECT_EQ(platform.beepCount(), 1);
    EXPECT_EQ(program->master.memberCount, 99);
    EXPECT_FALSE(editor->changed());
}

TEST_F(MasterEditorTest, RowsWithoutMemberBeepAndLeaveNoSelection) {
    writeMaster(3);
    auto editor = openEditor();
    for (int row : {0, 1, 5, 60}) {
        ASSERT_TRUE(editor->clickRow(3));
        EXPECT_FALSE(editor->clickRow(row)) << row;
        EXPECT_EQ(editor->selection(), 0) << row;
    }
    EXPECT_EQ(platform.beepCount(), 4);
    // With no selection the new member goes to the top.
    editor->add();
    EXPECT_EQ(member(1).name.str(), std::u16string(16, u' '));
    EXPECT_EQ(member(2).name.str().substr(0, 3), u"氏名1");
    EXPECT_EQ(editor->grid().at(3, 4).substr(0, 3), u"氏名1");
}

TEST_F(MasterEditorTest, AddInsertsAfterTheSelectionAndKeepsIt) {
    writeMaster(3);
    auto editor = openEditor();
    ASSERT_TRUE(editor->clickRow(3)); // member 2
    editor->add();
    EXPECT_EQ(program->master.memberCount, 4);
    EXPECT_EQ(editor->selection(), 2);
    EXPECT_EQ(member(3).abbrev.str(), u"        ");
    EXPECT_EQ(member(4).abbrev.str(), fitText(u"略3", 8));
    EXPECT_EQ(editor->grid().at(5, 5), fitText(u"略3", 8));
}

TEST_F(MasterEditorTest, BoxesShowTheClickedMemberAndWriteThroughAtOnce) {
    writeMaster(2);
    auto editor = openEditor();
    ASSERT_TRUE(editor->clickRow(2));
    EXPECT_EQ(editor->boxes().text[MasterEditor::ClassCodeBox], u"11");
    EXPECT_EQ(editor->boxes().text[MasterEditor::PhotoNoBox], u"1");
    EXPECT_TRUE(editor->boxes().female);
    EXPECT_FALSE(editor->changed());

    const std::u16string longName = u"とても長い氏名をここに入れてみました";
    editor->editBox(MasterEditor::NameBox, longName);
    editor->editBox(MasterEditor::AbbrevBox, u"山田");
    editor->editBox(MasterEditor::PhotoNoBox, u"45abc");
    editor->editBox(MasterEditor::AddressBox, u"東京都");
    EXPECT_EQ(member(1).name.str(), longName.substr(0, 16));
    EXPECT_EQ(member(1).abbrev.str(), fitText(u"山田", 8));
    EXPECT_EQ(member(1).photoNo, 45);
    EXPECT_EQ(member(1).address.str().size(), 64u);
    EXPECT_EQ(editor->grid().at(2, 3), u"045");
    EXPECT_EQ(editor->grid().at(2, 5), fitText(u"山田", 8));
    EXPECT_TRUE(editor->changed());
}

TEST_F(MasterEditorTest, NumberBoxesHoldTheSixteenBitRange) {
    struct Case {
        std::u16string_view text;
        std::int16_t stored;
    };
    const Case cases[] = {{u"12", 12},       {u" 7x", 7},         {u"abc", 0},
                          {u"99999", 32767}, {u"-70000", -32768}, {u"12.5", 12},
                          {u"13.5", 14},     {u"-3", -3},         {u"1e9", 32767}};
    for (const Case& c : cases) {
        EXPECT_EQ(MasterEditor::boxNumber(c.text), c.stored)
            << std::string(c.text.begin(), c.text.end());
    }
}

TEST_F(MasterEditorTest, ClassCodeBoxTakesKeysUpToCapitalA) {
    for (char16_t key : {u'0', u'9', u'-', u' ', u'\b', u'A'}) {
        EXPECT_TRUE(MasterEditor::acceptsClassCodeKey(key)) << int(key);
    }
    for (char16_t key : {u'B', u'a', u'z', u'あ', u'１'}) {
        EXPECT_FALSE(MasterEditor::acceptsClassCodeKey(key)) << int(key);
    }
}

TEST_F(MasterEditorTest, FemaleOptionShowsAtOnceAndMarksChanged) {
    writeMaster(2);
    auto editor = openEditor();
    ASSERT_TRUE(editor->clickRow(3)); // member 2, male
    editor->clickSexOption(2, true);
    EXPECT_EQ(member(2).sex, 1);
    EXPECT_EQ(editor->grid().at(3, 6), u"女性");
    EXPECT_TRUE(editor->changed());
    editor->clickSexOption(1, true);
    EXPECT_EQ(member(2).sex, 0);
    EXPECT_EQ(editor->grid().at(3, 6), u"男性");
}

TEST_F(MasterEditorTest, EditsWithoutSelectionChangeNothing) {
    writeMaster(2);
    auto editor = openEditor();
    editor->editBox(MasterEditor::NameBox, u"誰か");
    editor->clickSexOption(2, true);
    EXPECT_FALSE(editor->changed());
    EXPECT_EQ(platform.beepCount(), 0);
    EXPECT_EQ(member(1).name.str().substr(0, 3), u"氏名1");
}

TEST_F(MasterEditorTest, DeleteMovesTheFollowingMembersUp) {
    writeMaster(3);
    auto editor = openEditor();
    ASSERT_TRUE(editor->clickRow(2)); // member 1
    editor->remove();
    EXPECT_EQ(program->master.memberCount, 2);
    EXPECT_EQ(editor->selection(), 1);
    EXPECT_EQ(member(1).abbrev.str(), fitText(u"略2", 8));
    EXPECT_EQ(member(3).sex, 9);
    EXPECT_EQ(editor->grid().at(4, 0), u"");
    EXPECT_EQ(editor->grid().at(4, 4), u"");
    // The selection now designates the former member 2.
    editor->editBox(MasterEditor::MemoBox, u"メモ");
    EXPECT_EQ(member(1).memo.str().substr(0, 2), u"メモ");
}

TEST_F(MasterEditorTest, AfterDeletingTheLastMemberTypingBeepsAndAddLeavesNoGap) {
    writeMaster(3);
    auto editor = openEditor();
    ASSERT_TRUE(editor->clickRow(4)); // member 3
    editor->remove();
    editor->editBox(MasterEditor::NameBox, u"誰か");
    EXPECT_EQ(platform.beepCount(), 1);
    editor->remove();
    EXPECT_EQ(platform.beepCount(), 2);

    editor->add();
    EXPECT_EQ(program->master.memberCount, 3);
    EXPECT_EQ(member(3).sex, 0);
    EXPECT_EQ(member(2).abbrev.str(), fitText(u"略2", 8));
    EXPECT_EQ(editor->grid().at(4, 6), u"男性");
}

TEST_F(MasterEditorTest, DeletingTheOnlyMemberLeavesAnEmptyMaster) {
    writeMaster(1);
    auto editor = openEditor();
    ASSERT_TRUE(editor->clickRow(2));
    editor->remove();
    ASSERT_TRUE(editor->update());
    EXPECT_EQ(std::filesystem::file_size(dir / "tennis.mst"), MemberRecord::kSize);
    auto again = openEditor();
    EXPECT_EQ(program->master.memberCount, 0);
    EXPECT_EQ(again->grid().at(2, 0), u"");
}

TEST_F(MasterEditorTest, UpdateWritesTheWholeTable) {
    writeMaster(2);
    auto editor = openEditor();
    ASSERT_TRUE(editor->clickRow(3));
    editor->add();
    ASSERT_TRUE(editor->clickRow(4));
    editor->editBox(MasterEditor::AbbrevBox, u"新人");
    editor->clickSexOption(2, true);
    ASSERT_TRUE(editor->update());
    EXPECT_FALSE(editor->changed());
    EXPECT_EQ(std::filesystem::file_size(dir / "tennis.mst"), 3 * MemberRecord::kSize);

    auto again = openEditor();
    EXPECT_EQ(program->master.memberCount, 3);
    EXPECT_EQ(member(3).abbrev.str(), fitText(u"新人", 8));
    EXPECT_EQ(member(3).sex, 1);
}

TEST_F(MasterEditorTest, ClosingAfterEditsAsksAndLeavesTheFileAlone) {
    writeMaster(2);
    const auto sizeBefore = std::filesystem::file_size(dir / "tennis.mst");
    auto editor = openEditor();
    EXPECT_TRUE(editor->mayClose()); // nothing changed: no question
    EXPECT_TRUE(platform.questions().empty());

    ASSERT_TRUE(editor->clickRow(2));
    editor->add();
    platform.setNextAnswer(false);
    EXPECT_FALSE(editor->mayClose());
    platform.setNextAnswer(true);
    EXPECT_TRUE(editor->mayClose());
    ASSERT_EQ(platform.questions().size(), 2u);
    EXPECT_EQ(platform.questions()[0], kDiscardChangesQuestion);
    EXPECT_EQ(platform.events().back().title, u"ラリーノート");

    EXPECT_EQ(std::filesystem::file_size(dir / "tennis.mst"), sizeBefore);
    auto again = openEditor();
    EXPECT_EQ(program->master.memberCount, 2);
}

TEST_F(MasterEditorTest, PictureOfTheSelectedMemberFallsBackBySex) {
    writeMaster(2);
    touch("tenis002.bmp");
    touch("tenisman.bmp");
    touch("teniswmn.bmp");
    auto editor = openEditor();
    ASSERT_TRUE(editor->clickRow(2)); // member 1: photo 1 missing, female
    EXPECT_EQ(editor->selectedPicture().fileName, "teniswmn.bmp");
    ASSERT_TRUE(editor->clickRow(3)); // member 2: tenis002.bmp exists
    EXPECT_EQ(editor->selectedPicture().fileName, "tenis002.bmp");
}

TEST_F(MasterEditorTest, FailedWriteKeepsTheEditorOpenWithItsEdits) {
    writeMaster(2);
    auto editor = openEditor();
    ASSERT_TRUE(editor->clickRow(2));
    editor->add();
    // The file can no longer be written: a folder stands in its place.
    std::filesystem::remove(dir / "tennis.mst");
    std::filesystem::create_directory(dir / "tennis.mst");
    EXPECT_FALSE(editor->update());
    EXPECT_EQ(platform.messages().size(), 1u);
    EXPECT_TRUE(editor->changed());
    EXPECT_EQ(program->master.memberCount, 3);
}
