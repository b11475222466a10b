#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QComboBox;

namespace tamovid {

/// Lets a list of whole numbers take the number typed on the keyboard: "2" chooses 2,
/// "2" then "0" within the keyboard interval chooses 20, and a leading zero is allowed
/// ("09" chooses 9). A number the list lacks leaves the choice as it is. Without this
/// the list's own search takes the next entry beginning with the digit, so that on 14
/// typing "2" chose 20. Other keys reach the list as before; the list stays as it is.
class NumberListKeys : public QObject {
    Q_OBJECT
public:
    /// Installs itself on the list and its drop-down; the list owns it.
    explicit NumberListKeys(QComboBox* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The row showing this number, or -1.
    int RowOf(const QString& digits) const;

    QComboBox* list_;
    QString typed_;  // the digits typed so far within the keyboard interval
    QElapsedTimer sinceLastDigit_;
};

}  // namespace tamovid
