#pragma once

#include "phones/PhoneSite.h"

#include <QAbstractHttpServer>

#include <vector>

class SnapshotSlot;

// Answers the requests that the connection's guard approved, from the
// latest published snapshot (answerPhoneRequest); anything else gets no
// answer from here (the guard refuses and closes). Lives in the server's
// thread.
class PhoneHttpServer : public QAbstractHttpServer {
    Q_OBJECT
public:
    PhoneHttpServer(const SnapshotSlot& snapshots, const std::vector<PhoneAsset>& assets,
                    QObject* parent = nullptr);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    const SnapshotSlot& snapshots_;
    const std::vector<PhoneAsset>& assets_;
};
