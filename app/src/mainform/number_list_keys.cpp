#include "tamovid/app/mainform/number_list_keys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

namespace tamovid {
namespace {

// Longer than any entry of the lists (a year has four digits); more is never a match.
constexpr qsizetype kMostDigits = 6;

bool IsDigitKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    const QString text = key.text();
    return mods == Qt::NoModifier && text.size() == 1 && text[0] >= u'0' && text[0] <= u'9';
}

}  // namespace

NumberListKeys::NumberListKeys(QComboBox* list) : QObject(list), list_(list) {
    setObjectName(list->objectName() + QStringLiteral("Keys"));
    list_->installEventFilter(this);
    // With the drop-down open, the keys go to its view.
    list_->view()->installEventFilter(this);
}

int NumberListKeys::RowOf(const QString& digits) const {
    bool ok = false;
    const int number = digits.toInt(&ok);
    return ok ? list_->findText(QString::number(number), Qt::MatchExactly) : -1;
}

bool NumberListKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !IsDigitKey(*static_cast<QKeyEvent*>(event))) {
        return false;
    }
    if (!sinceLastDigit_.isValid() ||
        sinceLastDigit_.elapsed() > QApplication::keyboardInputInterval()) {
        typed_.clear();
    }
    sinceLastDigit_.start();
    if (typed_.size() < kMostDigits) {
        typed_ += static_cast<QKeyEvent*>(event)->text();
    }
    const int row = RowOf(typed_);
    if (row < 0) {
        return true;
    }
    if (watched == list_->view()) {
        // Highlighted in the open drop-down; Enter or a click takes it, as with arrows.
        list_->view()->setCurrentIndex(list_->model()->index(row, list_->modelColumn()));
    } else {
        list_->setCurrentIndex(row);
    }
    return true;
}

}  // namespace tamovid
