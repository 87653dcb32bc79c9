#pragma once

#include "phones/PhonePage.h"

#include <string>

// The page as the JSON the page's script reads (UTF-8): title, clock,
// teamColours, teamNames, courts, next, waiting, resting, standings and
// players.
std::string phonePageJson(const PhonePage& page);
