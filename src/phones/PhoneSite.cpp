#include "phones/PhoneSite.h"

#include "phones/MeetingToken.h"

std::string phonePagePath(std::string_view token) {
    return "/" + std::string(token) + "/";
}

HttpAnswer answerPhoneRequest(std::string_view target, const PhoneSnapshot& snapshot,
                              const std::vector<PhoneAsset>& assets) {
    const std::string_view path = target.substr(0, target.find('?'));
    if (path.size() < 2 || path.front() != '/') {
        return refusal(404);
    }
    const std::size_t slash = path.find('/', 1);
    if (slash == std::string_view::npos || !sameToken(path.substr(1, slash - 1), snapshot.token)) {
        return refusal(404);
    }
    const std::string_view name = path.substr(slash + 1);
    if (name == "state.json") {
        return answerWith(200, "application/json; charset=utf-8", snapshot.stateJson);
    }
    for (const PhoneAsset& asset : assets) {
        if (name == asset.name) {
            return answerWith(200, asset.contentType, asset.body);
        }
    }
    return refusal(404);
}
