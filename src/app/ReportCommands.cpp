#include "app/ReportCommands.h"

#include "app/MeetingViewCommands.h"
#include "app/Program.h"
#include "platform/Platform.h"
#include "results/ReportCsv.h"
#include "results/ReportTable.h"
#include "storage/WholeFile.h"

bool showStandingsReport(Program& program, const std::function<void()>& showReport) {
    if (!prepareStandingsReport(program)) {
        return false;
    }
    showReport();
    buildPairingTable(program);
    return true;
}

std::u16string reportCsvName(const std::u16string& openName, ReportKind kind) {
    std::u16string stem = openName.substr(openName.find_last_of(u"/\\") + 1);
    const std::size_t dot = stem.rfind(u'.');
    if (dot != std::u16string::npos && dot > 0) {
        stem.resize(dot);
    }
    static constexpr std::u16string_view kKindNames[] = {u"総合成績", u"男性成績", u"女性成績"};
    return stem + u"_" + std::u16string(kKindNames[static_cast<int>(kind)]) + u".csv";
}

bool saveReportCsv(Program& program, ReportKind kind) {
    const std::u16string name =
        program.platform.chooseCsvSaveFile(reportCsvName(program.state.openName, kind));
    if (name.empty()) {
        return false;
    }
    const std::string bytes = reportCsv(reportTable(program.state, kind));
    if (!writeWholeFile(program.meetingFile.resolve(name), bytes)) {
        program.platform.showMessage(u"CSV ﾌｧｲﾙを書き込むときにｴﾗｰが発生しました。", kAppTitle);
        return false;
    }
    return true;
}
