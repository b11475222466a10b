// Draws the result panel and the windows it opens into a folder, for looking at them.
// Run under xvfb-run with the folder. Not a test; built on request only.
#include <QAbstractButton>
#include <QDir>
#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "tamovid/app/chart_options_menu.h"
#include "tamovid/app/chart_window.h"
#include "tamovid/app/engine_menu.h"
#include "tamovid/app/web_link_opener.h"
#include "tamovid/app/web_links.h"
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
    d.window->findChild<QAction*>(QStringLiteral("mnuCalculate"))->trigger();  // opens the chart
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top != d.window.get()) {
            QTest::qWait(100);
            ok =
                top->grab().save(folder.filePath(top->objectName() + QStringLiteral(".png"))) && ok;
        }
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != d.window.get()) top->close();
    }
    // The Options menu as the program builds it, opened over the window.
    tamovid::EngineMenu engine(*d.window, nullptr);
    tamovid::ChartOptionsMenu options(*d.window, engine, nullptr);
    d.window->activateWindow();
    engine.preciseAction()->trigger();
    engine.menu()->popup(d.window->mapToGlobal(QPoint(120, 20)));
    QTest::qWait(200);
    options.ayanamsaMenu()->popup(engine.menu()->geometry().topRight());
    QTest::qWait(200);
    const QRect around = d.window->frameGeometry().united(options.ayanamsaMenu()->geometry());
    ok = QGuiApplication::primaryScreen()
             ->grabWindow(0, around.x(), around.y(), around.width(), around.height())
             .save(folder.filePath(QStringLiteral("options-menu.png"))) &&
         ok;
    options.ayanamsaMenu()->close();
    engine.menu()->close();

    // A page without a browser, through the real desktop: the box is drawn, then closed.
    tamovid::DesktopUserInterface desktop;
    QTimer::singleShot(300, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            ok = box->grab().save(folder.filePath(QStringLiteral("no-browser.png"))) && ok;
            box->close();
        }
    });
    tamovid::WebLinkOpener(desktop).Open(tamovid::WebAddress(tamovid::WebPage::kDonate));
    return ok ? 0 : 1;
}
