#include "app/CheckIn.h"

#include "app/Program.h"

CheckIn::CheckIn(Program& program) : program_(program) {}

bool CheckIn::open() {
    rows_.clear();
    return false;
}

MeetingFees CheckIn::fees() const {
    return {};
}

const CheckInRow* CheckIn::rowAt(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        return nullptr;
    }
    return &rows_[static_cast<std::size_t>(row)];
}

void CheckIn::arrive(int) {}
void CheckIn::startBreak(int) {}
void CheckIn::endBreak(int) {}
void CheckIn::leave(int) {}
void CheckIn::setLeavesAt(int, std::optional<int>) {}
void CheckIn::setFeeDue(int, int) {}
void CheckIn::setPaid(int, bool) {}
void CheckIn::setType(int, MemberType) {}
void CheckIn::afterAction(bool) {}
void CheckIn::reload() {}
