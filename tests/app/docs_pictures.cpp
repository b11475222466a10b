// Draws the pictures of the documentation into a folder, from the program as it is
// built: the main window with its menus, the place search, the result panel with each
// engine, the chart window in both styles and with the Navamsa, the birth-time window, the
// Dasha window and the first page of
// a printed reading (as a PDF, which scripts/docs-pictures.sh turns into a PNG).
// Run under xvfb-run with the folder. Not a test; built on request only.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QDir>
#include <QRadioButton>
#include <QScreen>

#include "tamovid/app/options/options_menus.h"
#include "tamovid/app/chartwindow/chart_window.h"
#include "tamovid/app/dashaview/dasha_view.h"
#include "tamovid/app/mainform/place_completer.h"
#include "tamovid/report/reading_document.h"
#include "window_driver.h"

namespace {

// Chart window sizes, in pixels: the chart and its table side by side.
constexpr QSize kChartWindowSize{1080, 640};
constexpr QSize kTimeWindowSize{720, 740};
constexpr QSize kDashaWindowSize{640, 520};

bool Save(QWidget* widget, const QDir& folder, const char* name) {
    QTest::qWait(100);
    const bool saved = widget->grab().save(folder.filePath(QString::fromLatin1(name)));
    if (!saved) qWarning("could not write %s", name);
    return saved;
}

QWidget* OtherWindow(const QWidget* main) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top != main && top->isWindow() &&
            !top->inherits("QMenu") && !top->inherits("QAbstractItemView")) {
            return top;
        }
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (argc < 2) {
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    tamovid::testing::WindowDriver d;
    d.Start();
    // The menus the program adds at start-up, owned by the window.
    tamovid::AddOptionsMenus(*d.window, nullptr);
    d.window->move(0, 0);
    bool ok = true;

    // The place search with its list open, then the window with the place chosen.
    d.Type(QStringLiteral("txtName"), QStringLiteral("Ravi Joshi"));
    d.Choose(QStringLiteral("cboDate"), QStringLiteral("3"));
    d.Choose(QStringLiteral("cboMonth"), QStringLiteral("December"));
    d.Choose(QStringLiteral("cboYear"), QStringLiteral("1975"));
    d.Choose(QStringLiteral("cboHour"), QStringLiteral("10"));
    d.Choose(QStringLiteral("cboMinute"), QStringLiteral("30"));
    d.Type(QStringLiteral("txtCity"), QStringLiteral("Pun"));
    QAbstractItemView* popup =
        d.window->findChild<tamovid::PlaceCompleter*>(QStringLiteral("placeCompleter"))
            ->Completer()
            ->popup();
    QTest::qWait(300);
    const QRect shown =
        d.window->frameGeometry().united(popup->isVisible() ? popup->frameGeometry() : QRect());
    ok = popup->isVisible() &&
         QGuiApplication::primaryScreen()
             ->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height())
             .save(folder.filePath(QStringLiteral("place-search.png"))) &&
         ok;
    QTest::keyClick(popup, Qt::Key_Return);
    ok = Save(d.window.get(), folder, "screenshot.png") && ok;

    // The result panel, with each engine.
    d.Start();
    tamovid::AddOptionsMenus(*d.window, nullptr);
    d.window->move(0, 0);
    d.Enter("Asha Rao", {"14", "March", "1985", "10", "25", "Indian Time, IST, 5.3"}, false,
            {"18", "31", "optLat0"}, {"73", "52", "optLong0"}, {"Pune", "Maharashtra", "India"});
    d.Click(QStringLiteral("cmdCalculate"));
    ok = Save(d.window.get(), folder, "screenshot-result.png") && ok;
    d.window->findChild<QAction*>(QStringLiteral("mnuPrecise"))->trigger();
    ok = Save(d.window.get(), folder, "screenshot-precise.png") && ok;
    d.window->findChild<QAction*>(QStringLiteral("mnuPrecise"))->trigger();

    // The birth-time window.
    d.Click(QStringLiteral("cmdTimeWindow"));
    if (QWidget* times = OtherWindow(d.window.get())) {
        times->resize(kTimeWindowSize);
        ok = Save(times, folder, "time-window.png") && ok;
        times->close();
    } else {
        ok = false;
    }

    // The chart window and the printed page, of Delhi 1947.
    d.Start();
    d.EnterDelhi1947();
    d.Click(QStringLiteral("cmdCalculate"));
    d.Click(QStringLiteral("cmdChart"));
    if (tamovid::ChartWindow* chart = d.window->Chart()) {
        chart->resize(kChartWindowSize);
        chart->findChild<QRadioButton*>(QStringLiteral("optSouth"))->click();
        ok = Save(chart, folder, "chart-south.png") && ok;
        chart->findChild<QRadioButton*>(QStringLiteral("optNorth"))->click();
        ok = Save(chart, folder, "chart-north.png") && ok;
        chart->findChild<QRadioButton*>(QStringLiteral("optSouth"))->click();
        chart->ShowVarga(tamovid::Varga::kD9);
        ok = Save(chart, folder, "navamsa-south.png") && ok;
        chart->ShowVarga(tamovid::Varga::kD1);
        chart->close();
    } else {
        ok = false;
    }
    d.window->cmdDasha_Click();
    if (tamovid::DashaView* dasha = d.window->Dasha()) {
        dasha->resize(kDashaWindowSize);
        ok = Save(dasha, folder, "dasha.png") && ok;
        dasha->close();
    } else {
        ok = false;
    }
    const auto printable = d.window->Printable();
    ok = printable &&
         tamovid::WriteReadingPdf(folder.filePath(QStringLiteral("reading-page.pdf")).toStdString(),
                                  *printable, QPageSize(QPageSize::A4))
             .ok() &&
         ok;
    return ok ? 0 : 1;
}
