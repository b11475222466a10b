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
/// With a length limit, an edit keeps as much as fits and the rest is ignored without
/// a message, once the whole insertion has passed the filter.
class FieldFilter : public QObject {
    Q_OBJECT
public:
    /// Installs itself on the field, which owns it. maxLength 0 means no limit; the
    /// field's own QLineEdit::maxLength must stay unlimited, since it would cut a paste
    /// before the filter saw all of it.
    FieldFilter(QLineEdit* field, FieldKind kind, UserInterface& ui, int maxLength = 0);

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
    int maxLength_;
    QString accepted_;  // the field's text before the edit being judged
    bool judging_ = true;
    std::optional<KeyVerdict> pendingRefusal_;  // set by a rejected edit, shown once
};

}  // namespace tamovid
