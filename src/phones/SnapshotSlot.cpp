#include "phones/SnapshotSlot.h"

void SnapshotSlot::publish(std::shared_ptr<const PhoneSnapshot> snapshot) {
    const std::lock_guard lock(mutex_);
    snapshot_.swap(snapshot);
}

std::shared_ptr<const PhoneSnapshot> SnapshotSlot::latest() const {
    const std::lock_guard lock(mutex_);
    return snapshot_;
}
