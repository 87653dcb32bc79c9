#include "ui/phones/PhoneHttpServer.h"

#include "phones/HttpAnswer.h"
#include "phones/SnapshotSlot.h"
#include "ui/phones/ConnectionGuard.h"

#include <QTcpSocket>

namespace {

void send(QTcpSocket* socket, const HttpAnswer& answer) {
    const std::string bytes = wireBytes(answer);
    socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (answer.closeAfter) {
        socket->disconnectFromHost();
    }
}

} // namespace

PhoneHttpServer::PhoneHttpServer(const SnapshotSlot& snapshots,
                                 const std::vector<PhoneAsset>& assets, QObject* parent)
    : QAbstractHttpServer(parent), snapshots_(snapshots), assets_(assets) {}

bool PhoneHttpServer::handleRequest(const QHttpServerRequest&, QTcpSocket* socket) {
    auto* guard = socket->findChild<ConnectionGuard*>(QString(), Qt::FindDirectChildrenOnly);
    const std::optional<std::string> target =
        guard != nullptr ? guard->takeApprovedTarget() : std::nullopt;
    if (!target) {
        return true;
    }
    const std::shared_ptr<const PhoneSnapshot> snapshot = snapshots_.latest();
    send(socket, snapshot ? answerPhoneRequest(*target, *snapshot, assets_) : refusal(503));
    return true;
}

void PhoneHttpServer::missingHandler(const QHttpServerRequest&, QTcpSocket* socket) {
    send(socket, refusal(404));
}
