#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QtTest>

#include <memory>

#include "fake_user_interface.h"
#include "tamovid/app/frm_main.h"

namespace tamovid::testing {

/// The real main window on the fake desktop, with helpers that act as a user would.
class WindowDriver {
public:
    FakeUserInterface ui;
    std::unique_ptr<FrmMain> window;

    /// A fresh, shown and active window; the fake forgets everything it recorded.
    void Start() {
        ui = FakeUserInterface();
        window = std::make_unique<FrmMain>(ui);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T = QWidget>
    T* child(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        if (widget == nullptr) {
            qFatal("no control named %s", qPrintable(name));
        }
        return widget;
    }

    QLineEdit* field(const QString& name) const { return child<QLineEdit>(name); }

    /// Empties a field with the keyboard, then types the text into it key by key.
    void Type(const QString& name, const QString& text) const {
        QLineEdit* edit = field(name);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        while (!edit->text().isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Backspace);
        }
        for (const QChar c : text) {
            // QTest maps only ASCII to keys; other characters come as text, as an
            // input of another keyboard layout delivers them.
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
    }

    /// Chooses the list entry with this text, as picking it from the drop-down does.
    void Choose(const QString& list, const QString& entry) const {
        auto* box = child<QComboBox>(list);
        const int position = box->findText(entry, Qt::MatchExactly);
        if (position < 0) {
            qFatal("%s has no entry %s", qPrintable(list), qPrintable(entry));
        }
        box->setCurrentIndex(position);
    }

    void Click(const QString& name) const {
        QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton);
    }

    QString Text(const QString& label) const { return child<QLabel>(label)->text(); }

    QStringList ResultLines() const {
        QStringList lines;
        for (int i = 0; i < 5; ++i) {
            lines << Text(QStringLiteral("lblResult%1").arg(i));
        }
        return lines;
    }

    QString PanelInFront() const {
        return child<QStackedWidget>(QStringLiteral("panels"))->currentWidget()->objectName();
    }

    QStringList MessageTexts() const {
        QStringList texts;
        for (const auto& message : ui.messages) {
            texts << message.text;
        }
        return texts;
    }

    QString FocusName() const {
        QWidget* focus = QApplication::focusWidget();
        return focus == nullptr ? QString() : focus->objectName();
    }

    /// 15 August 1947, 00:00, Indian Time, 28°39' N, 77°13' E, typed and chosen.
    void EnterDelhi1947() const {
        Type(QStringLiteral("txtName"), QStringLiteral("Asha Rao"));
        Choose(QStringLiteral("cboDate"), QStringLiteral("15"));
        Choose(QStringLiteral("cboMonth"), QStringLiteral("August"));
        Choose(QStringLiteral("cboYear"), QStringLiteral("1947"));
        Choose(QStringLiteral("cboHour"), QStringLiteral("0"));
        Choose(QStringLiteral("cboMinute"), QStringLiteral("0"));
        Choose(QStringLiteral("cboTimeZone"), QStringLiteral("Indian Time, IST, 5.3"));
        Type(QStringLiteral("txtLatDeg"), QStringLiteral("28"));
        Type(QStringLiteral("txtLatMin"), QStringLiteral("39"));
        Click(QStringLiteral("optLat0"));
        Type(QStringLiteral("txtLonDeg"), QStringLiteral("77"));
        Type(QStringLiteral("txtLonMin"), QStringLiteral("13"));
        Click(QStringLiteral("optLong0"));
        Type(QStringLiteral("txtCity"), QStringLiteral("New Delhi"));
        Type(QStringLiteral("txtState"), QStringLiteral("Delhi"));
        Type(QStringLiteral("txtCountry"), QStringLiteral("India"));
    }

    /// 4 July 1976, 14:30, Eastern Daylight Time, 40°42' N, 74°0' W: west, with DST.
    void EnterNewYork1976() const {
        Type(QStringLiteral("txtName"), QStringLiteral("Dana Brooks"));
        Choose(QStringLiteral("cboDate"), QStringLiteral("4"));
        Choose(QStringLiteral("cboMonth"), QStringLiteral("July"));
        Choose(QStringLiteral("cboYear"), QStringLiteral("1976"));
        Choose(QStringLiteral("cboHour"), QStringLiteral("14"));
        Choose(QStringLiteral("cboMinute"), QStringLiteral("30"));
        Choose(QStringLiteral("cboTimeZone"), QStringLiteral("Eastern Standard Time,EST,-5.0"));
        child<QAbstractButton>(QStringLiteral("chkDST"))->setChecked(true);
        Type(QStringLiteral("txtLatDeg"), QStringLiteral("40"));
        Type(QStringLiteral("txtLatMin"), QStringLiteral("42"));
        Click(QStringLiteral("optLat0"));
        Type(QStringLiteral("txtLonDeg"), QStringLiteral("74"));
        Type(QStringLiteral("txtLonMin"), QStringLiteral("0"));
        Click(QStringLiteral("optLong1"));
        Type(QStringLiteral("txtCity"), QStringLiteral("New York"));
        Type(QStringLiteral("txtState"), QStringLiteral("New York"));
        Type(QStringLiteral("txtCountry"), QStringLiteral("USA"));
    }

    /// 1 March 1990, 6:05, three hours behind Universal Time, 23°33' S, 46°38' W: south and west.
    void EnterSaoPaulo1990() const {
        Type(QStringLiteral("txtName"), QStringLiteral("Maria Silva"));
        Choose(QStringLiteral("cboDate"), QStringLiteral("1"));
        Choose(QStringLiteral("cboMonth"), QStringLiteral("March"));
        Choose(QStringLiteral("cboYear"), QStringLiteral("1990"));
        Choose(QStringLiteral("cboHour"), QStringLiteral("6"));
        Choose(QStringLiteral("cboMinute"), QStringLiteral("5"));
        Choose(QStringLiteral("cboTimeZone"), QStringLiteral("Atlantic War Time,AWT,-3.0"));
        Type(QStringLiteral("txtLatDeg"), QStringLiteral("23"));
        Type(QStringLiteral("txtLatMin"), QStringLiteral("33"));
        Click(QStringLiteral("optLat1"));
        Type(QStringLiteral("txtLonDeg"), QStringLiteral("46"));
        Type(QStringLiteral("txtLonMin"), QStringLiteral("38"));
        Click(QStringLiteral("optLong1"));
        Type(QStringLiteral("txtCity"), QStringLiteral("Sao Paulo"));
        Type(QStringLiteral("txtState"), QStringLiteral("Sao Paulo"));
        Type(QStringLiteral("txtCountry"), QStringLiteral("Brazil"));
    }
};

}  // namespace tamovid::testing
