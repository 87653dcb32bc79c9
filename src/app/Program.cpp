#include "app/Program.h"

Program::Program(Platform& platform, const Clock& clock, SettingsStore& settings,
                 std::filesystem::path workDir)
    : platform(platform), clock(clock), settings(settings), workDir(std::move(workDir)),
      meetingFile(state, recent, this->workDir), log(clock, this->workDir), master(this->workDir) {}
