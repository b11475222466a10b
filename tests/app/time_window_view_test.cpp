#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QtTest>

#include "tamovid/app/timewindow/time_window_view.h"
#include "tamovid/timewindow/window_text.h"
#include "window_driver.h"

using tamovid::TimeWindowView;
using tamovid::testing::WindowDriver;

class TimeWindowViewTest : public QObject {
    Q_OBJECT

    WindowDriver d_;

private slots:
    void init() { d_.Start(); }
    void cleanup() { d_.window.reset(); }

    void beforeAnyChartCtrlTSaysSo() {
        QTest::keyClick(d_.window.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(d_.ui.messages.size(), std::size_t{1});
        QVERIFY(
            d_.ui.messages.front().text.startsWith(QStringLiteral("There is no chart to show")));
        QVERIFY(d_.window->TimeWindow() == nullptr);
    }

    void opensFromThePanelShowsEveryBodyCopiesAndClosesWithEscape() {
        d_.EnterDelhi1947();
        d_.Click(QStringLiteral("cmdCalculate"));
        d_.Click(QStringLiteral("cmdTimeWindow"));
        TimeWindowView* view = d_.window->TimeWindow();
        QVERIFY(view != nullptr && view->isVisible());
        tamovid::timewindow::WindowChart chart =
            tamovid::timewindow::WindowChartOf(d_.window->Printable()->reading, true);
        chart.upagrahas = tamovid::upagrahas::UpagrahaOptions{};
        const tamovid::timewindow::TimeWindow expected = tamovid::timewindow::ComputeTimeWindow(chart);
        QCOMPARE(view->Window().bodies.size(), expected.bodies.size());
        QCOMPARE(view->Window().bodies.size(),
                 std::size_t{tamovid::timewindow::kBodyCountWithUpagrahas});

        d_.Click(QStringLiteral("cmdCopyTimeWindow"));
        const QStringList lines = QApplication::clipboard()->text().split(u'\n');
        QCOMPARE(lines.at(0), QString::fromStdString(HouseShiftSentence(expected)));
        QVERIFY(lines.at(1).contains(QStringLiteral("Asha Rao")));
        QVERIFY(lines.at(3).startsWith(QStringLiteral("Ascendant\t")));
        QCOMPARE(lines.at(3).count(u'\t'), 6);

        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!view->isVisible());
    }
};

QTEST_MAIN(TimeWindowViewTest)
#include "time_window_view_test.moc"
