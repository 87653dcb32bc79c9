#include "ui/phones/GuardedTcpServer.h"

#include "phones/ConnectionBook.h"
#include "ui/phones/ConnectionGuard.h"

#include <QTcpSocket>

#include <algorithm>

GuardedTcpServer::GuardedTcpServer(QObject* parent)
    : QTcpServer(parent), book_(std::make_shared<ConnectionBook>()) {}

void GuardedTcpServer::incomingConnection(qintptr handle) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    const std::string address = socket->peerAddress().toString().toStdString();
    Admission admission = book_->admit(address);
    if (admission == Admission::ServerFull && closeIdlest()) {
        admission = book_->admit(address);
    }
    if (admission != Admission::Admitted) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    guards_.emplace_back(
        new ConnectionGuard(socket, [book = book_, address] { book->release(address); }));
    addPendingConnection(socket);
}

bool GuardedTcpServer::closeIdlest() {
    std::erase_if(guards_, [](const QPointer<ConnectionGuard>& guard) {
        return guard.isNull() || guard->isClosing();
    });
    const auto idlest =
        std::max_element(guards_.begin(), guards_.end(), [](const auto& a, const auto& b) {
            return a->idleMilliseconds() < b->idleMilliseconds();
        });
    if (idlest == guards_.end()) {
        return false;
    }
    (*idlest)->shutDown();
    return true;
}
