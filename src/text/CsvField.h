#pragma once

#include <string>
#include <string_view>

// One CSV field as RFC 4180 writes it: a field holding a comma, a double
// quote or a line break is put in double quotes, with its double quotes
// doubled; any other field stands as it is.
std::string csvField(std::string_view text);
