#pragma once

#include <ostream>
#include <string>
#include <vector>

// rallynote-cli simulate: `args` are the arguments after "simulate".
// Impossible arguments are refused with a message and status 2; a season
// played prints its fairness per meeting and for the season (status 0).
int runSimulate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
