#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "fake_user_interface.h"
#include "tamovid/app/dialogs/frm_about.h"
#include "tamovid/app/mainform/frm_main.h"
#include "tamovid/app/dialogs/user_interface.h"
#include "tamovid/app/desktop/web_links.h"

using tamovid::FrmAbout;
using tamovid::WebPage;
using tamovid::testing::FakeUserInterface;

Q_DECLARE_METATYPE(tamovid::WebPage)

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void boxShowsItsTexts() {
        FakeUserInterface ui;
        FrmAbout about(ui);
        QCOMPARE(about.windowTitle(), QStringLiteral("Tamovid v1.15"));
        QCOMPARE(about.size(), QSize(419, 251));
        QVERIFY(about.isModal());
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
                 QStringLiteral("Tamovid v1.15"));
        QVERIFY2(!about.findChild<QLabel*>(QStringLiteral("imgIcon"))->pixmap().isNull(),
                 "the built-in icon loads");
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblHomePage"))->text(),
                 QStringLiteral("Click here to visit ") +
                     tamovid::WebAddress(WebPage::kHomePage).toString());
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblCobrand"))->text(),
                 QStringLiteral("Click here for more details."));
    }

    void linksOpenTheirPages_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<WebPage>("page");
        QTest::newRow("home page") << "lblHomePage" << WebPage::kHomePage;
        QTest::newRow("branding offer") << "lblCobrand" << WebPage::kFullBrand;
    }
    void linksOpenTheirPages() {
        QFETCH(QString, label);
        QFETCH(WebPage, page);
        FakeUserInterface ui;
        FrmAbout about(ui);
        about.show();
        QTest::mouseClick(about.findChild<QLabel*>(label), Qt::LeftButton);
        QCOMPARE(ui.urls, std::vector<QUrl>{tamovid::WebAddress(page)});
        QVERIFY2(about.isVisible(), "a link leaves the box open");
    }

    void boxBlocksTheWindowUntilOk() {
        tamovid::DesktopUserInterface ui;
        tamovid::FrmMain window(ui);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto* south = window.findChild<QRadioButton*>(QStringLiteral("optLat1"));
        const QPoint southInWindow = south->mapTo(&window, south->rect().center());
        const auto clickSouth = [&] {
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, southInWindow);
        };

        bool sawModalBox = false;
        bool southChangedWhileOpen = true;
        QTimer::singleShot(0, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            sawModalBox = modal != nullptr && modal->objectName() == QStringLiteral("frmAbout");
            clickSouth();
            southChangedWhileOpen = south->isChecked();
            if (modal != nullptr) {
                QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                                  Qt::LeftButton);
            }
        });
        window.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();

        QVERIFY(sawModalBox);
        QVERIFY2(!southChangedWhileOpen, "the window took a click while the box was open");
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        clickSouth();
        QVERIFY2(south->isChecked(), "after OK the window takes clicks again");
    }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
