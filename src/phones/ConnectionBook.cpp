#include "phones/ConnectionBook.h"

ConnectionBook::ConnectionBook(int perAddress, int total)
    : perAddress_(perAddress), limit_(total) {}

Admission ConnectionBook::admit(const std::string& address) {
    const int open = openFrom(address);
    if (open >= perAddress_) {
        return Admission::AddressFull;
    }
    if (total_ >= limit_) {
        return Admission::ServerFull;
    }
    ++open_[address];
    ++total_;
    return Admission::Admitted;
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
