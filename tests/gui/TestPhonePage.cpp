#include "GuiTestHelpers.h"
#include "HeadlessChromium.h"
#include "MainWindowHarness.h"
#include "PhoneClient.h"
#include "app/MeetingFileCommands.h"
#include "app/Redraw.h"
#include "app/ResultEntry.h"
#include "app/SuggestedPicks.h"
#include "matching/PairSelection.h"
#include "matching/RunningList.h"
#include "suggestions/MeetingReading.h"
#include "suggestions/SuggestionEngine.h"
#include "ui/main/MainGridView.h"
#include "ui/phones/PhoneAccess.h"
#include "ui/phones/PhoneAccessDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTcpServer>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

namespace {

std::tm at(int hour, int minute) {
    std::tm moment{};
    moment.tm_year = 126;
    moment.tm_mon = 11;
    moment.tm_mday = 7;
    moment.tm_hour = hour;
    moment.tm_min = minute;
    return moment;
}

// A port nobody listens on just now.
int freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

// 「スマホ表示」 in the real main window: switched on from the 表示 menu,
// the page in a real browser at phone size following a match started in
// the window, and the snapshots the server answers from while the window
// redraws.
class TestPhonePage : public QObject {
    Q_OBJECT

private slots:
    void init() {
        app_ = std::make_unique<MainWindowHarness>();
        QVERIFY(app_->show());
        newMeeting();
        access().setAddresses(QHostAddress::LocalHost, QHostAddress::LocalHost);
        access().setPort(freePort());
    }
    void cleanup() { app_.reset(); }

    void offUntilSwitchedOnFromTheMenu() {
        QVERIFY(!access().isOn());
        QVERIFY(access().pageAddress().isEmpty());
        menuItem()->trigger();
        auto* dialog = app_->window->findChild<PhoneAccessDialog*>();
        QVERIFY(dialog != nullptr && dialog->isVisible());
        dialog->findChild<QCheckBox*>(QStringLiteral("chkPhone"))->click();
        QVERIFY(access().isOn());
        const QString address = access().pageAddress();
        QVERIFY(address.startsWith(QStringLiteral("http://127.0.0.1:%1/").arg(access().port())));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblPhoneAddress"))->text(), address);
        QVERIFY(!dialog->findChild<QLabel*>(QStringLiteral("picPhoneQr"))->pixmap().isNull());
        QVERIFY(pressHelpKey(dialog));
        QVERIFY(app_->platform.helpPages().back().ends_with("/html/TENIS15.htm"));
        const QByteArray page = get(static_cast<quint16>(access().port()), pathOf(address));
        QVERIFY(page.startsWith("HTTP/1.1 200 OK"));
    }

    // Next week's meeting of the same file: last week's link shows nothing.
    void anotherMeetingGetsAnotherAddress() {
        QVERIFY(access().switchOn());
        const QString first = access().pageAddress();
        app_->program->state.meetingCount += 1;
        app_->window->render();
        QVERIFY(access().pageAddress() != first);
        QVERIFY(get(static_cast<quint16>(access().port()), pathOf(first) + "state.json")
                    .startsWith("HTTP/1.1 404"));
        QVERIFY(get(static_cast<quint16>(access().port()),
                    pathOf(access().pageAddress()) + "state.json")
                    .startsWith("HTTP/1.1 200"));
    }

    void aPortInUseIsRefusedWithAMessage() {
        QTcpServer holder;
        QVERIFY(holder.listen(QHostAddress::LocalHost, 0));
        access().setPort(holder.serverPort());
        QVERIFY(!access().switchOn());
        QVERIFY(!access().isOn());
        QCOMPARE(app_->platform.messages().size(), std::size_t{1});
        QVERIFY(app_->platform.messages()[0].starts_with(u"ポート番号 "));
    }

    // Every answer is one whole snapshot, however the redraws and the
    // requests interleave: whoever is on a court in it is listed as playing
    // in the same answer, and nobody else is.
    void answersWholeSnapshotsDuringRedraws() {
        QVERIFY(access().switchOn());
        const quint16 port = static_cast<quint16>(access().port());
        const QByteArray target = pathOf(access().pageAddress()) + "state.json";
        std::atomic<bool> done = false;
        std::vector<QByteArray> answers;
        std::thread reader([&] {
            for (int i = 0; i < 400 && !done; ++i) {
                answers.push_back(bodyOf(get(port, target)));
            }
        });
        for (int round = 0; round < 30; ++round) {
            startSuggestedMatch();
            cancelMatches();
        }
        done = true;
        reader.join();
        QVERIFY(answers.size() >= 2);
        for (const QByteArray& answer : answers) {
            QJsonParseError error;
            const QJsonObject state = QJsonDocument::fromJson(answer, &error).object();
            QVERIFY2(error.error == QJsonParseError::NoError, answer.left(120).constData());
            QStringList onCourt;
            for (const QJsonValue& court : state["courts"].toArray()) {
                for (const QJsonValue& side : court.toObject()["sides"].toArray()) {
                    for (const QJsonValue& name : side.toArray()) {
                        onCourt << name.toString();
                    }
                }
            }
            QStringList playing;
            for (const QJsonValue& player : state["players"].toArray()) {
                if (player.toObject()["state"].toString() == QStringLiteral("playing")) {
                    playing << player.toObject()["name"].toString();
                }
            }
            onCourt.sort();
            playing.sort();
            QCOMPARE(playing, onCourt);
            QCOMPARE(state["players"].toArray().size(), 8);
        }
    }

    // A result entered at 19:25, the page opened at 19:42 with no court in
    // use; the organiser starts the next match and the phone shows it, and
    // the player who tapped their name sees their own court.
    void aPhoneSeesAMatchStartedInTheWindow() {
        if (HeadlessChromium::executable().isEmpty()) {
            QSKIP("chromium is not installed (scripts/deps.sh installs it)");
        }
        app_->clock.set(at(19, 10));
        startSuggestedMatch();
        app_->clock.set(at(19, 25));
        QVERIFY(chooseRunningMatch(app_->program->state, app_->platform, 1));
        QVERIFY(enterResult(*app_->program, u"6", u"3"));
        endSelection(app_->program->state);
        app_->clock.set(at(19, 42));
        redraw(*app_->program);
        app_->window->render();

        QVERIFY(access().switchOn());
        HeadlessChromium browser;
        QVERIFY(browser.start(360, 780));
        browser.open(access().pageAddress());
        QVERIFY(browser.waitFor(QStringLiteral("document.getElementById('courts').innerText."
                                               "includes('試合中のコートはありません')"),
                                15000));
        QVERIFY(browser.waitFor(
            QStringLiteral("document.querySelectorAll('#names button').length === 8"), 5000));
        const std::vector<Suggestion> next = currentSuggestions(*app_->program, 1);
        QCOMPARE(next.size(), std::size_t{1});
        const QString player = QString::fromStdU16String(
            memberName(app_->program->state, next[0].cells[0].team, next[0].cells[0].row));
        browser.evaluate(QStringLiteral("Array.from(document.querySelectorAll('#names button'))"
                                        ".find(b => b.textContent === '%1').click()")
                             .arg(player));
        QVERIFY(browser.waitFor(
            QStringLiteral("document.getElementById('me-status').innerText === '次の試合です'"),
            2000));

        startSuggestedMatch();
        QVERIFY(browser.waitFor(
            QStringLiteral("document.querySelector('#courts .court.mine') !== null"), 8000));
        QCOMPARE(browser.evaluate(QStringLiteral("document.getElementById('me-status').innerText")),
                 QStringLiteral("コート1で試合中"));
        QVERIFY(browser.evaluate(QStringLiteral("document.getElementById('standings').innerText"))
                    .contains(QStringLiteral("総合")));
        QVERIFY(browser.evaluate(QStringLiteral("document.cookie")).isEmpty());

        const QByteArray picture = browser.screenshot();
        QVERIFY(picture.startsWith("\x89PNG"));
        const QString folder = qEnvironmentVariable("RALLYNOTE_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            QFile file(folder + QStringLiteral("/phones-360.png"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(picture);
        }
    }

private:
    PhoneAccess& access() { return *app_->window->phoneAccess(); }
    QAction* menuItem() { return app_->window->findChild<QAction*>(QStringLiteral("mndspPhone")); }
    static QByteArray pathOf(const QString& address) { return QUrl(address).path().toLatin1(); }

    void newMeeting() {
        app_->window->findChild<QAction*>(QStringLiteral("mnfileitem_0"))->trigger();
        MeetingState& s = app_->program->state;
        s.matchMethod = MatchMethod::TwoTeamDoubles;
        s.teamSize = {4, 4, 0};
        for (int slot = 1; slot <= 4; ++slot) {
            const std::u16string digit(1, static_cast<char16_t>(u'0' + slot));
            s.memberAbbrev[0][slot] = u"赤" + digit;
            s.memberAbbrev[1][slot] = u"白" + digit;
        }
        QVERIFY(saveMeeting(*app_->program, SaveTarget::Meeting));
        emit app_->window->findChild<QTabBar*>(QStringLiteral("tabPage"))->tabBarClicked(0);
    }

    // Enter on the pairing table and 決定 in the confirmation, as the
    // organiser starts the best suggested match.
    void startSuggestedMatch() {
        QTimer::singleShot(0, [] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            }
        });
        app_->window->grid()->setFocus();
        QTest::keyClick(app_->window->grid(), Qt::Key_Return);
    }

    // Takes every running match off the courts again and redraws.
    void cancelMatches() {
        MeetingState& s = app_->program->state;
        while (s.runningCount > 0) {
            s.removeSlot = 1;
            removeRunningSlot(s);
        }
        for (int team = 0; team < 2; ++team) {
            for (int a = 1; a <= 4; ++a) {
                for (int b = 1; b <= 4; ++b) {
                    if (s.pairState[team][a][b] == PairRunning) {
                        s.setPair(team, a, b, PairFirstClass);
                    }
                }
            }
        }
        redraw(*app_->program);
        app_->window->render();
    }

    std::unique_ptr<MainWindowHarness> app_;
};

QTEST_MAIN(TestPhonePage)
#include "TestPhonePage.moc"
