#include "app/Program.h"

#include "suggestions/MeetingReading.h"

Program::Program(Platform& platform, const Clock& clock, SettingsStore& settings,
                 std::filesystem::path workDir)
    : platform(platform), clock(clock), settings(settings), workDir(std::move(workDir)),
      meetingFile(state, platform, recent, this->workDir), log(platform, clock, this->workDir),
      master(platform, this->workDir), masterLines(platform, this->workDir),
      matchTimes(&clubRegister, [this](const MeetingState& meeting, int team, int slot) {
          const std::u16string name = memberKey(meeting, team, slot);
          return MemberRef{masterLines.lineOf(name), name};
      }) {}
