#include "ui/phones/PhoneServer.h"

#include "ui/phones/GuardedTcpServer.h"
#include "ui/phones/PhoneHttpServer.h"

#include <QThread>

PhoneServer::PhoneServer(std::vector<PhoneAsset> assets) : assets_(std::move(assets)) {}

PhoneServer::~PhoneServer() {
    stop();
}

bool PhoneServer::start(const QHostAddress& address, quint16 port, QString* error) {
    stop();
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("phone-server"));
    anchor_ = new QObject;
    anchor_->moveToThread(thread_);
    thread_->start();
    QString failure;
    QMetaObject::invokeMethod(
        anchor_,
        [&] {
            auto* http = new PhoneHttpServer(snapshots_, assets_, anchor_);
            auto* tcp = new GuardedTcpServer(http);
            if (tcp->listen(address, port)) {
                http->bind(tcp);
                port_ = tcp->serverPort();
            } else {
                failure = tcp->errorString();
                delete http;
            }
        },
        Qt::BlockingQueuedConnection);
    if (port_ == 0) {
        if (error != nullptr) {
            *error = failure;
        }
        stop();
        return false;
    }
    return true;
}

// The servers and every connection go with the anchor, in their own thread.
void PhoneServer::stop() {
    if (thread_ == nullptr) {
        return;
    }
    QMetaObject::invokeMethod(
        anchor_, [this] { qDeleteAll(anchor_->children()); }, Qt::BlockingQueuedConnection);
    anchor_->deleteLater();
    thread_->quit();
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    anchor_ = nullptr;
    port_ = 0;
}

void PhoneServer::publish(std::shared_ptr<const PhoneSnapshot> snapshot) {
    snapshots_.publish(std::move(snapshot));
}
