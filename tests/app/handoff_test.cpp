// Chart files handed from later copies to the running window: one at a time, never inside
// a box or dialog, in the order they came, over a server that hostile clients cannot close.
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "fake_user_interface.h"
#include "tamovid/app/desktop/chart_handoff.h"
#include "tamovid/app/chartwindow/chart_window.h"
#include "tamovid/app/mainform/frm_main.h"
#include "tamovid/app/desktop/startup.h"
#include "tamovid/app/desktop/update_reminder.h"
#include "tamovid/birthentry/chart_session.h"
#include "window_driver.h"

using tamovid::HandChartToRunningCopy;
using tamovid::StartupContext;

namespace {

constexpr int kServedMs = 20000;

/// Runs a client on a thread of its own while this one serves, as a later copy runs
/// beside the window; its result once it is done.
bool WhileServing(const std::function<bool()>& client) {
    std::atomic<bool> done = false;
    bool result = false;
    std::thread thread([&] {
        result = client();
        done = true;
    });
    QDeadlineTimer limit(kServedMs);
    while (!done && !limit.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    thread.join();
    return result;
}

/// Resident memory of this process in KiB.
long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

/// A connected client socket, or -1.
int Connect(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.end(), address.sun_path);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

/// The fake desktop whose boxes and dialogs run an event loop while open, as real ones
/// do, and can have a later copy hand over a file meanwhile.
class LiveUserInterface : public tamovid::testing::FakeUserInterface {
public:
    int open = 0;
    int deepest = 0;
    std::function<void()> whileOpen;  ///< run inside every box and dialog, once

    template <typename Ask>
    auto Open(Ask ask) {
        deepest = std::max(deepest, ++open);
        if (auto once = std::exchange(whileOpen, nullptr)) once();
        QCoreApplication::processEvents();
        struct Close {
            int& open;
            ~Close() { --open; }
        } close{open};
        return ask();
    }

    void message(const QString& text, QMessageBox::Icon icon) override {
        Open([&] { FakeUserInterface::message(text, icon); });
    }
    bool question(const QString& text) override {
        return Open([&] { return FakeUserInterface::question(text); });
    }
    void showAbout(QWidget* parent) override {
        Open([&] { FakeUserInterface::showAbout(parent); });
    }
    QString getSaveFileName(QWidget* parent, const QString& initialName) override {
        return Open([&] { return FakeUserInterface::getSaveFileName(parent, initialName); });
    }
    QString getOpenFileName(QWidget* parent) override {
        return Open([&] { return FakeUserInterface::getOpenFileName(parent); });
    }
    QString getSaveImageName(QWidget* parent, const QString& initialName) override {
        return Open([&] { return FakeUserInterface::getSaveImageName(parent, initialName); });
    }
    QString getPdfFileName(QWidget* parent, const QString& initialName) override {
        return Open([&] { return FakeUserInterface::getPdfFileName(parent, initialName); });
    }
    void printPreview(QWidget* parent, const tamovid::PrintRequest& request) override {
        Open([&] { FakeUserInterface::printPreview(parent, request); });
    }
};

}  // namespace

class HandoffTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    LiveUserInterface ui_;
    QString chartB_;
    std::string nameA_;
    std::string nameB_ = "Dana Brooks";

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString socketPath() const { return path(QStringLiteral("tamovid.socket")); }

    StartupContext context(const QString& chartFile = {}) {
        return StartupContext{
            .ui = &ui_,
            .settings = nullptr,
            .today = [] { return QDate(2026, 12, 8); },
            .random = [] { return 0.5; },
            .lockPath = path(QStringLiteral("tamovid.lock")),
            .chartFile = chartFile,
            .handoffPath = socketPath(),
        };
    }

    /// A later copy started with this file (or none), on a thread of its own.
    bool SecondCopy(const QString& chartFile) {
        return WhileServing([this, chartFile] { return !tamovid::StartSession(context(chartFile)); });
    }

    static std::string Shown(tamovid::Session& session) {
        return session.window().LastRecord().strName;
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir_.isValid());
        tamovid::testing::WindowDriver driver;
        driver.Start();
        driver.EnterNewYork1976();
        driver.Click(QStringLiteral("cmdCalculate"));
        chartB_ = path(QStringLiteral("b.vug"));
        driver.ui.saveAnswers.push_back(chartB_);
        driver.window->cmdSave_Click();
        QVERIFY(QFile::exists(chartB_));
        const auto sample = tamovid::ChartSession::Open(TAMOVID_SAMPLE_CHART);
        QVERIFY(sample.ok());
        nameA_ = sample.value().entry.txtName;
    }
    void init() { ui_ = LiveUserInterface(); }

    // A copy started while the first still asks its start-up question found no one
    // listening and lost its file; a killed copy's socket file kept later copies out.
    void fileHandedOverBeforeTheWindowIsOpenedOnceItIs() {
        {  // what a killed copy leaves: a socket file nobody listens on
            const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const QByteArray name = QFile::encodeName(socketPath());
            std::copy(name.begin(), name.end(), address.sun_path);
            QCOMPARE(::bind(stale, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
            ::close(stale);
        }
        QSettings settings(path(QStringLiteral("settings.ini")), QSettings::IniFormat);
        tamovid::WriteReminderDate(settings, QDate(2026, 1, 1));  // long ago: a question
        bool handedOver = false;
        ui_.whileOpen = [&] {
            handedOver = WhileServing([this] { return HandChartToRunningCopy(socketPath(), chartB_); });
        };
        StartupContext start = context(TAMOVID_SAMPLE_CHART);
        start.settings = &settings;
        const auto session = tamovid::StartSession(start);
        QCOMPARE(ui_.questions.size(), std::size_t{1});
        QVERIFY(handedOver);
        QTRY_COMPARE(Shown(*session), nameB_);  // the start file first, then the one handed over
    }

    // Saving chart A while chart B was handed over wrote B under A's name; each dialog now
    // works on its own chart and the handed-over one opens after it.
    void handOffDuringADialogWaitsForIt_data() {
        QTest::addColumn<QString>("dialog");
        for (const char* dialog : {"save", "save image", "export pdf", "print", "open", "about"}) {
            QTest::newRow(dialog) << QString::fromLatin1(dialog);
        }
    }
    void handOffDuringADialogWaitsForIt() {
        QFETCH(QString, dialog);
        const auto session = tamovid::StartSession(context(TAMOVID_SAMPLE_CHART));
        tamovid::FrmMain& window = session->window();
        QCOMPARE(Shown(*session), nameA_);
        const QString written = path(QStringLiteral("written-") + dialog);
        ui_.saveAnswers = {written + QStringLiteral(".vug")};
        ui_.imageAnswers = {written + QStringLiteral("-a.svg"), written + QStringLiteral(".svg")};
        ui_.pdfAnswers = {written + QStringLiteral(".pdf")};
        ui_.openAnswers = {TAMOVID_SAMPLE_CHART};
        if (dialog == u"save image") {  // chart A's picture, without a hand-off
            window.cmdChart_Click();
            window.Chart()->findChild<QPushButton*>(QStringLiteral("cmdSaveImage"))->click();
        }
        std::string shownInside;
        ui_.whileOpen = [&] {
            QVERIFY(WhileServing([this] { return HandChartToRunningCopy(socketPath(), chartB_); }));
            QTest::qWait(100);  // the dialog stays open a while
            shownInside = Shown(*session);
        };
        if (dialog == u"save") window.cmdSave_Click();
        if (dialog == u"save image") {
            window.Chart()->findChild<QPushButton*>(QStringLiteral("cmdSaveImage"))->click();
        }
        if (dialog == u"export pdf") window.mnuExportPdf_Click();
        if (dialog == u"print") window.mnuPrint_Click();
        if (dialog == u"open") window.cmdOpen_Click();
        if (dialog == u"about") window.mnuAbout_Click();

        QCOMPARE(shownInside, nameA_);
        QCOMPARE(ui_.deepest, 1);
        QTRY_COMPARE(Shown(*session), nameB_);
        if (dialog == u"save") {
            const auto saved = tamovid::ChartSession::Open(
                QFile::encodeName(written + QStringLiteral(".vug")).toStdString());
            QVERIFY(saved.ok());
            QCOMPARE(saved.value().entry.txtName, nameA_);
        }
        if (dialog == u"save image") {
            QFile a(written + QStringLiteral("-a.svg"));
            QFile inside(written + QStringLiteral(".svg"));
            QVERIFY(a.open(QIODevice::ReadOnly) && inside.open(QIODevice::ReadOnly));
            QVERIFY2(a.readAll() == inside.readAll(), "the picture is chart A's");
        }
        QVERIFY(ui_.messages.empty());
    }

    // Each hand-off that raised a box opened inside the one before, until the window
    // crashed; files raising a box also came out of order.
    void thousandsOfHandOffsOpenOneAtATimeInOrder() {
        constexpr int kHandOffs = 3000;
        const auto session = tamovid::StartSession(context());
        const long before = ResidentKiB();
        QVERIFY(WhileServing([this] {
            for (int i = 0; i < kHandOffs; ++i) {
                const QString missing = path(QStringLiteral("gone-%1.vug").arg(i));
                if (!HandChartToRunningCopy(socketPath(), missing)) return false;
            }
            return true;
        }));
        QTRY_COMPARE(ui_.messages.size(), std::size_t{kHandOffs});
        const long after = ResidentKiB();
        qInfo("%d hand-offs, each raising a box: memory %ld KiB before, %ld KiB after", kHandOffs,
              before, after);
        QCOMPARE(ui_.deepest, 1);
        for (int i = 0; i < kHandOffs; ++i) {
            const QString missing = path(QStringLiteral("gone-%1.vug").arg(i));
            QVERIFY2(ui_.messages[i].text.contains(missing), qPrintable(ui_.messages[i].text));
        }
    }

    // A name holding a line feed was cut there and another file opened; the frame
    // carries any byte a name may hold and nothing else.
    void handOffTakesOnlyWholeFramedNames_data() {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("received");  // null: nothing
        const QByteArray name = QFile::encodeName(QStringLiteral("/charts/a\nb.vug"));
        const QByteArray frame = tamovid::HandoffFrame(name);
        QTest::newRow("a line feed in the name") << frame << QStringLiteral("/charts/a\nb.vug");
        QTest::newRow("only to the front") << tamovid::HandoffFrame({}) << QStringLiteral("");
        QTest::newRow("relative name") << tamovid::HandoffFrame("b.vug") << QString();
        QTest::newRow("cut short") << frame.chopped(1) << QString();
        QTest::newRow("bytes after the frame") << frame + "x" << QString();
        QTest::newRow("longer than the limit")
            << tamovid::HandoffFrame("/" + QByteArray(tamovid::kMaxHandoffPathBytes, 'a'))
            << QString();
        QTest::newRow("a NUL in the name") << tamovid::HandoffFrame(QByteArray("/a\0b", 4))
                                           << QString();
    }
    void handOffTakesOnlyWholeFramedNames() {
        QFETCH(QByteArray, sent);
        QFETCH(QString, received);
        QStringList names;
        tamovid::ChartHandoffServer server(socketPath(), [&names](const QString& file) { names << file; });
        QVERIFY(server.listening());
        const int client = Connect(socketPath());
        QVERIFY(client >= 0);
        QCOMPARE(::send(client, sent.constData(), sent.size(), MSG_NOSIGNAL), ssize_t{sent.size()});
        ::shutdown(client, SHUT_WR);
        char answer = 0;
        ssize_t got = -1;  // nothing yet
        for (QDeadlineTimer limit(kServedMs); got < 0 && !limit.hasExpired();) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            got = ::recv(client, &answer, 1, MSG_DONTWAIT);
        }
        ::close(client);
        QCOMPARE(got == 1, !received.isNull());
        QCOMPARE(server.connectionCount(), std::size_t{0});
        QCOMPARE(names, received.isNull() ? QStringList() : QStringList{received});
    }

    // A second copy started without a file only showed its message; the window the user
    // looks for now comes forward as well. A copy that finds no one listening says so.
    void secondCopyBringsTheRunningWindowForward_data() {
        QTest::addColumn<bool>("withChart");
        QTest::addColumn<bool>("firstListens");
        QTest::newRow("with a chart: opened") << true << true;
        QTest::newRow("without a chart: the message") << false << true;
        QTest::newRow("nobody listening: the message, the file not opened") << true << false;
    }
    void secondCopyBringsTheRunningWindowForward() {
        QFETCH(bool, withChart);
        QFETCH(bool, firstListens);
        StartupContext firstStart = context();
        if (!firstListens) firstStart.handoffPath.clear();
        const auto first = tamovid::StartSession(firstStart);
        first->window().showMinimized();
        QVERIFY(SecondCopy(withChart ? chartB_ : QString()));
        QCOMPARE(bool(first->window().windowState() & Qt::WindowMinimized), !firstListens);
        const bool opened = withChart && firstListens;
        QTRY_COMPARE(Shown(*first), opened ? nameB_ : std::string());
        QCOMPARE(ui_.messages.size(), std::size_t{opened ? 0u : 1u});
        if (!opened) {
            QCOMPARE(ui_.messages.front().text, QStringLiteral("Application is already running"));
        }
    }

    // 1,100 idle connections ran the window out of descriptors and closed its server for
    // good; later copies then lost their files.
    void serverOutlivesIdleClientsAndDescriptorExhaustion() {
        const auto session = tamovid::StartSession(context());
        const long before = ResidentKiB();
        constexpr int kIdle = 2000;
        std::vector<int> idle;
        for (int i = 0; i < kIdle; ++i) {
            idle.push_back(Connect(socketPath()));
            if (i % 32 == 0) QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
        QVERIFY(WhileServing([this] { return HandChartToRunningCopy(socketPath(), chartB_); }));
        QTRY_COMPARE(Shown(*session), nameB_);
        qInfo("%d idle connections held: memory %ld KiB before, %ld KiB after", kIdle, before,
              ResidentKiB());
        for (const int fd : idle) ::close(fd);

        // No descriptor left for the server to take the next connection with.
        const int client = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        rlimit limit{};
        QCOMPARE(::getrlimit(RLIMIT_NOFILE, &limit), 0);
        const rlimit low{.rlim_cur = 256, .rlim_max = limit.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &low), 0);
        std::vector<int> filler;
        for (int fd = ::dup(client); fd >= 0; fd = ::dup(client)) filler.push_back(fd);
        QVERIFY(errno == EMFILE && !filler.empty());
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(socketPath());
        std::copy(name.begin(), name.end(), address.sun_path);
        QCOMPARE(::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        const QByteArray frame = tamovid::HandoffFrame(QFile::encodeName(TAMOVID_SAMPLE_CHART));
        QCOMPARE(::send(client, frame.constData(), frame.size(), MSG_NOSIGNAL), ssize_t{frame.size()});
        QTest::qWait(300);
        for (const int fd : filler) ::close(fd);
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &limit), 0);
        QTRY_COMPARE(Shown(*session), nameA_);
        ::close(client);
        QVERIFY(session->listening());
        QVERIFY(WhileServing([this] { return HandChartToRunningCopy(socketPath(), chartB_); }));
        QTRY_COMPARE(Shown(*session), nameB_);
    }
};

QTEST_MAIN(HandoffTest)
#include "handoff_test.moc"
