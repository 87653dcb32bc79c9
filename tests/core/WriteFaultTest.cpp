// Every save of the program against a read-only working folder, a read-only
// file and a full disk: it shows its message, leaves every file as it was,
// keeps the state, and once the fault is gone the next save stores the
// current state. Each case runs in a forked child, where the fault is set up
// and lifted again (dropping root's override of file modes, or lowering the
// file size limit), so the test program itself never meets it.
#include "DataFileFixture.h"
#include "FaultInjection.h"
#include "StorageFixture.h"
#include "app/LogCommands.h"
#include "app/MasterFileCommands.h"
#include "app/MeetingFileCommands.h"

#include "storage/MeetingPacking.h"

#include <string_view>

namespace {

constexpr std::u16string_view kWriteError = u"ﾌｧｲﾙを書き込むときにｴﾗｰが発生しました。";
constexpr std::u16string_view kOpenError =
    u"ﾌｧｲﾙを開くときにｴﾗｰが発生しました。もう一度実行してください。";
constexpr std::u16string_view kCloseError =
    u"ﾌｧｲﾙを閉じるときにｴﾗｰが発生しました。もう一度実行してください。";
constexpr std::u16string_view kMasterError =
    u"ﾏｽﾀｰﾌｧｲﾙを開くまたは、書き込み時にｴﾗｰが発生しました。もう一度実行してください。";
constexpr std::u16string_view kLogError = u"ＬＯＧﾌｧｲﾙを書き込むときにｴﾗｰが発生しました。";
constexpr std::u16string_view kApp = u"ラリーノート";
constexpr std::u16string_view kEditor = u"ﾃｷｽﾄ ｴﾃﾞｨﾀ";

enum class Fault { ReadOnlyFolder, ReadOnlyFile, FullDisk };

class WriteFaultTest : public StorageFixture {
public:
    // The save cases below work on the fixture's program.
    using StorageFixture::dir;
    using StorageFixture::platform;
    using StorageFixture::program;
    using StorageFixture::state;

    std::unique_ptr<Program> reopened(const std::u16string& path) {
        auto again = restart();
        return openMeetingFile(*again, path) ? std::move(again) : nullptr;
    }

protected:
    void SetUp() override {
        makeMeetings(2);
        writeDataFile(dir.file("club.rly"), 3, 3);
        writeDataFile(dir.file("copy.rly"), 1, 1);
        program.master.memberCount = 2;
        program.master.members[1].name = u"山田";
        program.master.members[2].name = u"鈴木";
        ASSERT_TRUE(writeMasterFile(program.platform, program.master));
        startLog(program);
        ASSERT_TRUE(platform.events().empty());
    }

    // What a failed save must not change: the stored meeting, its place and
    // the counts of the master and the log.
    std::vector<std::uint8_t> fingerprint() const {
        MeetingRecord record;
        packMeeting(state, record);
        std::vector<std::uint8_t> bytes(record.bytes.begin(), record.bytes.end());
        for (const std::int32_t value :
             {std::int32_t{state.meetingCount}, std::int32_t{state.viewedMeeting},
              program.log.entryCount, std::int32_t{program.master.memberCount}}) {
            bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        }
        for (const char16_t c : state.currentPath) {
            bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        }
        return bytes;
    }
};

struct SaveCase {
    const char* name;
    const char* file; // the file the save writes
    std::u16string_view message;
    std::u16string_view title;
    std::function<void(WriteFaultTest&)> prepare;
    std::function<bool(WriteFaultTest&)> save;
    // After the save succeeded: the files hold the state of the program.
    std::function<bool(WriteFaultTest&)> stored;
};

bool holdsResult(Program* again, int count, std::int32_t result) {
    return again != nullptr && again->state.meetingCount == count &&
           again->state.resultTable[0][1][2] == result;
}

const SaveCase kSaves[] = {
    {"result", "取りあえず.rlw", kWriteError, kApp,
     [](WriteFaultTest& t) { t.state.resultTable[0][1][2] = 6004; },
     [](WriteFaultTest& t) { return saveMeeting(t.program, SaveTarget::Meeting); },
     [](WriteFaultTest& t) { return holdsResult(t.reopened(u"取りあえず.rlw").get(), 2, 6004); }},
    {"completion", "取りあえず.rlw", kWriteError, kApp,
     [](WriteFaultTest& t) {
         resetMeeting(t.state, ResetTarget::MatchData);
         t.state.meetingCount = 3;
         t.state.resultTable[0][1][2] = 3;
     },
     [](WriteFaultTest& t) { return saveMeeting(t.program, SaveTarget::MeetingAndCount); },
     [](WriteFaultTest& t) { return holdsResult(t.reopened(u"取りあえず.rlw").get(), 3, 3); }},
    {"correction", "取りあえず.rlw", kWriteError, kApp,
     [](WriteFaultTest& t) {
         saveSnapshot(t.state);
         t.state.viewedMeeting = 1;
         readMeeting(t.program, 1);
         t.state.resultTable[0][1][2] = 4006;
     },
     [](WriteFaultTest& t) { return saveMeeting(t.program, SaveTarget::ViewedMeeting); },
     [](WriteFaultTest& t) {
         auto again = t.reopened(u"取りあえず.rlw");
         return holdsResult(again.get(), 2, 2) && readMeeting(*again, 1) &&
                again->state.resultTable[0][1][2] == 4006;
     }},
    {"new", "取りあえず.rlw", kCloseError, u"", [](WriteFaultTest& t) { t.state.meetingCount = 1; },
     [](WriteFaultTest& t) { return createScratchFile(t.program); },
     [](WriteFaultTest& t) { return holdsResult(t.reopened(u"取りあえず.rlw").get(), 1, 0); }},
    {"close", "club.rly", kCloseError, u"",
     [](WriteFaultTest& t) { t.state.resultTable[0][1][2] = 6001; },
     [](WriteFaultTest& t) { return saveMeetingTo(t.program, u"club.rly"); },
     [](WriteFaultTest& t) { return holdsResult(t.reopened(u"club.rly").get(), 2, 6001); }},
    {"save as", "copy.rly", kOpenError, kApp,
     [](WriteFaultTest& t) { t.platform.setNextAnswer(true); },
     [](WriteFaultTest& t) {
         t.platform.setNextAnswer(true);
         return copyMeetingFile(t.program, u"copy.rly");
     },
     [](WriteFaultTest& t) { return holdsResult(t.reopened(u"copy.rly").get(), 2, 2); }},
    {"master", "tennis.mst", kMasterError, kEditor,
     [](WriteFaultTest& t) {
         t.program.master.memberCount = 3;
         t.program.master.members[3].name = u"新人";
     },
     [](WriteFaultTest& t) { return writeMasterFile(t.program.platform, t.program.master); },
     [](WriteFaultTest& t) {
         MemberMaster master(t.dir.path());
         return readMasterFile(t.platform, master, [](int) {}) && master.memberCount == 3 &&
                master.members[3].name.str() == fitText(u"新人", 16);
     }},
    {"log", "tennis.log", kLogError, kApp, [](WriteFaultTest&) {},
     [](WriteFaultTest& t) { return appendLog(t.program, u"結果 テスト"); },
     [](WriteFaultTest& t) {
         std::u16string text;
         return readLogText(t.program, text) && t.program.log.entryCount == 2 &&
                text.find(u" 002 26/12/07 13:05:09結果 テスト") == 0;
     }},
};

class WriteFault : public WriteFaultTest,
                   public ::testing::WithParamInterface<std::tuple<Fault, int>> {};

TEST_P(WriteFault, IsReportedChangesNothingAndTheNextSaveStoresTheState) {
    const auto [kind, index] = GetParam();
    const SaveCase& save = kSaves[index];
    const std::filesystem::path file = dir.file(save.file);
    const std::filesystem::path target = kind == Fault::ReadOnlyFile ? file : dir.path();
    const int code = fault::inChild([&]() {
        save.prepare(*this);
        const auto files = fault::snapshot(dir.path());
        const auto state = fingerprint();
        platform.clear();
        if (kind == Fault::FullDisk) {
            CHILD_CHECK(fault::limitFileSize(100));
        } else if (kind == Fault::ReadOnlyFolder) {
            // A folder that had no save yet: a save needs to add its journal
            // (files already in a read-only folder stay writable).
            for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
                if (entry.path().extension() == ".journal") {
                    std::filesystem::remove(entry.path());
                }
            }
            CHILD_CHECK(fault::obeyFileModes());
            fault::makeReadOnly(target);
        } else {
            CHILD_CHECK(fault::obeyFileModes());
            fault::makeReadOnly(target);
        }
        CHILD_CHECK(!save.save(*this));
        CHILD_CHECK(platform.messages() ==
                    std::vector<std::u16string>{std::u16string(save.message)});
        CHILD_CHECK(platform.events().back().title == save.title);
        if (kind == Fault::FullDisk) {
            CHILD_CHECK(fault::liftFileSizeLimit());
        } else {
            fault::makeWritable(target);
        }
        CHILD_CHECK(fault::snapshot(dir.path()) == files);
        CHILD_CHECK(fingerprint() == state);
        platform.clear();
        CHILD_CHECK(save.save(*this));
        CHILD_CHECK(platform.messages().empty());
        CHILD_CHECK(save.stored(*this));
        return 0;
    });
    EXPECT_EQ(code, 0) << save.name;
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<Fault, int>>& info) {
    static const char* const faults[] = {"ReadOnlyFolder", "ReadOnlyFile", "FullDisk"};
    std::string name = std::string(faults[static_cast<int>(std::get<0>(info.param))]) + "_" +
                       kSaves[std::get<1>(info.param)].name;
    for (char& c : name) {
        c = c == ' ' ? '_' : c;
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(EverySave, WriteFault,
                         ::testing::Combine(::testing::Values(Fault::ReadOnlyFolder,
                                                              Fault::ReadOnlyFile, Fault::FullDisk),
                                            ::testing::Range(0,
                                                             static_cast<int>(std::size(kSaves)))),
                         caseName);

} // namespace
