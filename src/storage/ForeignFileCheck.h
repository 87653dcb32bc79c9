#pragma once

#include "storage/MeetingRecord.h"

// True when a file cannot be a meeting data file, however much of it was
// lost: record 1 holds a value no meeting has (a negative meeting count; a
// match method, team size or pair code out of range; a score above 999 to
// 999), or a part record stands after all the meetings record 1 claims. A
// meeting file that only lost its tail has a sound record 1 and ends inside
// its meetings. `wholeRecords` is the number of whole records in the file,
// `partRecord` whether a part of one follows them.
bool isForeignMeetingFile(const MeetingRecord& first, long long wholeRecords, bool partRecord);
