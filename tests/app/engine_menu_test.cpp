#include <QAbstractButton>
#include <QAction>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "tamovid/app/options/options_menus.h"
#include "window_driver.h"

using tamovid::Engine;
using tamovid::testing::WindowDriver;

class EngineMenuTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<QSettings> settings_;
    WindowDriver d_;

    void AddMenu() { tamovid::AddOptionsMenus(*d_.window, settings_.get()); }
    QAction* precise() const {
        return d_.window->findChild<QAction*>(QStringLiteral("mnuPrecise"));
    }

private slots:
    void init() {
        settings_ = std::make_unique<QSettings>(dir_.filePath(QStringLiteral("settings.ini")),
                                                QSettings::IniFormat);
        settings_->clear();
        d_.Start();
    }
    void cleanup() {
        d_.window.reset();
        settings_.reset();
    }

    void comesAfterTheWindowsMenusAndStartsClassic() {
        AddMenu();
        QStringList texts;
        for (QAction* action : d_.window->menuBar()->actions()) texts << action->text();
        QCOMPARE(texts, QStringList({"&File", "&Help", "Donate", "O&ptions"}));
        QVERIFY(precise()->isCheckable());
        QVERIFY(!precise()->isChecked());
        QCOMPARE(d_.window->CurrentEngine(), Engine::kClassic);
    }

    void choiceIsRememberedAndAnUnknownValueMeansClassic() {
        AddMenu();
        precise()->trigger();
        QCOMPARE(d_.window->CurrentEngine(), Engine::kPrecise);
        d_.Start();  // the next run
        AddMenu();
        QVERIFY(precise()->isChecked());
        QCOMPARE(d_.window->CurrentEngine(), Engine::kPrecise);

        settings_->setValue(QStringLiteral("Settings/Engine"), QStringLiteral("fast"));
        d_.Start();
        AddMenu();
        QVERIFY(!precise()->isChecked());
        QCOMPARE(d_.window->CurrentEngine(), Engine::kClassic);
    }

    void readingShowsTheEngineThatComputedIt() {
        AddMenu();
        d_.EnterNewYork1976();
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.Text(QStringLiteral("lblAsc")), QStringLiteral("05 Lib 13"));
        QCOMPARE(d_.Text(QStringLiteral("lblEngine")), QStringLiteral("Classic positions"));

        precise()->trigger();
        d_.Click(QStringLiteral("cmdBack"));
        d_.Click(QStringLiteral("cmdCalculate"));
        QCOMPARE(d_.Text(QStringLiteral("lblAsc")), QStringLiteral("05 Lib 14"));
        QCOMPARE(d_.Text(QStringLiteral("lblEngine")),
                 QStringLiteral("Precise positions, Lahiri ayanamsa"));
    }
};

QTEST_MAIN(EngineMenuTest)
#include "engine_menu_test.moc"
