#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

#include "tamovid/app/mainform/field_filter.h"
#include "window_driver.h"

using tamovid::FieldFilter;
using tamovid::testing::WindowDriver;

namespace {

const QString kLetters = QStringLiteral("Please enter only letters");
const QString kNumbers = QStringLiteral("Please enter only numbers");

bool IsLetterField(const QString& name) {
    return name == QLatin1String("txtName") || name == QLatin1String("txtCity") ||
           name == QLatin1String("txtState") || name == QLatin1String("txtCountry");
}

// The three ways text arrives in a field other than typing.
enum class Insertion { kContextMenuPaste, kKeyboardPaste, kDrop, kInputMethod };

}  // namespace

Q_DECLARE_METATYPE(Insertion)
Q_DECLARE_METATYPE(std::optional<int>)

class FieldFilterTest : public QObject {
    Q_OBJECT

private:
    WindowDriver d_;

    void Insert(QLineEdit* field, const QString& text, Insertion how) {
        field->setFocus();
        field->end(false);
        switch (how) {
            case Insertion::kContextMenuPaste: {
                QApplication::clipboard()->setText(text);
                std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
                QAction* paste = nullptr;
                for (QAction* action : menu->actions()) {
                    if (action->text().remove(u'&').startsWith(QLatin1String("Paste"))) {
                        paste = action;
                    }
                }
                QVERIFY(paste != nullptr);
                QVERIFY(paste->isEnabled());
                paste->trigger();
                break;
            }
            case Insertion::kKeyboardPaste:
                QApplication::clipboard()->setText(text);
                QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
                break;
            case Insertion::kDrop: {
                QMimeData data;
                data.setText(text);
                const QPointF at(field->width() - 2, field->height() / 2.0);
                QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton,
                                      Qt::NoModifier);
                QApplication::sendEvent(field, &enter);
                QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(field, &drop);
                break;
            }
            case Insertion::kInputMethod: {
                QInputMethodEvent compose;
                compose.setCommitString(text);
                QApplication::sendEvent(field, &compose);
                break;
            }
        }
        QCoreApplication::processEvents();  // a refusal is told once the edit is over
    }

private slots:
    void init() { d_.Start(); }
    void cleanup() { d_.window.reset(); }

    void typedTextKeepsOnlyAcceptedCharacters_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("refusals");
        QTest::newRow("name with blanks passes") << "txtName"
                                                 << "Asha Rao"
                                                 << "Asha Rao" << 0;
        QTest::newRow("apostrophe in the name") << "txtName"
                                                << "O'Brien"
                                                << "OBrien" << 1;
        QTest::newRow("hyphen in the city") << "txtCity"
                                            << "Port-Blair"
                                            << "PortBlair" << 1;
        QTest::newRow("digit in the state") << "txtState"
                                            << "Goa1"
                                            << "Goa" << 1;
        QTest::newRow("full stops in the country") << "txtCountry"
                                                   << "U.K."
                                                   << "UK" << 2;
        QTest::newRow("accented letter in the name")
            << "txtName" << QString::fromUtf8("Ren\u00e9e") << "Rene" << 1;
        QTest::newRow("degrees accept digits") << "txtLatDeg"
                                               << "28"
                                               << "28" << 0;
        QTest::newRow("minus sign in a degree field") << "txtLatDeg"
                                                      << "-28"
                                                      << "28" << 1;
        QTest::newRow("full stop in a degree field") << "txtLonDeg"
                                                     << "7.5"
                                                     << "75" << 1;
        QTest::newRow("plus sign in a minute field") << "txtLonMin"
                                                     << "+13"
                                                     << "13" << 1;
        QTest::newRow("letter in a minute field") << "txtLatMin"
                                                  << "3o"
                                                  << "3" << 1;
        QTest::newRow("blank in a degree field") << "txtLonDeg"
                                                 << "1 2"
                                                 << "12" << 1;
        QTest::newRow("fourth digit ignored without a message") << "txtLatDeg"
                                                                << "1234"
                                                                << "123" << 0;
        QTest::newRow("fourth digit in a minute field") << "txtLonMin"
                                                        << "5959"
                                                        << "595" << 0;
    }
    void typedTextKeepsOnlyAcceptedCharacters() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(int, refusals);
        d_.Type(field, typed);
        QCOMPARE(d_.field(field)->text(), kept);
        const QString message = IsLetterField(field) ? kLetters : kNumbers;
        QCOMPARE(d_.MessageTexts(), QStringList(refusals, message));
        for (const auto& shown : d_.ui.messages) {
            QCOMPARE(shown.icon, QMessageBox::Critical);
        }
        QCOMPARE(d_.FocusName(), field);
    }

    void keysBeyondLatin1AreRefused_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("Cyrillic letter in the name") << "txtName" << QString::fromUtf8("\u0416");
        QTest::newRow("euro sign in the city") << "txtCity" << QString::fromUtf8("\u20ac");
        QTest::newRow("Devanagari digit in degrees") << "txtLatDeg" << QString::fromUtf8("\u0968");
    }
    void keysBeyondLatin1AreRefused() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QLineEdit* edit = d_.field(field);
        edit->setFocus();
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text, Qt::NoModifier);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(d_.ui.messages.size(), std::size_t{1});
    }

    void controlKeysAreRefusedWithTheMessage_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        // The keys that give control characters, with the character's code.
        struct ControlKey {
            const char* label;
            Qt::Key key;
            Qt::KeyboardModifier modifier;
        };
        constexpr ControlKey kKeys[] = {
            {"Return (13)", Qt::Key_Return, Qt::NoModifier},
            {"keypad Enter (13)", Qt::Key_Enter, Qt::KeypadModifier},
            {"Ctrl+C (3)", Qt::Key_C, Qt::ControlModifier},
            {"Ctrl+V (22)", Qt::Key_V, Qt::ControlModifier},
            {"Ctrl+X (24)", Qt::Key_X, Qt::ControlModifier},
            {"Escape (27)", Qt::Key_Escape, Qt::NoModifier},
        };
        for (const char* field : {"txtName", "txtLonMin"}) {
            for (const ControlKey& k : kKeys) {
                QTest::addRow("%s: %s", field, k.label)
                    << QString::fromLatin1(field) << int(k.key) << int(k.modifier);
            }
        }
    }
    void controlKeysAreRefusedWithTheMessage() {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QApplication::clipboard()->setText(QStringLiteral("99"));
        d_.Type(field, IsLetterField(field) ? QStringLiteral("Ab") : QStringLiteral("12"));
        QLineEdit* edit = d_.field(field);
        edit->selectAll();
        const QString before = edit->text();
        QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(edit->text(), before);  // nothing cut, pasted or replaced
        QCOMPARE(d_.MessageTexts(), QStringList{IsLetterField(field) ? kLetters : kNumbers});
        QCOMPARE(d_.ui.messages.front().icon, QMessageBox::Critical);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("99"));  // nothing copied
    }

    void refusalFocusesLetterFieldsOnly_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("letter field takes the focus") << "txtCity"
                                                      << "txtCity";
        QTest::newRow("digit field leaves the focus alone") << "txtLatMin"
                                                            << "txtName";
    }
    void refusalFocusesLetterFieldsOnly() {
        QFETCH(QString, field);
        QFETCH(QString, focusAfter);
        d_.field(QStringLiteral("txtName"))->setFocus();
        QTRY_COMPARE(d_.FocusName(), QStringLiteral("txtName"));
        // The key reaches the field without it having the focus, as after a click elsewhere.
        QTest::keyClick(d_.field(field), Qt::Key_Period);
        QCOMPARE(d_.ui.messages.size(), std::size_t{1});
        QCOMPARE(d_.FocusName(), focusAfter);
    }

    void editingKeysWorkWithoutMessages() {
        d_.Type(QStringLiteral("txtName"), QStringLiteral("Asha"));
        QLineEdit* name = d_.field(QStringLiteral("txtName"));
        QTest::keyClick(name, Qt::Key_Home);
        QTest::keyClick(name, Qt::Key_Delete);
        QTest::keyClicks(name, QStringLiteral("U"));
        QTest::keyClick(name, Qt::Key_End);
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClick(name, Qt::Key_Left);
        QTest::keyClicks(name, QStringLiteral("m"));
        QTest::keyClick(name, Qt::Key_Right);
        QTest::keyClick(name, Qt::Key_Shift);
        QTest::keyClick(name, Qt::Key_Left, Qt::ControlModifier);
        QTest::keyClick(name, Qt::Key_Up);
        QTest::keyClick(name, Qt::Key_PageDown);
        QCOMPARE(name->text(), QStringLiteral("Usmh"));
        QCOMPARE(d_.MessageTexts(), QStringList());
    }

    void tabMovesOnFromEveryField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("previous");
        QTest::newRow("name") << "txtName"
                              << "cboDate"
                              << "Command1";
        QTest::newRow("latitude degrees") << "txtLatDeg"
                                          << "txtLatMin"
                                          << "cboTimeZone";
        QTest::newRow("longitude minutes") << "txtLonMin"
                                           << "txtCity"
                                           << "txtLonDeg";
        QTest::newRow("country") << "txtCountry"
                                 << "cmdCalculate"
                                 << "txtState";
    }
    void tabMovesOnFromEveryField() {
        QFETCH(QString, field);
        QFETCH(QString, next);
        QFETCH(QString, previous);
        d_.field(field)->setFocus();
        QTRY_COMPARE(d_.FocusName(), field);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(d_.FocusName(), next);
        d_.field(field)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(d_.FocusName(), previous);
        QCOMPARE(d_.MessageTexts(), QStringList());
    }

    // F7: text that arrives other than by typing obeys the same filter.
    void refusedInsertionLeavesTheFieldUnchanged_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<Insertion>("how");
        const std::array<std::pair<const char*, Insertion>, 4> ways = {
            {{"context menu paste", Insertion::kContextMenuPaste},
             {"Shift+Insert paste", Insertion::kKeyboardPaste},
             {"drop", Insertion::kDrop},
             {"input method", Insertion::kInputMethod}}};
        for (const auto& [way, how] : ways) {
            QTest::addRow("O'Brien into the name by %s", way) << "txtName"
                                                              << "O'Brien" << how;
            QTest::addRow("accented city by %s", way)
                << "txtCity" << QString::fromUtf8("Bogot\u00e1") << how;
            QTest::addRow("decimal degrees by %s", way) << "txtLatDeg"
                                                        << "2.5" << how;
            QTest::addRow("signed minutes by %s", way) << "txtLonMin"
                                                       << "-1" << how;
        }
        QTest::newRow("a line break in the name") << "txtName"
                                                  << "Asha\nRao" << Insertion::kDrop;
        QTest::newRow("a tab in the state") << "txtState"
                                            << "Tamil\tNadu" << Insertion::kContextMenuPaste;
        QTest::newRow("digits beyond the limit with a letter")
            << "txtLatMin"
            << "12a4" << Insertion::kContextMenuPaste;
    }
    void refusedInsertionLeavesTheFieldUnchanged() {
        QFETCH(QString, field);
        QFETCH(QString, inserted);
        QFETCH(Insertion, how);
        const QString start = IsLetterField(field) ? QStringLiteral("Ab") : QStringLiteral("1");
        d_.Type(field, start);
        Insert(d_.field(field), inserted, how);
        QCOMPARE(d_.field(field)->text(), start);
        QCOMPARE(d_.MessageTexts(), QStringList{IsLetterField(field) ? kLetters : kNumbers});
        QCOMPARE(d_.ui.messages.front().icon, QMessageBox::Critical);
    }

    void acceptedInsertionArrives_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<Insertion>("how");
        QTest::addColumn<QString>("result");
        QTest::newRow("surname pasted into the name")
            << "txtName"
            << " Rao" << Insertion::kContextMenuPaste << "Asha Rao";
        QTest::newRow("city dropped") << "txtCity"
                                      << "Pune" << Insertion::kDrop << "Pune";
        QTest::newRow("degrees by keyboard paste") << "txtLonDeg"
                                                   << "77" << Insertion::kKeyboardPaste << "77";
        // The length limit cuts the paste short; that is no refusal.
        QTest::newRow("long number cut to three digits")
            << "txtLatDeg"
            << "12345" << Insertion::kContextMenuPaste << "123";
    }
    void acceptedInsertionArrives() {
        QFETCH(QString, field);
        QFETCH(QString, inserted);
        QFETCH(Insertion, how);
        QFETCH(QString, result);
        if (field == QLatin1String("txtName")) {
            d_.Type(field, QStringLiteral("Asha"));
        }
        Insert(d_.field(field), inserted, how);
        QCOMPARE(d_.field(field)->text(), result);
        QCOMPARE(d_.MessageTexts(), QStringList());
    }

    void lengthLimitKeepsWhatFitsQuietly_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("digit typed into the middle of a full field")
            << "123" << 1 << "9" << true << "123";
        QTest::newRow("paste at the start keeps the first digits")
            << "12" << 0 << "789" << false << "712";
        QTest::newRow("paste over a selection") << "123" << -1 << "4567" << false << "456";
    }
    void lengthLimitKeepsWhatFitsQuietly() {
        QFETCH(QString, start);
        QFETCH(int, cursor);
        QFETCH(QString, inserted);
        QFETCH(bool, typed);
        QFETCH(QString, result);
        d_.Type(QStringLiteral("txtLonDeg"), start);
        QLineEdit* field = d_.field(QStringLiteral("txtLonDeg"));
        if (cursor < 0) {
            field->selectAll();
        } else {
            field->setCursorPosition(cursor);
        }
        if (typed) {
            QTest::keyClicks(field, inserted);
        } else {
            QApplication::clipboard()->setText(inserted);
            field->paste();
            QCoreApplication::processEvents();
        }
        QCOMPARE(field->text(), result);
        QCOMPARE(d_.MessageTexts(), QStringList());
    }

    void storedTextTheFilterRefusesStaysEditable() {
        QLineEdit* name = d_.field(QStringLiteral("txtName"));
        FieldFilter* filter = FieldFilter::Of(name);
        QVERIFY(filter != nullptr);
        filter->SetTextAsStored(QStringLiteral("O'Brien"));
        QCoreApplication::processEvents();
        QCOMPARE(name->text(), QStringLiteral("O'Brien"));
        name->setFocus();
        name->end(false);
        QTest::keyClicks(name, QStringLiteral("s"));
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClick(name, Qt::Key_Backspace);
        QCoreApplication::processEvents();
        QCOMPARE(name->text(), QStringLiteral("O'Brie"));
        QCOMPARE(d_.MessageTexts(), QStringList());
        // A second refused character still cannot come in.
        Insert(name, QStringLiteral("-Smith"), Insertion::kContextMenuPaste);
        QCOMPARE(name->text(), QStringLiteral("O'Brie"));
        QCOMPARE(d_.MessageTexts(), QStringList{kLetters});
    }

    void deliveredKeyCodes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<int>>("code");
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("small letter") << int(Qt::Key_A) << none << "a" << std::optional<int>(97);
        QTest::newRow("capital letter")
            << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << std::optional<int>(65);
        QTest::newRow("apostrophe")
            << int(Qt::Key_Apostrophe) << none << "'" << std::optional<int>(39);
        QTest::newRow("accented letter") << int(Qt::Key_Eacute) << none
                                         << QString::fromUtf8("\u00e9") << std::optional<int>(233);
        QTest::newRow("beyond 255 keeps its code")
            << int(Qt::Key_unknown) << none << QString::fromUtf8("\u20ac")
            << std::optional<int>(0x20ac);
        QTest::newRow("keypad digit")
            << int(Qt::Key_7) << int(Qt::KeypadModifier) << "7" << std::optional<int>(55);
        QTest::newRow("Backspace")
            << int(Qt::Key_Backspace) << none << "\b" << std::optional<int>(8);
        QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "" << std::optional<int>(127);
        QTest::newRow("Return") << int(Qt::Key_Return) << none << "\r" << std::optional<int>(13);
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << std::optional<int>(13);
        QTest::newRow("Ctrl+C with the control text")
            << int(Qt::Key_C) << ctrl << "\x03" << std::optional<int>(3);
        QTest::newRow("Ctrl+C with a letter text")
            << int(Qt::Key_C) << ctrl << "c" << std::optional<int>(3);
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << "" << std::optional<int>(22);
        QTest::newRow("Ctrl+Shift+X")
            << int(Qt::Key_X) << (ctrl | int(Qt::ShiftModifier)) << "" << std::optional<int>(24);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << "\x1b" << std::optional<int>(27);
        QTest::newRow("Tab moves") << int(Qt::Key_Tab) << none << "\t" << std::optional<int>();
        QTest::newRow("Shift+Tab moves")
            << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "" << std::optional<int>();
        QTest::newRow("arrow") << int(Qt::Key_Left) << none << "" << std::optional<int>();
        QTest::newRow("Home") << int(Qt::Key_Home) << none << "" << std::optional<int>();
        QTest::newRow("PageDown") << int(Qt::Key_PageDown) << none << "" << std::optional<int>();
        QTest::newRow("Shift alone")
            << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << "" << std::optional<int>();
        QTest::newRow("Ctrl+Left") << int(Qt::Key_Left) << ctrl << "" << std::optional<int>();
        QTest::newRow("Alt+letter shortcut")
            << int(Qt::Key_G) << int(Qt::AltModifier) << "g" << std::optional<int>();
        QTest::newRow("function key") << int(Qt::Key_F1) << none << "" << std::optional<int>();
    }
    void deliveredKeyCodes() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(std::optional<int>, code);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(tamovid::DeliveredKeyCode(event), code);
    }
};

QTEST_MAIN(FieldFilterTest)
#include "field_filter_test.moc"
