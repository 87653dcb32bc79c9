// The write path of every file: gathered writes, the journal beside the
// file, finishing an interrupted save on the next open, and putting back a
// save that fails halfway.
#include "FaultInjection.h"
#include "StorageFixture.h"
#include "app/MeetingFileCommands.h"

#include "storage/RecordFile.h"
#include "storage/RecordJournal.h"

namespace {

using R = MeetingRecord;

std::vector<std::uint8_t> recordOf(std::uint8_t fill, std::size_t size = 16) {
    return std::vector<std::uint8_t>(size, fill);
}

std::vector<std::uint8_t> slice(const std::vector<std::uint8_t>& bytes, std::size_t from,
                                std::size_t length) {
    return {bytes.begin() + static_cast<long>(from),
            bytes.begin() + static_cast<long>(from + length)};
}

} // namespace

class RecordFileTest : public StorageFixture {
protected:
    void SetUp() override {
        makeMeetings(3);
        before = readBytes(file());
    }
    std::filesystem::path file() const { return dir.file("取りあえず.rlw"); }

    // The journal of the completion of meeting 3, as a crash leaves it: the
    // new record 4 and record 1 with the count 4. The file got the first
    // `written` bytes of record 4.
    void crashDuringCompletion(std::size_t written, std::size_t journalBytes = SIZE_MAX) {
        journal::Contents contents;
        contents.sizeBefore = 3 * R::kSize;
        contents.sizeAfter = 4 * R::kSize;
        newest.setInt32At(R::kResultOffset + 4 * R::resultIndex(0, 1, 2), 4);
        contents.records[4].assign(newest.bytes.begin(), newest.bytes.end());
        auto first = slice(before, 0, R::kSize);
        first[0] = 4;
        contents.records[1] = first;
        auto bytes = journal::encode(R::kSize, contents);
        bytes.resize(std::min(bytes.size(), journalBytes));
        writeBytes(journal::pathOf(file()), bytes);
        auto torn = before;
        torn.insert(torn.end(), contents.records[4].begin(),
                    contents.records[4].begin() + static_cast<long>(written));
        writeBytes(file(), torn);
    }

    std::vector<std::uint8_t> before;
    MeetingRecord newest;
};

TEST_F(RecordFileTest, WritesReachTheFileTogetherAtFinish) {
    TempDir dir;
    const auto path = dir.file("f.dat");
    writeBytes(path, recordOf(1, 32));
    {
        RecordFile file(16);
        ASSERT_TRUE(file.openForWriting(path));
        EXPECT_FALSE(file.created());
        ASSERT_TRUE(file.write(3, recordOf(3).data()));
        ASSERT_TRUE(file.write(1, recordOf(9).data()));
        EXPECT_EQ(readBytes(path), recordOf(1, 32));
        EXPECT_FALSE(file.write(0, recordOf(0).data()));
        ASSERT_TRUE(file.finish());
    }
    auto expected = recordOf(9);
    for (const auto& part : {recordOf(1), recordOf(3)}) {
        expected.insert(expected.end(), part.begin(), part.end());
    }
    EXPECT_EQ(readBytes(path), expected);
    EXPECT_FALSE(fault::unfinishedSave(path));
    {
        RecordFile file(16);
        ASSERT_TRUE(file.openForWriting(path));
        ASSERT_TRUE(file.write(2, recordOf(7).data()));
    }
    EXPECT_EQ(readBytes(path), expected) << "a file closed without finish() gets no write";
}

TEST_F(RecordFileTest, JournalReadsOnlyCompleteUndamagedJournals) {
    journal::Contents contents;
    contents.sizeBefore = 32;
    contents.sizeAfter = 48;
    contents.records[3] = recordOf(3);
    contents.records[1] = recordOf(1);
    const auto bytes = journal::encode(16, contents);
    journal::Contents read;
    ASSERT_TRUE(journal::decode(bytes, 16, read));
    EXPECT_EQ(read.sizeBefore, 32u);
    EXPECT_EQ(read.sizeAfter, 48u);
    EXPECT_EQ(read.records, contents.records);

    EXPECT_FALSE(journal::decode(bytes, 17, read)) << "another record size";
    for (std::size_t cut : {std::size_t{0}, std::size_t{1}, bytes.size() / 2, bytes.size() - 1}) {
        EXPECT_FALSE(journal::decode(slice(bytes, 0, cut), 16, read)) << cut;
    }
    for (std::size_t at : {std::size_t{0}, std::size_t{20}, std::size_t{40}, bytes.size() - 1}) {
        auto damaged = bytes;
        damaged[at] ^= 0x10;
        EXPECT_FALSE(journal::decode(damaged, 16, read)) << at;
    }
    // A journal is overwritten in place: what a longer earlier one left
    // after its end does not count.
    auto longer = bytes;
    longer.insert(longer.end(), 40, 0x55);
    ASSERT_TRUE(journal::decode(longer, 16, read));
    EXPECT_EQ(read.records, contents.records);
    contents.sizeAfter = 64;
    EXPECT_FALSE(journal::decode(journal::encode(16, contents), 16, read))
        << "sizes that do not fit the records";
    contents.sizeAfter = 48;
    contents.records[0] = recordOf(0);
    EXPECT_FALSE(journal::decode(journal::encode(16, contents), 16, read)) << "record 0";
}

TEST_F(RecordFileTest, OpeningFinishesAnInterruptedSave) {
    for (std::size_t written : {std::size_t{0}, std::size_t{100}, R::kSize - 1, R::kSize}) {
        SCOPED_TRACE(written);
        crashDuringCompletion(written);
        auto again = restart();
        ASSERT_TRUE(openMeetingFile(*again, u"取りあえず.rlw"));
        EXPECT_TRUE(platform.events().empty());
        EXPECT_EQ(again->state.meetingCount, 4);
        EXPECT_EQ(again->state.resultTable[0][1][2], 4);
        const auto after = readBytes(file());
        ASSERT_EQ(after.size(), 4 * R::kSize);
        EXPECT_EQ(slice(after, 3 * R::kSize, R::kSize),
                  std::vector<std::uint8_t>(newest.bytes.begin(), newest.bytes.end()));
        EXPECT_EQ(slice(after, R::kSize, 2 * R::kSize), slice(before, R::kSize, 2 * R::kSize));
        EXPECT_FALSE(fault::unfinishedSave(file()));
    }
}

TEST_F(RecordFileTest, ReadOnlyOpeningSeesAnInterruptedSaveWithoutWritingIt) {
    crashDuringCompletion(100);
    const auto fileBefore = readBytes(file());
    const auto journalBefore = readBytes(journal::pathOf(file()));
    RecordFile::setFinishSavesWhenReading(false);
    auto again = restart();
    const bool opened = openMeetingFile(*again, u"取りあえず.rlw");
    RecordFile::setFinishSavesWhenReading(true);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(platform.events().empty());
    EXPECT_EQ(again->state.meetingCount, 4);
    EXPECT_EQ(again->state.resultTable[0][1][2], 4);
    EXPECT_EQ(readBytes(file()), fileBefore);
    EXPECT_EQ(readBytes(journal::pathOf(file())), journalBefore);
    EXPECT_TRUE(fault::unfinishedSave(file())) << "the next writer still finishes it";
}

TEST_F(RecordFileTest, TornJournalIsIgnoredAndTheOldRecordsStay) {
    // The journal was being written: the file itself was not touched yet.
    crashDuringCompletion(0, R::kSize);
    ASSERT_TRUE(openMeetingFile(program, u"取りあえず.rlw"));
    EXPECT_TRUE(platform.events().empty());
    EXPECT_EQ(state.meetingCount, 3);
    EXPECT_EQ(readBytes(file()), before);
    state.resultTable[0][1][2] = 33;
    ASSERT_TRUE(saveMeeting(program, SaveTarget::Meeting));
    EXPECT_FALSE(fault::unfinishedSave(file()));
    auto again = restart();
    ASSERT_TRUE(openMeetingFile(*again, u"取りあえず.rlw"));
    EXPECT_EQ(again->state.meetingCount, 3);
    EXPECT_EQ(again->state.resultTable[0][1][2], 33);
}

TEST_F(RecordFileTest, JournalThatDoesNotFitTheFileIsNotApplied) {
    crashDuringCompletion(0);
    // The file was replaced by a longer one since.
    auto longer = before;
    longer.resize(5 * R::kSize);
    writeBytes(file(), longer);
    ASSERT_TRUE(openMeetingFile(program, u"取りあえず.rlw"));
    EXPECT_EQ(state.meetingCount, 3);
    EXPECT_EQ(readBytes(file()), longer);
    ASSERT_TRUE(saveMeeting(program, SaveTarget::Meeting));
    EXPECT_FALSE(fault::unfinishedSave(file()));
}

TEST_F(RecordFileTest, JournalOfARemovedFileIsDropped) {
    crashDuringCompletion(0);
    std::filesystem::remove(file());
    state.meetingCount = 1;
    ASSERT_TRUE(createScratchFile(program));
    EXPECT_EQ(readBytes(file()).size(), R::kSize);
    EXPECT_FALSE(fault::unfinishedSave(file()));
}

TEST_F(RecordFileTest, SaveFailingHalfwayPutsBackTheOldRecords) {
    // Room for the journal of two records but not for the file's third
    // record: record 1 is written in place before record 3 fails.
    std::filesystem::resize_file(file(), 2 * R::kSize);
    ASSERT_TRUE(openMeetingFile(program, u"取りあえず.rlw"));
    platform.clear();
    const int code = fault::inChild([&]() {
        CHILD_CHECK(fault::limitFileSize(3 * R::kSize - 100));
        state.meetingCount = 3;
        CHILD_CHECK(!saveMeeting(program, SaveTarget::MeetingAndCount));
        CHILD_CHECK(platform.messages().size() == 1);
        return 0;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(readBytes(file()), slice(before, 0, 2 * R::kSize));
    EXPECT_FALSE(fault::unfinishedSave(file()));
}
