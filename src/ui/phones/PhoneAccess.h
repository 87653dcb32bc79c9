#pragma once

#include "board/BoardContent.h"
#include "phones/MeetingToken.h"
#include "ui/phones/PhoneServer.h"

#include <QHostAddress>
#include <QObject>
#include <QTimer>

class Program;

// 「スマホ表示」: the players' page switched on and off by the organiser.
// Off at every start and again at exit (it is never kept on in the
// settings); the port is kept. While on, every redraw of the main window
// publishes the board content it has just drawn, and a timer publishes
// fresh content between redraws so that the minutes and the clock move on.
// Both run in the window's thread, so a snapshot never holds half a
// redraw.
class PhoneAccess : public QObject {
    Q_OBJECT
public:
    static constexpr int kRefreshMilliseconds = 15000;

    // listenOn: where the server listens (every IPv4 address in the
    // program, the loopback in tests); shownAddress: the address put in the
    // page's link and QR code, or a null address for this computer's
    // network address (lanAddress) as it is when switched on.
    PhoneAccess(Program& program, QHostAddress listenOn, QHostAddress shownAddress,
                QObject* parent = nullptr);

    // Where to listen and which address to show; takes effect at the next
    // switch on.
    void setAddresses(QHostAddress listenOn, QHostAddress shownAddress);

    bool isOn() const { return server_.running(); }
    // Starts the server on the saved port; false, after telling the
    // organiser why, when the port cannot be had.
    bool switchOn();
    void switchOff();

    int port() const { return port_; }
    // Keeps the port; a running server moves to it.
    void setPort(int port);

    // "http://<address>:<port>/<token>/"; empty while off.
    QString pageAddress() const;

    // Publishes the page's data from the board content a redraw has just
    // built. Does nothing while off.
    void publish(const BoardContent& content);

    PhoneServer& server() { return server_; }

signals:
    // Switched on or off, or the address changed (a new port or meeting).
    void changed();

private:
    // Publishes fresh content of the program's current meeting.
    void publishCurrent();

    Program& program_;
    QHostAddress listenOn_;
    QHostAddress shownAddress_;
    QHostAddress pageHost_;
    PhoneServer server_;
    MeetingToken tokens_;
    std::string token_;
    int port_;
    QTimer refresh_;
};
