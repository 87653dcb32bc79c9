#pragma once

#include "phones/HttpAnswer.h"

#include <string>
#include <string_view>
#include <vector>

// A file of the page (HTML, style, script) as the program carries it.
struct PhoneAsset {
    std::string name; // "" for the page itself, else e.g. "page.js"
    std::string contentType;
    std::string body;
};

// What the server answers from: the meeting's token and the page's data as
// JSON, taken together after a redraw and never changed afterwards.
struct PhoneSnapshot {
    std::string token;
    std::string stateJson;
};

// The page's own address path: "/<token>/".
std::string phonePagePath(std::string_view token);

// The answer to a GET of `target` (the head has been checked). Only
// "/<token>/", "/<token>/<asset>" and "/<token>/state.json" are answered; a
// query is ignored; anything else, and any path with another token or none,
// is refused with 404 and tells nothing about the meeting.
HttpAnswer answerPhoneRequest(std::string_view target, const PhoneSnapshot& snapshot,
                              const std::vector<PhoneAsset>& assets);
