// Draws the result panel and the windows it opens into a folder, for looking at them.
// Run under xvfb-run with the folder. Not a test; built on request only.
#include <QAbstractButton>
#include <QDir>
#include <QTest>

#include "tamovid/app/chart_window.h"
#include "window_driver.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (argc < 2) return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    tamovid::testing::WindowDriver d;
    d.Start();
    d.window->move(0, 0);
    d.Enter("Asha Rao", {"14", "March", "1985", "10", "25", "Indian Time, IST, 5.3"}, false,
            {"18", "31", "optLat0"}, {"73", "52", "optLong0"}, {"Pune", "Maharashtra", "India"});
    d.Click(QStringLiteral("cmdCalculate"));
    QTest::qWait(100);
    bool ok = d.window->grab().save(folder.filePath(QStringLiteral("result-panel.png")));
    d.Click(QStringLiteral("cmdTimeWindow"));
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top != d.window.get()) {
            QTest::qWait(100);
            ok = top->grab().save(folder.filePath(top->objectName() + QStringLiteral(".png"))) && ok;
        }
    }
    return ok ? 0 : 1;
}
