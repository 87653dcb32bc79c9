#pragma once

#include "register/RegisterError.h"
#include "register/RegisterTypes.h"

#include <optional>

class Program;
struct MeetingState;

// Opens the club register of the working folder at start-up. A damaged
// database renamed aside, or one that cannot be used (held by another copy,
// read-only folder, full disk), is told in one message; the meeting then
// goes on with its own files and the register stays closed.
void openClubRegister(Program& program);

// The register's name of the shown meeting: the data file and its meeting
// number (nothing while an earlier meeting is viewed or none is loaded).
std::optional<MeetingRef> currentMeeting(const MeetingState& state);

// The register's reference of a roster member: the line of the member
// master that holds the short name (0 when none does), and the short name.
MemberRef memberRefOf(Program& program, int team, int slot);

// Tells the user once per kind of fault that the register could not save;
// the meeting goes on. Returns whether there was an error.
bool reportRegisterError(Program& program, const RegisterError& error);
