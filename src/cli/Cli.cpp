#include "cli/Cli.h"

#include "app/MeetingViewCommands.h"
#include "app/Program.h"
#include "app/SuggestedPicks.h"
#include "cli/AttendanceOutput.h"
#include "cli/CliOptions.h"
#include "cli/CliPlatform.h"
#include "cli/SimulateCommand.h"
#include "cli/StandingsExport.h"
#include "cli/SuggestionOutput.h"
#include "platform/Clock.h"
#include "results/StandingsReport.h"
#include "storage/ForeignFileCheck.h"
#include "storage/MeetingRecord.h"
#include "storage/RecordFile.h"
#include "storage/SettingsStore.h"
#include "suggestions/SuggestionEngine.h"
#include "text/Utf8.h"

#include <filesystem>
#include <sstream>
#include <system_error>

namespace {

constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kFailed = 2;

std::filesystem::path workingFolder() {
    std::error_code ignored;
    return std::filesystem::current_path(ignored);
}

// The program as the window program starts it, with settings held only in
// memory and a recent-file list that is thrown away: nothing outlives the run.
class Session {
public:
    explicit Session(std::ostream& err)
        : err_(err), platform_(err), program_(platform_, clock_, settings_, workingFolder()) {
        // Only reading, the tool reads a file a window holds and never holds one.
        program_.meetingFile.setHoldsFiles(false);
    }

    Program& program() { return program_; }

    // Start-up with no file, then the file opened as the Open command does.
    // Opening only reads; a missing file is reported rather than created.
    bool load(const std::string& file) {
        const std::filesystem::path path = program_.meetingFile.resolve(fromUtf8(file));
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) {
            err_ << "rallynote-cli: cannot read " << file << ": no such data file\n";
            return false;
        }
        MeetingState& state = program_.state;
        resetMeeting(state, ResetTarget::StartUp);
        state.teamSize[0] = 10;
        state.teamSize[1] = 10;
        state.playedTotal = 0;
        if (program_.meetingFile.openMeetingFile(fromUtf8(file))) {
            // A warning of the open (a file cut short) is not a failure of
            // the command that follows.
            messagesAfterLoad_ = platform_.messages().size();
            return true;
        }
        explainUnreadable(file, path);
        return false;
    }

    // The status of a command that stopped: a refusal where the window
    // program beeps, otherwise a file that could not be read (its message is
    // already on the error stream).
    int stopped(const char* refusal) {
        if (platform_.messages().size() == messagesAfterLoad_ && platform_.beeps() > 0) {
            err_ << "rallynote-cli: refused: " << refusal << '\n';
            return kRefused;
        }
        return kFailed;
    }

private:
    // Says in plain words why a data file did not open: too short for a
    // record, not a meeting data file, or a meeting count its records do not
    // hold.
    void explainUnreadable(const std::string& file, const std::filesystem::path& path) {
        RecordFile data(MeetingRecord::kSize);
        MeetingRecord first;
        err_ << "rallynote-cli: cannot read " << file << ": ";
        if (!data.openForReading(path)) {
            err_ << "the file cannot be opened\n";
        } else if (!data.read(1, first.bytes.data())) {
            err_ << "it holds no whole meeting record\n";
        } else if (isForeignMeetingFile(first, data.recordCount(), data.endsInPartRecord())) {
            err_ << "it is not a meeting data file\n";
        } else {
            err_ << "record 1 claims " << first.count() << " meetings but the file holds "
                 << data.recordCount() << " records\n";
        }
    }

    // The tool never changes a file, not even to finish a save that a crash
    // interrupted: while a session lasts, reads see such a save's records
    // without writing them.
    struct ReadOnlyFiles {
        ReadOnlyFiles() { RecordFile::setFinishSavesWhenReading(false); }
        ~ReadOnlyFiles() { RecordFile::setFinishSavesWhenReading(true); }
        ReadOnlyFiles(const ReadOnlyFiles&) = delete;
        ReadOnlyFiles& operator=(const ReadOnlyFiles&) = delete;
    };

    ReadOnlyFiles readOnly_;
    std::size_t messagesAfterLoad_ = 0;
    std::ostream& err_;
    CliPlatform platform_;
    SystemClock clock_;
    MemorySettingsStore settings_;
    Program program_;
};

void writeLine(std::ostream& out, std::u16string_view text) {
    out << toUtf8(text) << '\n';
}

int showMeeting(Session& session, long long meeting, std::ostream& err) {
    MeetingState& state = session.program().state;
    const int count = state.meetingCount;
    if (meeting == count) {
        return kDone;
    }
    if (meeting < 1 || meeting > count) {
        err << "rallynote-cli: --meeting must be between 1 and " << count << '\n';
        return kFailed;
    }
    state.viewedMeeting = static_cast<std::int16_t>(meeting);
    saveSnapshot(state);
    state.clearPicks();
    return session.program().meetingFile.readMeeting(state.viewedMeeting) ? kDone : kFailed;
}

int table(Session& session, const CliOptions& options, std::ostream& out, std::ostream& err) {
    Program& program = session.program();
    program.state.currentTeam = static_cast<std::int16_t>(options.team);
    if (options.meeting) {
        if (const int status = showMeeting(session, *options.meeting, err); status != kDone) {
            return status;
        }
    }
    buildPairingTable(program);
    if (options.totals && !switchToTotals(program)) {
        return session.stopped("the totals need the current meeting and more than one meeting");
    }
    const GridModel& grid = program.view.grid;
    for (int row = 0; row < grid.rows; ++row) {
        std::u16string line;
        for (int column = 0; column < grid.columns; ++column) {
            line += (column == 0 ? u"" : u"\t") + grid.at(row, column);
        }
        writeLine(out, line);
    }
    out << "---\n";
    const MainView& view = program.view;
    for (const std::u16string* text : {&view.caption, &view.fileLabel, &view.teamLabel,
                                       &view.meetingLabel, &view.methodLabel, &view.statusLabel}) {
        writeLine(out, *text);
    }
    return kDone;
}

// What the menu "成績表示(&P)" does before its dialog opens.
bool standingsOverAllMeetings(Program& program) {
    program.state.currentTeam = 0;
    buildPairingTable(program);
    return prepareStandingsReport(program);
}

int report(Session& session, const CliOptions& options, std::ostream& out) {
    Program& program = session.program();
    if (!standingsOverAllMeetings(program)) {
        return session.stopped("the totals over all meetings are already shown");
    }
    const StandingsReport report = buildStandingsReport(program.state, options.kind);
    writeLine(out, report.title);
    for (const std::u16string& line : report.memberLines) {
        writeLine(out, line);
    }
    out << "---\n";
    for (const std::u16string* text :
         {&report.teamAName, &report.teamAMatches, &report.teamARecord, &report.teamAGames}) {
        writeLine(out, *text);
    }
    if (!report.teamBHidden) {
        for (const std::u16string* text :
             {&report.teamBName, &report.teamBMatches, &report.teamBRecord, &report.teamBGames}) {
            writeLine(out, *text);
        }
    }
    return kDone;
}

int exportStandings(Session& session, const CliOptions& options, std::ostream& out) {
    Program& program = session.program();
    if (!standingsOverAllMeetings(program)) {
        return session.stopped("the totals over all meetings are already shown");
    }
    const std::vector<ExportRow> rows = exportRows(program.state);
    if (options.format == CliOptions::Format::Csv) {
        writeCsv(rows, out);
    } else {
        writeJson(rows, program.state.meetingCount, out);
    }
    return kDone;
}

// The suggestions for the current meeting as stored: no running matches and
// no match times, so every free member counts as having waited equally.
int suggest(Session& session, const CliOptions& options, std::ostream& out) {
    Program& program = session.program();
    const auto suggestions = currentSuggestions(program, options.count);
    if (options.format == CliOptions::Format::Json) {
        writeSuggestionsJson(program.state, suggestions, out);
    } else {
        writeSuggestionsText(program.state, suggestions, out);
    }
    return kDone;
}

} // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && args.front() == "simulate") {
        return runSimulate({args.begin() + 1, args.end()}, out, err);
    }
    std::string error;
    const std::optional<CliOptions> options = parseCliOptions(args, error);
    if (!options) {
        err << "rallynote-cli: " << error << '\n' << kCliUsage;
        return kFailed;
    }
    if (options->command == CliOptions::Command::Help) {
        out << kCliUsage;
        return kDone;
    }
    if (options->command == CliOptions::Command::Attendance) {
        return printAttendance(options->file, options->format == CliOptions::Format::Json, out,
                               err);
    }

    Session session(err);
    if (!session.load(options->file)) {
        return kFailed;
    }
    // Output is held back until the command has succeeded, so a refused or
    // failed command prints nothing on the output stream.
    std::ostringstream buffer;
    int status = kFailed;
    switch (options->command) {
    case CliOptions::Command::Table:
        status = table(session, *options, buffer, err);
        break;
    case CliOptions::Command::Report:
        status = report(session, *options, buffer);
        break;
    case CliOptions::Command::Export:
        status = exportStandings(session, *options, buffer);
        break;
    case CliOptions::Command::Suggest:
        status = suggest(session, *options, buffer);
        break;
    case CliOptions::Command::Help:
    case CliOptions::Command::Attendance:
        break;
    }
    if (status == kDone) {
        out << buffer.str();
    }
    return status;
}
