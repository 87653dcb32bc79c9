#pragma once

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char** environ;

// Debian's Chromium run headless for a page test, driven over the DevTools
// protocol on a pipe (fds 3 and 4 of the browser, messages ended by NUL),
// so that nothing but the page under test is reached and no port is opened.
// A fresh profile per run; every wait is bounded.
class HeadlessChromium {
public:
    HeadlessChromium() = default;
    HeadlessChromium(const HeadlessChromium&) = delete;
    HeadlessChromium& operator=(const HeadlessChromium&) = delete;

    ~HeadlessChromium() {
        if (pid_ > 0) {
            send("Browser.close", {}, false);
            for (int i = 0; i < 50 && waitpid(pid_, nullptr, WNOHANG) == 0; ++i) {
                usleep(100'000);
            }
            if (waitpid(pid_, nullptr, WNOHANG) == 0) {
                kill(pid_, SIGKILL);
                waitpid(pid_, nullptr, 0);
            }
        }
        for (int fd : {toBrowser_, fromBrowser_}) {
            if (fd >= 0) {
                close(fd);
            }
        }
    }

    static QString executable() {
        const QString named = qEnvironmentVariable("RALLYNOTE_CHROMIUM");
        return named.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("chromium")) : named;
    }

    // Starts the browser with a blank page of width × height CSS pixels as
    // a phone shows it.
    bool start(int width, int height) {
        const QString program = executable();
        if (program.isEmpty() || !profile_.isValid()) {
            return false;
        }
        int down[2];
        int up[2];
        if (pipe2(down, O_CLOEXEC) != 0 || pipe2(up, O_CLOEXEC) != 0) {
            return false;
        }
        // Above the two fds the browser expects, so that dup2 always copies.
        const int browserReads = fcntl(down[0], F_DUPFD_CLOEXEC, 10);
        const int browserWrites = fcntl(up[1], F_DUPFD_CLOEXEC, 10);
        close(down[0]);
        close(up[1]);
        toBrowser_ = down[1];
        fromBrowser_ = up[0];
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, browserReads, 3);
        posix_spawn_file_actions_adddup2(&actions, browserWrites, 4);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        const std::vector<QByteArray> arguments = {
            program.toLocal8Bit(),
            "--headless",
            "--no-sandbox",
            "--disable-gpu",
            "--disable-quic",
            "--no-first-run",
            "--disable-background-networking",
            "--disable-component-update",
            "--disable-sync",
            "--remote-debugging-pipe",
            "--user-data-dir=" + QDir::toNativeSeparators(profile_.path()).toLocal8Bit(),
            "about:blank",
        };
        std::vector<char*> argv;
        for (const QByteArray& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.constData()));
        }
        argv.push_back(nullptr);
        const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(browserReads);
        close(browserWrites);
        if (spawned != 0) {
            pid_ = -1;
            return false;
        }
        const QJsonObject target = call("Target.createTarget", {{"url", "about:blank"}}, false);
        const QJsonObject attached =
            call("Target.attachToTarget",
                 {{"targetId", target["targetId"].toString()}, {"flatten", true}}, false);
        session_ = attached["sessionId"].toString();
        if (session_.isEmpty()) {
            return false;
        }
        call("Emulation.setDeviceMetricsOverride",
             {{"width", width}, {"height", height}, {"deviceScaleFactor", 2}, {"mobile", true}});
        return true;
    }

    void open(const QString& url) { call("Page.navigate", {{"url", url}}); }

    // The value of a JavaScript expression in the page, as text.
    QString evaluate(const QString& expression) {
        const QJsonObject result =
            call("Runtime.evaluate", {{"expression", expression}, {"returnByValue", true}});
        return result["result"].toObject()["value"].toVariant().toString();
    }

    // Waits (the Qt event loop running) until the expression is true.
    bool waitFor(const QString& expression, int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            if (evaluate(QStringLiteral("String(!!(%1))").arg(expression)) ==
                QStringLiteral("true")) {
                return true;
            }
            QTest::qWait(100);
        }
        return false;
    }

    // The whole page as PNG.
    QByteArray screenshot() {
        const QJsonObject result =
            call("Page.captureScreenshot", {{"format", "png"}, {"captureBeyondViewport", true}});
        return QByteArray::fromBase64(result["data"].toString().toLatin1());
    }

private:
    int send(const QString& method, const QJsonObject& params, bool onPage) {
        QJsonObject message{{"id", ++lastId_}, {"method", method}, {"params", params}};
        if (onPage) {
            message["sessionId"] = session_;
        }
        QByteArray bytes = QJsonDocument(message).toJson(QJsonDocument::Compact);
        bytes.append('\0');
        qsizetype sent = 0;
        while (sent < bytes.size()) {
            const ssize_t written = write(toBrowser_, bytes.constData() + sent,
                                          static_cast<size_t>(bytes.size() - sent));
            if (written <= 0) {
                return -1;
            }
            sent += written;
        }
        return lastId_;
    }

    // The result of one command; an empty object after 10 s or an error.
    QJsonObject call(const QString& method, const QJsonObject& params, bool onPage = true) {
        const int id = send(method, params, onPage);
        QElapsedTimer clock;
        clock.start();
        while (id > 0 && clock.elapsed() < 10'000) {
            const qsizetype end = received_.indexOf('\0');
            if (end >= 0) {
                const QJsonObject message = QJsonDocument::fromJson(received_.left(end)).object();
                received_.remove(0, end + 1);
                if (message["id"].toInt() == id) {
                    return message["result"].toObject();
                }
                continue;
            }
            pollfd ready{fromBrowser_, POLLIN, 0};
            if (poll(&ready, 1, 200) > 0) {
                char buffer[65536];
                const ssize_t got = read(fromBrowser_, buffer, sizeof buffer);
                if (got <= 0) {
                    break;
                }
                received_.append(buffer, got);
            }
        }
        return {};
    }

    QTemporaryDir profile_;
    pid_t pid_ = -1;
    int toBrowser_ = -1;
    int fromBrowser_ = -1;
    int lastId_ = 0;
    QString session_;
    QByteArray received_;
};
