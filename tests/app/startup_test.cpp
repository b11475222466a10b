#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QStackedWidget>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#include "fake_user_interface.h"
#include "tamovid/app/mainform/frm_main.h"
#include "tamovid/app/options/settings_file.h"
#include "tamovid/app/desktop/single_instance.h"
#include "tamovid/app/desktop/startup.h"
#include "tamovid/app/desktop/update_reminder.h"
#include "tamovid/app/desktop/web_links.h"
#include "tamovid/chartfile/codepage.h"
#include "tamovid/chartfile/text_shift.h"

using tamovid::StartupContext;

Q_DECLARE_METATYPE(std::optional<QString>)
using tamovid::testing::FakeUserInterface;

namespace {

const QDate kToday(2026, 12, 8);

// How the setting looks on disk: shifted, then read as Windows-1252.
QString Shifted(const QString& plain) {
    return QString::fromStdString(
        tamovid::Windows1252ToUtf8(tamovid::ScrambleText(plain.toStdString())));
}

QString RawKey() { return QStringLiteral("Settings/") + Shifted(QStringLiteral("Duration")); }

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    FakeUserInterface ui_;
    std::unique_ptr<QSettings> settings_;

    QString settingsPath() const { return dir_.filePath(QStringLiteral("settings.ini")); }
    QString lockPath() const { return dir_.filePath(QStringLiteral("tamovid.lock")); }

    StartupContext context(double random = 0.5) {
        return StartupContext{
            .ui = &ui_,
            .settings = settings_.get(),
            .today = [] { return kToday; },
            .random = [random] { return random; },
            .lockPath = lockPath(),
            .chartFile = {},
            .handoffPath = {},
        };
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir_.isValid());
    }
    void init() {
        ui_ = FakeUserInterface();
        QFile::remove(settingsPath());
        QFile::remove(lockPath());
        settings_ = std::make_unique<QSettings>(settingsPath(), QSettings::IniFormat);
    }
    void cleanup() { settings_.reset(); }

    void reminder_data() {
        QTest::addColumn<std::optional<QString>>("stored");  // raw setting; none = missing
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<std::optional<QString>>("storedAfter");  // raw; none = unchanged
        QTest::addColumn<bool>("opensDownload");

        const auto daysAgo = [](int days) {
            return std::optional(Shifted(kToday.addDays(-days).toString(Qt::ISODate)));
        };
        const std::optional<QString> today = Shifted(kToday.toString(Qt::ISODate));
        const std::optional<QString> unchanged;
        QTest::newRow("first start: nothing asked, today stored")
            << std::optional<QString>() << false << false << today << false;
        QTest::newRow("empty value counts as first start")
            << std::optional(QString()) << false << false << today << false;
        QTest::newRow("same day: nothing") << daysAgo(0) << false << false << unchanged << false;
        QTest::newRow("14 days ago: nothing")
            << daysAgo(14) << false << false << unchanged << false;
        QTest::newRow("14 days ahead: nothing")
            << daysAgo(-14) << false << false << unchanged << false;
        QTest::newRow("15 days ago, No: asked, today stored")
            << daysAgo(15) << false << true << today << false;
        QTest::newRow("15 days ago, Yes: download page opened")
            << daysAgo(15) << true << true << today << true;
        QTest::newRow("15 days ahead (clock moved back): asked")
            << daysAgo(-15) << false << true << today << false;
        QTest::newRow("years ago: asked") << daysAgo(3000) << false << true << today << false;
        QTest::newRow("unreadable: plain text is not shifted")
            << std::optional(QStringLiteral("2026-11-01")) << true << false << unchanged << false;
        QTest::newRow("unreadable: shifted text that is no date")
            << std::optional(Shifted(QStringLiteral("12/08/2026"))) << true << false << unchanged
            << false;
        QTest::newRow("unreadable: shifted date with trailing text")
            << std::optional(Shifted(QStringLiteral("2026-11-01x"))) << true << false << unchanged
            << false;
        QTest::newRow("unreadable: impossible date")
            << std::optional(Shifted(QStringLiteral("2026-02-30"))) << true << false << unchanged
            << false;
        QTest::newRow("unreadable: not a Windows-1252 text")
            << std::optional(QStringLiteral("\u4e2d\u6587")) << true << false << unchanged << false;
    }
    void reminder() {
        QFETCH(std::optional<QString>, stored);
        QFETCH(bool, answer);
        QFETCH(bool, asked);
        QFETCH(std::optional<QString>, storedAfter);
        QFETCH(bool, opensDownload);
        if (stored) {
            settings_->setValue(RawKey(), *stored);
        }
        ui_.answer = answer;

        tamovid::RunUpdateReminder(*settings_, kToday, ui_);

        QCOMPARE(ui_.questions.size(), std::size_t{asked ? 1u : 0u});
        if (asked) {
            QCOMPARE(ui_.questions.front(),
                     QStringLiteral("There maybe an update to this software available\r"
                                    "Do you want to check for an update?"));
        }
        QCOMPARE(settings_->value(RawKey()).toString(),
                 storedAfter.value_or(stored.value_or(QString())));
        QCOMPARE(settings_->allKeys().size(), qsizetype{(stored || storedAfter) ? 1 : 0});
        QCOMPARE(ui_.urls.size(), std::size_t{opensDownload ? 1u : 0u});
        if (opensDownload) {
            QCOMPARE(ui_.urls.front(), tamovid::WebAddress(tamovid::WebPage::kDownload));
        }
        QVERIFY(ui_.messages.empty());
    }

    void reminderDateSurvivesTheSettingsFile() {
        // Several shifted digits land on Windows-1252 codes that are control characters.
        const QDate date(2028, 8, 18);
        tamovid::WriteReminderDate(*settings_, date);
        settings_.reset();
        QSettings reopened(settingsPath(), QSettings::IniFormat);
        QCOMPARE(reopened.childGroups(), QStringList{QStringLiteral("Settings")});
        QVERIFY2(!reopened.allKeys().contains(QStringLiteral("Settings/Duration")),
                 "the key is stored shifted");
        const tamovid::StoredReminder read = tamovid::ReadReminderDate(reopened);
        QCOMPARE(read.state, tamovid::StoredReminder::State::kDate);
        QCOMPARE(read.date, date);
    }

    void startShowsTheWindowAfterTheReminder() {
        settings_->setValue(RawKey(), Shifted(kToday.addDays(-30).toString(Qt::ISODate)));
        const std::unique_ptr<tamovid::Session> session = tamovid::StartSession(context(0.0));
        QVERIFY(session);
        QCOMPARE(ui_.questions.size(), std::size_t{1});
        QVERIFY(session->window().isVisible());
        auto* strip = session->window().findChild<QWidget*>(QStringLiteral("fraFullBrand"));
        QCOMPARE(strip->childAt(strip->rect().center())->objectName(),
                 QStringLiteral("lblCobrand"));
    }

    void chartNamedAtStartOpensAsOpenDoes_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("message");  // empty: none
        QTest::newRow("a chart: calculated") << TAMOVID_SAMPLE_CHART << "Frame2" << QString();
        QTest::newRow("capital ending: refused unread")
            << dir_.filePath(QStringLiteral("chart.VUG")) << "Frame1"
            << "Please Check The File.";
        QTest::newRow("missing file: its reason")
            << dir_.filePath(QStringLiteral("gone.vug")) << "Frame1"
            << dir_.filePath(QStringLiteral("gone.vug"));
    }
    void chartNamedAtStartOpensAsOpenDoes() {
        QFETCH(QString, file);
        QFETCH(QString, message);
        StartupContext start = context();
        start.chartFile = file;

        const std::unique_ptr<tamovid::Session> session = tamovid::StartSession(start);

        QVERIFY(session);
        auto* panels = session->window().findChild<QStackedWidget*>(QStringLiteral("panels"));
        QTEST(panels->currentWidget()->objectName(), "panel");
        if (message.isEmpty()) {
            QVERIFY(ui_.messages.empty());
            QCOMPARE(session->window().findChild<QLabel*>(QStringLiteral("lblSun"))->text(),
                     QStringLiteral("27 Can 59"));
        } else {
            QCOMPARE(ui_.messages.size(), std::size_t{1});
            QVERIFY2(ui_.messages.front().text.contains(message),
                     qPrintable(ui_.messages.front().text));
        }
    }

    void copyStartsAgainAfterTheFirstEnds() {
        QVERIFY(tamovid::StartSession(context()));
        QVERIFY(tamovid::StartSession(context()));
        QVERIFY(ui_.messages.empty());
    }

    void unwritableLockPlaceDoesNotLockTheUserOut() {
        StartupContext start = context();
        start.lockPath = dir_.filePath(QStringLiteral("no-such-folder/tamovid.lock"));
        QVERIFY(tamovid::StartSession(start));
        QVERIFY(ui_.messages.empty());
    }

    void lockFileOfNoLiveCopyDoesNotBlock_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("readable");
        QProcess finished;  // a process id that no longer exists, as a crash leaves it
        finished.start(QStringLiteral("true"));
        finished.waitForFinished();
        const QByteArray dead = QByteArray::number(finished.processId()) + "\nTamovid\n" +
                                QSysInfo::machineHostName().toUtf8() + "\n";
        QTest::newRow("empty (crash while creating it)") << QByteArray() << true;
        static constexpr char kGarbage[] = "\xff\x00 not a lock\n";  // holds a NUL on purpose
        QTest::newRow("garbage") << QByteArray(kGarbage, sizeof kGarbage - 1) << true;
        QTest::newRow("another host") << QByteArray("1\nTamovid\nsome-other-host\n") << true;
        QTest::newRow("a crashed copy") << dead << true;
        QTest::newRow("unreadable") << QByteArray("1\n") << false;
    }
    void lockFileOfNoLiveCopyDoesNotBlock() {
        QFETCH(QByteArray, content);
        QFETCH(bool, readable);
        QFile lock(lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(content);
        lock.close();
        if (!readable) {
            QVERIFY(lock.setPermissions(QFileDevice::Permissions()));
        }
        QVERIFY(tamovid::StartSession(context()));
        QVERIFY(ui_.messages.empty());
    }

    void oversizedSettingsFileIsNotReadAndStartGoesOn() {
        const QString path = dir_.filePath(QStringLiteral("huge.conf"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Settings]\n" + RawKey().toUtf8() + "=" +
                       Shifted(kToday.addDays(-30).toString(Qt::ISODate)).toUtf8() + "\n");
            file.write(QByteArray(tamovid::kMaxSettingsFileBytes, ';'));
        }
        const qint64 size = QFileInfo(path).size();
        QVERIFY(!tamovid::OpenSettingsFile(path));
        QVERIFY(tamovid::OpenSettingsFile(settingsPath()));  // a small one is read
        StartupContext start = context();
        start.settings = nullptr;
        const std::unique_ptr<tamovid::Session> session = tamovid::StartSession(start);
        QVERIFY(session);
        QVERIFY(session->window().isVisible());
        QVERIFY(ui_.questions.empty());
        QCOMPARE(QFileInfo(path).size(), size);
    }

    void copyInAnotherProcessIsDetected() {
        const QString flock = QStandardPaths::findExecutable(QStringLiteral("flock"));
        if (flock.isEmpty()) {
            QSKIP("flock(1) is not installed");
        }
        QFile::remove(lockPath());
        QProcess holder;
        holder.start(flock, {QStringLiteral("--no-fork"), lockPath(), QStringLiteral("sleep"),
                             QStringLiteral("30")});
        QVERIFY(holder.waitForStarted());
        QTRY_VERIFY(QFile::exists(lockPath()));
        QTRY_VERIFY(!tamovid::SingleInstanceLock(lockPath()).tryAcquire());
        QVERIFY(!tamovid::StartSession(context()));
        QCOMPARE(ui_.messages.size(), std::size_t{1});
        QCOMPARE(ui_.messages.front().text, QStringLiteral("Application is already running"));
        holder.kill();
        holder.waitForFinished();
        ui_.messages.clear();
        QVERIFY(tamovid::StartSession(context()));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
