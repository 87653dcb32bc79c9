#pragma once

#include "phones/PhoneSite.h"

#include <memory>
#include <mutex>

// Hands the latest page snapshot from the window's thread to the server's:
// a snapshot is never changed once published, so a reader keeps answering
// from the one it took while the window publishes the next.
class SnapshotSlot {
public:
    void publish(std::shared_ptr<const PhoneSnapshot> snapshot);
    // The latest snapshot; null before the first.
    std::shared_ptr<const PhoneSnapshot> latest() const;

private:
    mutable std::mutex mutex_;
    std::shared_ptr<const PhoneSnapshot> snapshot_;
};
