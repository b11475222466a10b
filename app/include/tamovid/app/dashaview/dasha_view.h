#pragma once

#include <QDialog>

#include "tamovid/fullreading/dasha_texts.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tamovid {

struct FullReading;

/// The Vimshottari dasha of the shown chart in a small window of its own: the balance at
/// birth, the nine maha periods with their sub periods opened on demand, start and end in
/// the birth place's clock time, the age at each start, the periods running today marked.
/// Copy (or Ctrl+C) puts it all on the clipboard as plain text.
class DashaView : public QDialog {
    Q_OBJECT
public:
    explicit DashaView(QWidget* parent = nullptr);

    /// Shows the dasha of this reading, which must hold it, marking the periods running at
    /// `nowJulianDate` (UT).
    void ShowReading(const FullReading& full, double nowJulianDate);

    /// Every period as tab-separated lines, each sub period under its maha, indented.
    QString PlainText() const;

public slots:
    void CopyText();

protected:
    /// Ctrl+C in the tree copies the whole dasha, not the one cell the tree would copy.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DashaLines lines_;
    QLabel* lblBalance_ = nullptr;
    QLabel* lblWho_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QPushButton* cmdCopy_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

}  // namespace tamovid
