// Draws the result panel and the windows it opens into a folder, for looking at them.
// Run under xvfb-run with the folder. Not a test; built on request only.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "tamovid/app/options/chart_options_menu.h"
#include "tamovid/app/chartwindow/chart_window.h"
#include "tamovid/app/options/engine_menu.h"
#include "tamovid/app/mainform/place_completer.h"
#include "tamovid/app/desktop/web_link_opener.h"
#include "tamovid/app/desktop/web_links.h"
#include "tamovid/report/reading_document.h"
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

    // Places whose zone comes from the atlas: the panel and the printed page name it.
    struct AtlasBirth {
        const char* file;
        std::array<const char*, 3> date;
        const char* city;
    };
    for (const AtlasBirth& b : {AtlasBirth{"zone-berlin-april", {"30", "April", "1990"}, "Berlin"},
                                AtlasBirth{"zone-berlin-july", {"15", "July", "1985"}, "Berlin"},
                                AtlasBirth{"zone-london-1969", {"15", "December", "1969"}, "London"}}) {
        tamovid::testing::WindowDriver atlas;
        atlas.Start();
        atlas.window->move(0, 0);
        atlas.EnterDelhi1947();
        atlas.Choose(QStringLiteral("cboDate"), QString::fromLatin1(b.date[0]));
        atlas.Choose(QStringLiteral("cboMonth"), QString::fromLatin1(b.date[1]));
        atlas.Choose(QStringLiteral("cboYear"), QString::fromLatin1(b.date[2]));
        atlas.Choose(QStringLiteral("cboHour"), QStringLiteral("12"));
        atlas.Type(QStringLiteral("txtCity"), QString::fromLatin1(b.city));
        QTest::qWait(300);
        QTest::keyClick(atlas.window->findChild<tamovid::PlaceCompleter*>()->Completer()->popup(),
                        Qt::Key_Return);
        atlas.Click(QStringLiteral("cmdCalculate"));
        QTest::qWait(100);
        const QString name = QString::fromLatin1(b.file);
        ok = atlas.window->grab().save(folder.filePath(name + QStringLiteral(".png"))) && ok;
        ok = tamovid::WriteReadingPdf(folder.filePath(name + QStringLiteral(".pdf")).toStdString(),
                                      *atlas.window->Printable())
                 .ok() &&
             ok;
    }

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
