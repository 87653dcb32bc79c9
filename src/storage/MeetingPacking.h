#pragma once

struct MeetingRecord;
struct MeetingState;

// Copies the stored part of a meeting (title, match method, team sizes and
// names, the participants, result columns 0..28 and the pair matrix, teams 0
// and 1 only) into a record. Every other byte of the record keeps what it
// held. A pair in a running match (code 8) is written as 0.
void packMeeting(const MeetingState& state, MeetingRecord& record);

// Copies the same fields from a record into the state; meetingCount, the
// running matches and the view flags are not touched. A record is never
// trusted: team sizes are held to 0..20, an unknown match method reads as 0,
// a pair code outside 0..9 as 9 (not available), code 8 as 0 and a head-to-head score
// code outside 0..999999 as 0 (no result).
void unpackMeeting(const MeetingRecord& record, MeetingState& state);
