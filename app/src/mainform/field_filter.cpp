#include "tamovid/app/mainform/field_filter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>
#include <utility>

#include "tamovid/app/dialogs/user_interface.h"
#include "tamovid/birthentry/key_filters.h"

namespace tamovid {
namespace {

constexpr int kBackspaceCode = 8;
constexpr int kReturnCode = 13;
constexpr int kDeleteCode = 127;

bool IsControlCode(int code) { return code < 0x20 || code == kDeleteCode; }

// What an edit did to a field: `after` is `after.left(prefix)`, then `inserted`, then
// the last `suffix` characters, which the edit left as they were.
struct Edit {
    qsizetype prefix = 0;
    QString inserted;
    qsizetype suffix = 0;
};

Edit Difference(const QString& before, const QString& after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    Edit edit;
    while (edit.prefix < shorter && before[edit.prefix] == after[edit.prefix]) {
        ++edit.prefix;
    }
    while (edit.suffix < shorter - edit.prefix &&
           before[before.size() - 1 - edit.suffix] == after[after.size() - 1 - edit.suffix]) {
        ++edit.suffix;
    }
    edit.inserted = after.mid(edit.prefix, after.size() - edit.prefix - edit.suffix);
    return edit;
}

}  // namespace

std::optional<int> DeliveredKeyCode(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Backspace:
            return kBackspaceCode;
        case Qt::Key_Delete:
            return kDeleteCode;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kReturnCode;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return std::nullopt;
        default:
            break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    // Alt and Meta combinations are shortcuts; they type nothing into a field.
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier)) {
        return std::nullopt;
    }
    if (modifiers & Qt::ControlModifier) {
        // Ctrl with a letter delivers that letter's control code (Ctrl+C 3, Ctrl+V 22),
        // whatever text the platform attached to the event.
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
            return event.key() - Qt::Key_A + 1;
        }
        const QString text = event.text();
        if (!text.isEmpty() && IsControlCode(text.front().unicode())) {
            return text.front().unicode();
        }
        return std::nullopt;  // Ctrl+arrows, Ctrl+Home and the like only move
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return static_cast<int>(text.front().unicode());
}

/// Judges each edit by what it inserts, so a field that already holds a stored text
/// the filter would refuse can still be edited.
class FieldFilter::Validator : public QValidator {
public:
    explicit Validator(FieldFilter& owner) : QValidator(&owner), owner_(owner) {}

    State validate(QString& input, int& position) const override {
        if (!owner_.judging_) {
            return Acceptable;
        }
        const Edit edit = Difference(owner_.accepted_, input);
        if (const std::optional<KeyVerdict> refusal = owner_.FirstRefusal(edit.inserted)) {
            owner_.pendingRefusal_ = refusal;
            return Invalid;
        }
        // The length limit keeps as much of the insertion as fits, quietly. It is
        // applied here, after the whole insertion was judged, so a paste cannot slip
        // a refused character past the filter by being cut short first.
        const qsizetype kept = edit.prefix + edit.suffix;
        if (owner_.maxLength_ > 0 && input.size() > owner_.maxLength_ &&
            kept <= owner_.maxLength_) {
            const QString fits = edit.inserted.left(owner_.maxLength_ - kept);
            input = input.left(edit.prefix) + fits + input.right(edit.suffix);
            position = static_cast<int>(edit.prefix + fits.size());
        }
        return Acceptable;
    }

private:
    FieldFilter& owner_;
};

FieldFilter::FieldFilter(QLineEdit* field, FieldKind kind, UserInterface& ui, int maxLength)
    : QObject(field),
      field_(field),
      kind_(kind),
      ui_(ui),
      maxLength_(maxLength),
      accepted_(field->text()) {
    setObjectName(QStringLiteral("fieldFilter"));
    field->installEventFilter(this);
    field->setValidator(new Validator(*this));
    connect(field, &QLineEdit::textChanged, this,
            [this](const QString& text) { accepted_ = text; });
    // Queued: the field is still inside its edit when it reports the rejection, and a
    // modal message must not run there (a drop, above all, is still in progress).
    connect(field, &QLineEdit::inputRejected, this, &FieldFilter::ShowPendingRefusal,
            Qt::QueuedConnection);
}

FieldFilter* FieldFilter::Of(QLineEdit* field) {
    return field == nullptr ? nullptr
                            : field->findChild<FieldFilter*>(QStringLiteral("fieldFilter"),
                                                             Qt::FindDirectChildrenOnly);
}

void FieldFilter::SetTextAsStored(const QString& text) {
    judging_ = false;
    field_->setText(text);
    judging_ = true;
}

bool FieldFilter::AcceptsText(const QString& text) const {
    const std::string utf8 = text.toStdString();
    return kind_ == FieldKind::kLetters ? LetterFilterAcceptsText(utf8)
                                        : DigitFilterAcceptsText(utf8);
}

KeyVerdict FieldFilter::Judge(int code) const {
    return kind_ == FieldKind::kLetters ? LetterFilter(code) : DigitFilter(code);
}

std::optional<KeyVerdict> FieldFilter::FirstRefusal(const QString& text) const {
    if (AcceptsText(text)) {
        return std::nullopt;
    }
    // A filter refuses every character with the same message; the NUL code stands
    // for whichever character of the text it refused.
    return Judge(0);
}

bool FieldFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_ || event->type() != QEvent::KeyPress) {
        return false;
    }
    const std::optional<int> code = DeliveredKeyCode(*static_cast<QKeyEvent*>(event));
    if (!code) {
        return false;
    }
    const KeyVerdict verdict = Judge(*code);
    if (verdict.accepted) {
        return false;
    }
    Refuse(verdict);
    return true;
}

void FieldFilter::Refuse(const KeyVerdict& verdict) {
    ui_.message(
        QString::fromUtf8(verdict.message.data(), static_cast<qsizetype>(verdict.message.size())),
        QMessageBox::Critical);
    if (verdict.refocusField) {
        field_->setFocus(Qt::OtherFocusReason);
    }
}

void FieldFilter::ShowPendingRefusal() {
    if (const std::optional<KeyVerdict> verdict = std::exchange(pendingRefusal_, std::nullopt)) {
        Refuse(*verdict);
    }
}

}  // namespace tamovid
