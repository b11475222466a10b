#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QtTest>

#include <array>
#include <memory>

#include "fake_user_interface.h"
#include "tamovid/app/mainform/frm_main.h"

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

    /// Types and chooses a whole birth, control by control, top to bottom: the list entries
    /// are day, month, year, hour, minute and zone; latitude and longitude are degrees,
    /// minutes and the option to click; the place is city, state and country. The
    /// daylight-saving box is ticked or left as it is.
    void Enter(const char* name, const std::array<const char*, 6>& entries, bool daylightSaving,
               const std::array<const char*, 3>& latitude,
               const std::array<const char*, 3>& longitude,
               const std::array<const char*, 3>& place) const {
        static constexpr std::array kLists = {"cboDate", "cboMonth",  "cboYear",
                                              "cboHour", "cboMinute", "cboTimeZone"};
        static constexpr std::array kPlaceFields = {"txtCity", "txtState", "txtCountry"};
        Type(QStringLiteral("txtName"), QString::fromUtf8(name));
        for (std::size_t i = 0; i < kLists.size(); ++i) {
            Choose(QString::fromLatin1(kLists[i]), QString::fromUtf8(entries[i]));
        }
        if (daylightSaving) {
            child<QAbstractButton>(QStringLiteral("chkDST"))->setChecked(true);
        }
        Type(QStringLiteral("txtLatDeg"), QString::fromUtf8(latitude[0]));
        Type(QStringLiteral("txtLatMin"), QString::fromUtf8(latitude[1]));
        Click(QString::fromLatin1(latitude[2]));
        Type(QStringLiteral("txtLonDeg"), QString::fromUtf8(longitude[0]));
        Type(QStringLiteral("txtLonMin"), QString::fromUtf8(longitude[1]));
        Click(QString::fromLatin1(longitude[2]));
        for (std::size_t i = 0; i < kPlaceFields.size(); ++i) {
            Type(QString::fromLatin1(kPlaceFields[i]), QString::fromUtf8(place[i]));
        }
    }

    /// 15 August 1947, 00:00, Indian Time, 28°39' N, 77°13' E, typed and chosen.
    void EnterDelhi1947() const {
        Enter("Asha Rao", {"15", "August", "1947", "0", "0", "Indian Time, IST, 5.3"}, false,
              {"28", "39", "optLat0"}, {"77", "13", "optLong0"}, {"New Delhi", "Delhi", "India"});
    }

    /// 4 July 1976, 14:30, Eastern Daylight Time, 40°42' N, 74°0' W: west, with DST.
    void EnterNewYork1976() const {
        Enter("Dana Brooks", {"4", "July", "1976", "14", "30", "Eastern Standard Time,EST,-5.0"},
              true, {"40", "42", "optLat0"}, {"74", "0", "optLong1"},
              {"New York", "New York", "USA"});
    }

    /// 1 March 1990, 6:05, three hours behind Universal Time, 23°33' S, 46°38' W: south and west.
    void EnterSaoPaulo1990() const {
        Enter("Maria Silva", {"1", "March", "1990", "6", "5", "Atlantic War Time,AWT,-3.0"}, false,
              {"23", "33", "optLat1"}, {"46", "38", "optLong1"},
              {"Sao Paulo", "Sao Paulo", "Brazil"});
    }
};

}  // namespace tamovid::testing
