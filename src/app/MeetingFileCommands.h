#pragma once

#include "storage/MeetingFile.h"

#include <string>

class Program;

// The meeting data file's operations as the windows and the command-line
// tool run them: each runs the operation of the same name of
// program.meetingFile (storage/MeetingFile.h) and shows what its failure or
// refusal means. True when the operation did its work.

bool saveMeeting(Program& program, SaveTarget target);
bool saveMeetingTo(Program& program, const std::u16string& path);
bool readMeeting(Program& program, int n);
// A file whose tail was lost opens with a warning, a file another copy holds
// with a note that it is read-only here.
bool openMeetingFile(Program& program, const std::u16string& path);
// A copy onto the open file beeps; one onto an existing file asks first.
bool copyMeetingFile(Program& program, const std::u16string& newPath);
bool createScratchFile(Program& program);
