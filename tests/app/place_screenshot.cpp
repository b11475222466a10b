// Draws the pictures of the documentation: the place search with its list open, then
// the main window with the place chosen. Run under xvfb-run with the two PNG paths.
// Not a test; built on request only.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCompleter>
#include <QScreen>

#include "tamovid/app/place_completer.h"
#include "window_driver.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (argc < 3) {
        return 2;
    }
    tamovid::testing::WindowDriver d;
    d.Start();
    d.window->move(0, 0);
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
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(
        0, shown.x(), shown.y(), shown.width(), shown.height());
    if (!popup->isVisible() || !shot.save(QString::fromLocal8Bit(argv[1]))) {
        return 1;
    }
    QTest::keyClick(popup, Qt::Key_Return);
    QTest::qWait(100);
    return d.window->grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
