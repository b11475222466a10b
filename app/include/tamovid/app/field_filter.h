#pragma once

#include <QObject>
#include <QString>

#include <optional>

#include "tamovid/birthentry/key_filters.h"

class QKeyEvent;
class QLineEdit;

namespace tamovid {

class UserInterface;

/// The character code a key press delivers to a text field: the printable
/// character's code (which may exceed 255), 8 for Backspace, 127 for Delete, 13 for
/// Return and Enter, 1..26 for Ctrl with a letter. Nothing for a key that only moves,
/// selects or switches focus (Tab, arrows, Home, End, modifiers alone, Alt shortcuts).
std::optional<int> DeliveredKeyCode(const QKeyEvent& event);

/// Which of the form's filters guards a field.
enum class FieldKind { kLetters, kDigits };

/// Keeps a text field to the characters its filter accepts, however they arrive.
/// A refused key is swallowed and the filter's message shown (critical icon; a letter
/// field takes the focus back). Pasted, dropped or composed text holding a refused
/// character is rejected whole with the same message and the field left unchanged.
/// Text cut short by the field's length limit is not a refusal and shows nothing.
class FieldFilter : public QObject {
    Q_OBJECT
public:
    /// Installs itself on the field, which owns it.
    FieldFilter(QLineEdit* field, FieldKind kind, UserInterface& ui);

    /// The filter guarding a field, or null.
    static FieldFilter* Of(QLineEdit* field);

    /// Puts a text into the field without judging it, as a chart file stored it.
    void SetTextAsStored(const QString& text);

    /// Whether the filter lets this text (pasted, dropped, composed) in.
    bool AcceptsText(const QString& text) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Validator;

    KeyVerdict Judge(int code) const;
    std::optional<KeyVerdict> FirstRefusal(const QString& text) const;
    void Refuse(const KeyVerdict& verdict);
    void ShowPendingRefusal();

    QLineEdit* field_;
    FieldKind kind_;
    UserInterface& ui_;
    QString accepted_;           // the field's text before the edit being judged
    bool judging_ = true;
    std::optional<KeyVerdict> pendingRefusal_;  // set by a rejected edit, shown once
};

}  // namespace tamovid
