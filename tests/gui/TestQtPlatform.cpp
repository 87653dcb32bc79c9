#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The message boxes carry the program's title when they have none of their
// own, the exclamation icon for messages and the question icon with No as
// the default for questions; the file dialogs offer both filter entries.
class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    void filterOffersBothEntries() {
        QCOMPARE(QtPlatform::dialogFilter(),
                 QStringLiteral("試合成績 ﾌｧｲﾙ (*.rly);;全ての ﾌｧｲﾙ (*.*)"));
    }

    void messageBoxes_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shownTitle");
        QTest::newRow("own title")
            << QStringLiteral("ラリーノート（合計）") << QStringLiteral("ラリーノート（合計）");
        QTest::newRow("no title") << QString() << QStringLiteral("ラリーノート");
    }

    void messageBoxes() {
        QFETCH(QString, title);
        QFETCH(QString, shownTitle);
        QtPlatform platform(QDir::tempPath());
        const std::u16string ownTitle = title.toStdU16String();

        Seen message = answerNextBox(QMessageBox::Ok);
        platform.showMessage(u"ﾌｧｲﾙを開くときにｴﾗｰが発生しました。", ownTitle);
        QCOMPARE(message->title, shownTitle);
        QCOMPARE(message->icon, QMessageBox::Warning);
        QCOMPARE(message->text, QStringLiteral("ﾌｧｲﾙを開くときにｴﾗｰが発生しました。"));

        Seen question = answerNextBox(QMessageBox::Yes);
        QVERIFY(platform.askYesNo(u"既存のﾌｧｲﾙに上書きしますか ?", ownTitle));
        QCOMPARE(question->title, shownTitle);
        QCOMPARE(question->icon, QMessageBox::Question);
        QCOMPARE(question->defaultButton, QMessageBox::No);

        answerNextBox(QMessageBox::No);
        QVERIFY(!platform.askYesNo(u"既存のﾌｧｲﾙに上書きしますか ?", ownTitle));
    }

    // Save As onto an existing file: the dialog gives the file back without
    // a question of its own, as the program asks its own.
    void saveDialogAsksNoQuestionOfItsOwn() {
        QTemporaryDir folder;
        const QString existing = folder.filePath(QStringLiteral("club.rly"));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QtPlatform platform(folder.path());
        bool asked = false;
        QTimer::singleShot(0, this, [this, existing, &asked] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTimer::singleShot(200, this, [&asked] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = true;
                    box->button(QMessageBox::Yes)->click();
                }
            });
            dialog->selectFile(existing);
            static_cast<QDialog*>(dialog)->accept();
        });
        QCOMPARE(QString::fromStdU16String(platform.chooseSaveFile()), existing);
        QVERIFY(!asked);
    }

private:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };
    using Seen = std::shared_ptr<Box>;

    // Records the next box and presses one of its buttons.
    Seen answerNextBox(QMessageBox::StandardButton answer) {
        auto seen = std::make_shared<Box>();
        QTimer::singleShot(0, this, [seen, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen->title = box->windowTitle();
            seen->text = box->text();
            seen->icon = box->icon();
            if (QPushButton* preset = box->defaultButton()) {
                seen->defaultButton = box->standardButton(preset);
            }
            box->button(answer)->click();
        });
        return seen;
    }
};

QTEST_MAIN(TestQtPlatform)
#include "TestQtPlatform.moc"
