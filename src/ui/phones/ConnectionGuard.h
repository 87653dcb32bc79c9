#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <optional>
#include <string>

class QTcpSocket;

// Watches one connection of the players' page server before the HTTP
// server sees it: every request head is checked by the core's rules
// (checkRequestHead) as it arrives, and only the targets of heads it
// approves are answered (takeApprovedTarget). A refused head gets its
// refusal and the connection closes; a head that does not finish within
// kHeadSeconds, or a connection idle for kIdleSeconds, is closed too. The
// guard is the socket's child; `closed` runs once, when the guard starts
// closing the connection or goes with the socket.
class ConnectionGuard : public QObject {
    Q_OBJECT
public:
    static constexpr int kHeadSeconds = 5;
    static constexpr int kIdleSeconds = 20;
    static constexpr int kClosingMilliseconds = 2000;

    ConnectionGuard(QTcpSocket* socket, std::function<void()> closed);
    ~ConnectionGuard() override;

    // The target of the oldest approved head not answered yet.
    std::optional<std::string> takeApprovedTarget();

    qint64 idleMilliseconds() const { return idle_.elapsed(); }
    bool isClosing() const { return closing_; }
    // Closes the connection and frees its place at once.
    void shutDown() { close(); }

private:
    void readArrived();
    void checkDeadlines();
    void refuse(int status);
    void close();
    void release();

    QTcpSocket* socket_;
    std::function<void()> closed_;
    std::string head_;
    std::deque<std::string> approved_;
    QElapsedTimer idle_;
    QElapsedTimer headStarted_;
    QTimer ticker_;
    bool closing_ = false;
};
