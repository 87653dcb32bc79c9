#pragma once

#include <QPointer>
#include <QTcpServer>

#include <memory>
#include <vector>

class ConnectionBook;
class ConnectionGuard;

// The TCP side of the players' page server: admits a connection only while
// its address holds fewer than ConnectionBook allows, and puts a
// ConnectionGuard on every admitted one. When the server as a whole is
// full, the connection idle longest is closed to make room, so a flood of
// idle connections never keeps a phone out.
class GuardedTcpServer : public QTcpServer {
    Q_OBJECT
public:
    explicit GuardedTcpServer(QObject* parent = nullptr);

protected:
    void incomingConnection(qintptr handle) override;

private:
    // Closes the admitted connection idle longest; false when none is open.
    bool closeIdlest();

    std::vector<QPointer<ConnectionGuard>> guards_;
    // Shared with the guards, which may outlive the server's members while
    // the server's children are deleted.
    std::shared_ptr<ConnectionBook> book_;
};
