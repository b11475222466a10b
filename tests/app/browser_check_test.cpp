#include <QtTest>

#include "tamovid/app/desktop/browser_check.h"

using tamovid::BrowserAvailable;
using tamovid::BrowserProbe;

class BrowserCheckTest : public QObject {
    Q_OBJECT

private slots:
    void anyWayToABrowserCounts_data() {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("handler");
        QTest::addColumn<bool>("available");
        QTest::newRow("nothing at all: the opener would fail silently") << "" << "" << "" << false;
        QTest::newRow("a desktop session") << "XDG_CURRENT_DESKTOP" << "" << "" << true;
        QTest::newRow("BROWSER set") << "BROWSER" << "" << "" << true;
        QTest::newRow("a text browser") << "" << "w3m" << "" << true;
        QTest::newRow("a registered handler") << "" << "" << "firefox.desktop" << true;
    }
    void anyWayToABrowserCounts() {
        QFETCH(QString, variable);
        QFETCH(QString, program);
        QFETCH(QString, handler);
        QFETCH(bool, available);
        BrowserProbe probe;
        if (!variable.isEmpty()) probe.environment.insert(variable, QStringLiteral("x"));
        probe.hasProgram = [program](const QString& name) { return name == program; };
        probe.httpsHandler = [handler] { return handler; };
        QCOMPARE(BrowserAvailable(probe), available);
    }
};

QTEST_MAIN(BrowserCheckTest)
#include "browser_check_test.moc"
