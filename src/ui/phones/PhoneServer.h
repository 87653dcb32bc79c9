#pragma once

#include "phones/PhoneSite.h"
#include "phones/SnapshotSlot.h"

#include <QHostAddress>
#include <QString>

#include <memory>
#include <vector>

class QObject;
class QThread;

// The players' page server, run in a thread of its own so that no request
// ever waits for the window or makes it wait: the window publishes an
// immutable snapshot after a redraw, the server answers from the latest.
class PhoneServer {
public:
    explicit PhoneServer(std::vector<PhoneAsset> assets);
    ~PhoneServer();
    PhoneServer(const PhoneServer&) = delete;
    PhoneServer& operator=(const PhoneServer&) = delete;

    // Listens on address and port (0: any free port). False, with the
    // reason in `error`, when the port cannot be had.
    bool start(const QHostAddress& address, quint16 port, QString* error = nullptr);
    void stop();
    bool running() const { return port_ != 0; }
    quint16 port() const { return port_; }

    void publish(std::shared_ptr<const PhoneSnapshot> snapshot);
    std::shared_ptr<const PhoneSnapshot> latest() const { return snapshots_.latest(); }

private:
    const std::vector<PhoneAsset> assets_;
    SnapshotSlot snapshots_;
    QThread* thread_ = nullptr;
    QObject* anchor_ = nullptr; // lives in the thread; owns the servers
    quint16 port_ = 0;
};
