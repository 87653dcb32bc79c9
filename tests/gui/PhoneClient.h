#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>

// A plain HTTP client on the loopback for the players' page server tests:
// one raw request, the raw answer, every wait bounded.

// Whether `bytes` hold a whole answer: the head and Content-Length bytes.
inline bool wholeAnswer(const QByteArray& bytes) {
    const qsizetype headEnd = bytes.indexOf("\r\n\r\n");
    if (headEnd < 0) {
        return false;
    }
    const qsizetype lengthAt = bytes.indexOf("Content-Length: ");
    if (lengthAt < 0 || lengthAt > headEnd) {
        return true;
    }
    const qsizetype lineEnd = bytes.indexOf("\r\n", lengthAt);
    const qsizetype length = bytes.mid(lengthAt + 16, lineEnd - lengthAt - 16).toLongLong();
    return bytes.size() >= headEnd + 4 + length;
}

// Reads until a whole answer is there, the server closes, or `ms` pass.
inline QByteArray readAnswer(QTcpSocket& socket, int ms = 3000) {
    QByteArray answer;
    QElapsedTimer clock;
    clock.start();
    while (!wholeAnswer(answer) && clock.elapsed() < ms) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(50) &&
            socket.state() != QAbstractSocket::ConnectedState) {
            break;
        }
        answer += socket.readAll();
    }
    return answer;
}

// Connects from `from` (any loopback address) to 127.0.0.1:port.
inline bool connectFrom(QTcpSocket& socket, quint16 port, const char* from = "127.0.0.1") {
    socket.bind(QHostAddress(QString::fromLatin1(from)));
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(2000);
}

inline QByteArray exchange(quint16 port, const QByteArray& request,
                           const char* from = "127.0.0.1") {
    QTcpSocket socket;
    if (!connectFrom(socket, port, from)) {
        return {};
    }
    socket.write(request);
    return readAnswer(socket);
}

inline QByteArray get(quint16 port, const QByteArray& target, const char* from = "127.0.0.1") {
    return exchange(port, "GET " + target + " HTTP/1.1\r\nHost: phone\r\n\r\n", from);
}

// The body of an answer.
inline QByteArray bodyOf(const QByteArray& answer) {
    return answer.mid(answer.indexOf("\r\n\r\n") + 4);
}
