#include "ui/phones/ConnectionGuard.h"

#include "phones/HttpAnswer.h"
#include "phones/RequestHead.h"

#include <QTcpSocket>

#include <utility>

ConnectionGuard::ConnectionGuard(QTcpSocket* socket, std::function<void()> closed)
    : QObject(socket), socket_(socket), closed_(std::move(closed)) {
    idle_.start();
    connect(socket_, &QTcpSocket::readyRead, this, &ConnectionGuard::readArrived);
    connect(socket_, &QTcpSocket::disconnected, socket_, &QObject::deleteLater);
    connect(&ticker_, &QTimer::timeout, this, &ConnectionGuard::checkDeadlines);
    ticker_.start(500);
}

ConnectionGuard::~ConnectionGuard() {
    release();
}

// A closing connection no longer counts against its address.
void ConnectionGuard::release() {
    if (closed_) {
        std::exchange(closed_, nullptr)();
    }
}

std::optional<std::string> ConnectionGuard::takeApprovedTarget() {
    if (approved_.empty()) {
        return std::nullopt;
    }
    std::string target = std::move(approved_.front());
    approved_.pop_front();
    return target;
}

// Runs before the HTTP server reads: the bytes after the read position are
// the ones that have just arrived.
void ConnectionGuard::readArrived() {
    if (closing_) {
        return;
    }
    idle_.restart();
    const QByteArray arrived = socket_->peek(socket_->bytesAvailable());
    head_.append(arrived.constData(), static_cast<std::size_t>(arrived.size()));
    while (!head_.empty()) {
        const HeadCheck check = checkRequestHead(head_);
        if (check.status == HeadStatus::Refused) {
            refuse(check.refusal);
            return;
        }
        if (check.status == HeadStatus::Incomplete) {
            if (!headStarted_.isValid()) {
                headStarted_.start();
            }
            return;
        }
        approved_.push_back(check.target);
        head_.erase(0, check.length);
        headStarted_.invalidate();
    }
}

void ConnectionGuard::checkDeadlines() {
    if (closing_) {
        return;
    }
    if (headStarted_.isValid() && headStarted_.hasExpired(kHeadSeconds * 1000)) {
        refuse(408);
    } else if (idle_.hasExpired(kIdleSeconds * 1000)) {
        close();
    }
}

void ConnectionGuard::refuse(int status) {
    const std::string bytes = wireBytes(refusal(status));
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    close();
}

// Closes gently, then for good if the client does not take its bytes.
void ConnectionGuard::close() {
    closing_ = true;
    release();
    head_.clear();
    approved_.clear();
    ticker_.stop();
    socket_->disconnectFromHost();
    QTimer::singleShot(kClosingMilliseconds, this, [this] {
        socket_->abort();
        socket_->deleteLater();
    });
}
