#pragma once

#include <ostream>
#include <string>

// `rallynote-cli attendance [FILE] [--format csv|json]`: the season
// attendance report from the club register of the working folder, opened
// only to read (a window program may hold it), for the meetings of the data
// file FILE or, without one, of every data file. Returns the exit status
// (2 when there is no register to read).
int printAttendance(const std::string& file, bool json, std::ostream& out, std::ostream& err);
