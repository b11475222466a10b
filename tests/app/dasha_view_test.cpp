#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

#include "tamovid/app/dashaview/dasha_view.h"
#include "tamovid/fullreading/full_reading.h"
#include "tamovid/test_support/birth_of.h"
#include "tamovid/test_support/sample_entries.h"
#include "window_driver.h"

using tamovid::DashaView;
using tamovid::testing::WindowDriver;

class DashaViewTest : public QObject {
    Q_OBJECT

    WindowDriver d_;

private slots:
    void init() { d_.Start(); }
    void cleanup() { d_.window.reset(); }

    // Ctrl+D opens it; nine maha periods of nine sub periods each; the one running at the
    // moment given is marked and opened; Ctrl+C copies every period; Escape closes it.
    void opensWithCtrlDMarksTheRunningPeriodAndCopies() {
        d_.EnterDelhi1947();
        d_.Click(QStringLiteral("cmdCalculate"));
        QTest::keyClick(d_.window.get(), Qt::Key_D, Qt::ControlModifier);
        DashaView* view = d_.window->Dasha();
        QVERIFY(view != nullptr && view->isVisible());
        auto* tree = view->findChild<QTreeWidget*>(QStringLiteral("treDasha"));
        QCOMPARE(tree->topLevelItemCount(), 9);
        QCOMPARE(tree->topLevelItem(8)->childCount(), 9);

        tamovid::ChartSession session;
        session.Calculate(tamovid::testing_support::BirthOf(tamovid::testing_support::Delhi1947()));
        const tamovid::FullReading full = ComputeFullReading(session, {.dasha = true});
        const tamovid::Vimshottari& dasha = *full.dasha;
        const double aYearOn = dasha.maha[1].period.start + 365;
        view->ShowReading(full, aYearOn);
        QCOMPARE(view->findChild<QLabel*>(QStringLiteral("lblBalance"))->text(),
                 QString::fromStdString(BalanceText(dasha)));
        QTreeWidgetItem* running = tree->topLevelItem(1);
        QVERIFY(running->isExpanded());
        QVERIFY(!tree->topLevelItem(0)->isExpanded());
        QVERIFY(running->font(0).bold());
        QCOMPARE(running->text(4), QStringLiteral("running today"));
        // The second period begins when the balance runs out.
        QCOMPARE(running->text(3).toStdString(), DashaSpanText(SpanOf(dasha.BalanceDays(), dasha.year)));
        QCOMPARE(tree->topLevelItem(0)->text(3), QString());  // it began before the birth

        QApplication::clipboard()->clear();
        QTest::keyClick(tree, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split(u'\n');
        QCOMPARE(lines.size(), 3 + 9 * 10 + 1);  // balance, who, heading, periods, last break
        QVERIFY(lines.at(1).contains(QStringLiteral("sidereal years of 365.256363 days")));
        QVERIFY(lines.at(3 + 10).endsWith(QStringLiteral("\trunning today")));
        QVERIFY(lines.at(3 + 11).startsWith(QStringLiteral("  ")));

        if (const QByteArray folder = qgetenv("TAMOVID_SCREENSHOT_DIR"); !folder.isEmpty()) {
            QVERIFY(view->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/dasha.png")));
        }
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!view->isVisible());
    }
};

QTEST_MAIN(DashaViewTest)
#include "dasha_view_test.moc"
