#include "ui/phones/PhoneAccess.h"

#include "app/CourtBoard.h"
#include "app/Program.h"
#include "board/TonightMeeting.h"
#include "phones/PhoneMessages.h"
#include "phones/PhonePageJson.h"
#include "phones/PhoneRoster.h"
#include "phones/PhoneSettings.h"
#include "platform/Platform.h"
#include "ui/phones/LanAddress.h"
#include "ui/phones/PhoneAssets.h"

PhoneAccess::PhoneAccess(Program& program, QHostAddress listenOn, QHostAddress shownAddress,
                         QObject* parent)
    : QObject(parent), program_(program), listenOn_(std::move(listenOn)),
      shownAddress_(std::move(shownAddress)), server_(loadPhoneAssets()),
      port_(loadPhonePort(program.settings)) {
    refresh_.setInterval(kRefreshMilliseconds);
    connect(&refresh_, &QTimer::timeout, this, &PhoneAccess::publishCurrent);
}

void PhoneAccess::setAddresses(QHostAddress listenOn, QHostAddress shownAddress) {
    listenOn_ = std::move(listenOn);
    shownAddress_ = std::move(shownAddress);
}

bool PhoneAccess::switchOn() {
    if (!isOn()) {
        pageHost_ = shownAddress_.isNull() ? lanAddress() : shownAddress_;
        if (!server_.start(listenOn_, static_cast<quint16>(port_))) {
            program_.platform.showMessage(portUnavailableMessage(port_), kAppTitle);
            emit changed();
            return false;
        }
        publishCurrent();
        refresh_.start();
        emit changed();
    }
    return true;
}

void PhoneAccess::switchOff() {
    if (isOn()) {
        refresh_.stop();
        server_.stop();
        emit changed();
    }
}

void PhoneAccess::setPort(int port) {
    if (port == port_) {
        return;
    }
    port_ = port;
    savePhonePort(program_.settings, port);
    if (isOn()) {
        switchOff();
        switchOn();
    }
}

QString PhoneAccess::pageAddress() const {
    if (!isOn()) {
        return {};
    }
    return QStringLiteral("http://%1:%2/%3/")
        .arg(pageHost_.toString())
        .arg(server_.port())
        .arg(QString::fromStdString(token_));
}

void PhoneAccess::publishCurrent() {
    publish(courtBoard(program_));
}

void PhoneAccess::publish(const BoardContent& content) {
    if (!isOn()) {
        return;
    }
    const MeetingState& state = program_.state;
    const std::string& token = tokens_.forMeeting(state.currentPath, state.meetingCount);
    server_.publish(std::make_shared<const PhoneSnapshot>(PhoneSnapshot{
        token, phonePageJson(buildPhonePage(content, tonightRoster(tonightMeeting(state))))}));
    if (token != token_) {
        token_ = token;
        emit changed();
    }
}
