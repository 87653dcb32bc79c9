#include "phones/ConnectionBook.h"

ConnectionBook::ConnectionBook(int perAddress, int total)
    : perAddress_(perAddress), limit_(total) {}

bool ConnectionBook::admit(const std::string& address) {
    int& open = open_[address];
    if (open >= perAddress_ || total_ >= limit_) {
        if (open == 0) {
            open_.erase(address);
        }
        return false;
    }
    ++open;
    ++total_;
    return true;
}

void ConnectionBook::release(const std::string& address) {
    const auto found = open_.find(address);
    if (found == open_.end()) {
        return;
    }
    --total_;
    if (--found->second == 0) {
        open_.erase(found);
    }
}

int ConnectionBook::openFrom(const std::string& address) const {
    const auto found = open_.find(address);
    return found == open_.end() ? 0 : found->second;
}
