#include "PhoneClient.h"
#include "phones/ConnectionBook.h"
#include "phones/PhoneSite.h"
#include "ui/phones/ConnectionGuard.h"
#include "ui/phones/PhoneAssets.h"
#include "ui/phones/PhoneServer.h"

#include <QtTest>

#include <memory>
#include <vector>

namespace {

const std::string kToken = "00112233445566778899aabbccddeeff";

} // namespace

// The players' page server through real connections on 127.0.0.1: what it
// answers, what it refuses, and that clients that misbehave cannot keep a
// good one from its answer.
class TestPhoneServer : public QObject {
    Q_OBJECT

private slots:
    void init() {
        server_ = std::make_unique<PhoneServer>(loadPhoneAssets());
        server_->publish(std::make_shared<const PhoneSnapshot>(
            PhoneSnapshot{kToken, R"({"title":"\u6708\u4f8b\u4f1a"})"}));
        QVERIFY(server_->start(QHostAddress::LocalHost, 0));
        page_ = QByteArray::fromStdString(phonePagePath(kToken));
    }
    void cleanup() { server_.reset(); }

    void answersThePageItsFilesAndItsData() {
        const QByteArray page = get(server_->port(), page_);
        QVERIFY(page.startsWith("HTTP/1.1 200 OK\r\n"));
        QVERIFY(page.contains("Content-Type: text/html; charset=utf-8\r\n"));
        QVERIFY(page.contains("Content-Security-Policy: default-src 'none'; script-src 'self';"));
        QVERIFY(page.contains("X-Content-Type-Options: nosniff\r\n"));
        QVERIFY(!page.contains("Set-Cookie"));
        QVERIFY(bodyOf(page).contains("<script src=\"page.js\""));
        QVERIFY(bodyOf(page).contains("今日の試合"));
        QVERIFY(!bodyOf(page).contains("http"));
        QVERIFY(get(server_->port(), page_ + "page.js").contains("localStorage"));
        QVERIFY(get(server_->port(), page_ + "page.css").startsWith("HTTP/1.1 200 OK"));
        QCOMPARE(bodyOf(get(server_->port(), page_ + "state.json")),
                 QByteArray(R"({"title":"\u6708\u4f8b\u4f1a"})"));
    }

    void refusesEverythingElse() {
        const quint16 port = server_->port();
        const QByteArray longTarget = page_ + QByteArray(2000, 'a');
        const struct {
            QByteArray request;
            QByteArray statusLine;
        } cases[] = {
            {"GET / HTTP/1.1\r\n\r\n", "HTTP/1.1 404 Not Found"},
            {"GET /ffeeddccbbaa99887766554433221100/state.json HTTP/1.1\r\n\r\n",
             "HTTP/1.1 404 Not Found"},
            {"GET " + page_ + "../../etc/passwd HTTP/1.1\r\n\r\n", "HTTP/1.1 404 Not Found"},
            {"POST " + page_ + "state.json HTTP/1.1\r\nContent-Length: 2\r\n\r\n{}",
             "HTTP/1.1 405 Method Not Allowed"},
            {"PUT " + page_ + " HTTP/1.1\r\n\r\n", "HTTP/1.1 405 Method Not Allowed"},
            {"HEAD " + page_ + " HTTP/1.1\r\n\r\n", "HTTP/1.1 405 Method Not Allowed"},
            {"GET " + longTarget + " HTTP/1.1\r\n\r\n", "HTTP/1.1 414 URI Too Long"},
            {"GET " + page_ + " HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n",
             "HTTP/1.1 400 Bad Request"},
            {"\x16\x03\x01\x02\x01\x01\xfc\x03\x03\r\n\r\n", "HTTP/1.1 400 Bad Request"},
            {"GET " + page_ + " HTTP/9\r\n\r\n", "HTTP/1.1 400 Bad Request"},
        };
        for (const auto& c : cases) {
            const QByteArray answer = exchange(port, c.request);
            QVERIFY2(
                answer.startsWith(c.statusLine + "\r\n"),
                (c.request.left(40).toPercentEncoding() + " -> " + answer.left(80)).constData());
            QVERIFY(answer.contains("Content-Security-Policy:"));
            QVERIFY(answer.contains("Connection: close\r\n"));
        }
        QVERIFY(exchange(port, "POST / HTTP/1.1\r\n\r\n").contains("\r\nAllow: GET\r\n"));
        QVERIFY(get(port, page_ + "state.json").startsWith("HTTP/1.1 200 OK"));
    }

    void keepsAGoodConnectionOpenForTheNextRequest() {
        QTcpSocket socket;
        QVERIFY(connectFrom(socket, server_->port()));
        for (int round = 0; round < 3; ++round) {
            socket.write("GET " + page_ + "state.json HTTP/1.1\r\nHost: phone\r\n\r\n");
            QVERIFY(readAnswer(socket).startsWith("HTTP/1.1 200 OK"));
        }
    }

    // A client that starts a request and never finishes it is cut off.
    void cutsOffASlowClient() {
        QTcpSocket slow;
        QVERIFY(connectFrom(slow, server_->port()));
        slow.write("GET " + page_ + " HTTP/1.1\r\nHost: ph");
        QElapsedTimer waited;
        waited.start();
        const QByteArray answer = readAnswer(slow, (ConnectionGuard::kHeadSeconds + 2) * 1000);
        QVERIFY(answer.startsWith("HTTP/1.1 408 Request Timeout"));
        QVERIFY(waited.elapsed() < (ConnectionGuard::kHeadSeconds + 2) * 1000);
        QVERIFY(slow.state() != QAbstractSocket::ConnectedState || !slow.waitForReadyRead(3000));
    }

    void limitsTheConnectionsOfOneAddress() {
        std::vector<std::unique_ptr<QTcpSocket>> held;
        for (int i = 0; i < ConnectionBook::kPerAddress; ++i) {
            held.push_back(std::make_unique<QTcpSocket>());
            QVERIFY(connectFrom(*held.back(), server_->port(), "127.0.0.2"));
        }
        QTcpSocket extra;
        QVERIFY(connectFrom(extra, server_->port(), "127.0.0.2"));
        extra.write("GET " + page_ + " HTTP/1.1\r\n\r\n");
        QVERIFY(readAnswer(extra, 2000).isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(extra.state() != QAbstractSocket::ConnectedState, 2000);
        QVERIFY(
            get(server_->port(), page_ + "state.json", "127.0.0.3").startsWith("HTTP/1.1 200 OK"));
        // Once the server has seen one of them close, the address gets in
        // again (each try is a connection of its own, so it is made once).
        held.front()->abort();
        bool answered = false;
        for (int tries = 0; tries < 50 && !answered; ++tries) {
            QTest::qWait(50);
            answered = get(server_->port(), page_ + "state.json", "127.0.0.2")
                           .startsWith("HTTP/1.1 200 OK");
        }
        QVERIFY(answered);
    }

    // More connections than the server holds, half of them sending
    // rubbish, the rest idle: the server still answers the next good
    // request at once.
    void answersAGoodRequestDuringAFlood() {
        std::vector<std::unique_ptr<QTcpSocket>> flood;
        for (int i = 0; i < 300; ++i) {
            auto socket = std::make_unique<QTcpSocket>();
            socket->bind(QHostAddress(QStringLiteral("127.0.1.%1").arg(1 + i % 50)));
            socket->connectToHost(QHostAddress::LocalHost, server_->port());
            flood.push_back(std::move(socket));
        }
        for (int i = 0; i < 300; ++i) {
            if (flood[i]->waitForConnected(1000) && i % 2 == 0) {
                flood[i]->write(QByteArray(4096, 'x'));
                flood[i]->waitForBytesWritten(100);
            }
        }
        QElapsedTimer answered;
        answered.start();
        QVERIFY(
            get(server_->port(), page_ + "state.json", "127.0.0.4").startsWith("HTTP/1.1 200 OK"));
        QVERIFY(answered.elapsed() < 1000);
    }

    void stopsAndStartsAgain() {
        const quint16 port = server_->port();
        server_->stop();
        QVERIFY(!server_->running());
        QVERIFY(get(port, page_).isEmpty());
        QVERIFY(server_->start(QHostAddress::LocalHost, port));
        QVERIFY(get(port, page_).startsWith("HTTP/1.1 200 OK"));
    }

    void tellsWhyAPortCannotBeHad() {
        PhoneServer second(loadPhoneAssets());
        QString error;
        QVERIFY(!second.start(QHostAddress::LocalHost, server_->port(), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!second.running());
    }

private:
    std::unique_ptr<PhoneServer> server_;
    QByteArray page_;
};

QTEST_MAIN(TestPhoneServer)
#include "TestPhoneServer.moc"
