#include "platform/qt/QtSettingsStore.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The settings store keeps text values under section and name, and a missing
// value stays missing (the caller supplies its default).
class TestQtSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(configDir_.isValid());
        qputenv("XDG_CONFIG_HOME", configDir_.path().toUtf8());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configDir_.path());
    }

    void valuesRoundTripUnderTheApplicationKey() {
        {
            QtSettingsStore store;
            QVERIFY(!store.value(u"RgFile", u"RgFileNum").has_value());
            QVERIFY(store.setValue(u"RgFile", u"RgFileName1", u"試合.rly"));
            QVERIFY(store.setValue(u"RgDsp", u"RgDspMode", u" 1"));
        }
        QtSettingsStore reopened;
        QCOMPARE(QString::fromStdU16String(*reopened.value(u"RgFile", u"RgFileName1")),
                 QStringLiteral("試合.rly"));
        QCOMPARE(QString::fromStdU16String(*reopened.value(u"RgDsp", u"RgDspMode")),
                 QStringLiteral(" 1"));
        QVERIFY(QFile::exists(configDir_.path() + "/RLY_TOOL/RLY_TOOL.ini"));
    }

private:
    QTemporaryDir configDir_;
};

QTEST_MAIN(TestQtSettingsStore)
#include "TestQtSettingsStore.moc"
