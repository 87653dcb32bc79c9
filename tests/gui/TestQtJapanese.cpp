#include "ui/main/QtJapanese.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

// Qt's own texts in the windows read Japanese once its translations are
// loaded, in any locale (the test runs in the C locale).
class TestQtJapanese : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QString file =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm");
        if (!QFileInfo::exists(file)) {
            QSKIP("Qt's Japanese translations (qt6-translations-l10n) are not installed");
        }
        QVERIFY(loadQtJapanese(*qApp));
    }

    void standardButtonsAreJapanese() {
        QMessageBox box(QMessageBox::Question, QStringLiteral("ラリーノート"),
                        QStringLiteral("はい(Y)を選ぶと現在のﾃﾞｰﾀが消えます。"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
        QVERIFY(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("はい")));
        QVERIFY(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("いいえ")));
        QVERIFY(box.button(QMessageBox::Cancel)->text().startsWith(QStringLiteral("キャンセル")));
    }

    void fileDialogIsJapanese() {
        QFileDialog dialog(nullptr, QString(), QDir::tempPath());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons != nullptr);
        QVERIFY(buttons->button(QDialogButtonBox::Cancel)
                    ->text()
                    .startsWith(QStringLiteral("キャンセル")));
        QVERIFY(!buttons->button(QDialogButtonBox::Save)->text().contains(QStringLiteral("Save")));
    }
};

QTEST_MAIN(TestQtJapanese)
#include "TestQtJapanese.moc"
