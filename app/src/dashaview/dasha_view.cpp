#include "tamovid/app/dashaview/dasha_view.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "tamovid/app/mainform/look.h"
#include "tamovid/birthentry/chart_naming.h"
#include "tamovid/fullreading/full_reading.h"
#include "tamovid/render/qt_text.h"

namespace tamovid {
namespace {

enum Column { kLord, kStart, kEnd, kAge, kNow, kColumns };

QStringList Cells(const DashaLine& line, bool running) {
    return {Text(line.lord), Text(line.start), Text(line.end), Text(line.age),
            running ? QObject::tr("running today") : QString()};
}

void MarkRunning(QTreeWidgetItem* item) {
    for (int c = 0; c < kColumns; ++c) {
        QFont font = item->font(c);
        font.setBold(true);
        item->setFont(c, font);
    }
}

}  // namespace

DashaView::DashaView(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDasha"));
    setWindowTitle(tr("Vimshottari Dasha"));
    setWindowIcon(AppIcon());
    setModal(false);
    PaintInWindowColours(*this);

    lblBalance_ = new QLabel(this);
    lblBalance_->setObjectName(QStringLiteral("lblBalance"));
    lblBalance_->setFont(UiFont(9.75, true));
    lblBalance_->setStyleSheet(QStringLiteral("color: white;"));
    lblBalance_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblWho_ = new QLabel(this);
    lblWho_->setObjectName(QStringLiteral("lblDashaWho"));
    lblWho_->setStyleSheet(QStringLiteral("color: rgb(224, 224, 224);"));
    lblWho_->setWordWrap(true);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("treDasha"));
    tree_->setAccessibleName(tr("Maha periods; open one for its sub periods"));
    tree_->setColumnCount(kColumns);
    tree_->setHeaderLabels({tr("Period"), tr("Starts"), tr("Ends"), tr("Age at start"), QString()});
    tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree_->setUniformRowHeights(true);

    cmdCopy_ = new QPushButton(tr("&Copy"), this);
    cmdCopy_->setObjectName(QStringLiteral("cmdCopyDasha"));
    cmdCopy_->setToolTip(tr("Copy every period as text (Ctrl+C)"));
    cmdClose_ = new QPushButton(tr("Close"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdCloseDasha"));
    cmdCopy_->setAutoDefault(false);
    cmdClose_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCopy_);
    buttons->addWidget(cmdClose_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lblBalance_);
    column->addWidget(lblWho_);
    column->addWidget(tree_, 1);
    column->addLayout(buttons);

    tree_->installEventFilter(this);
    setTabOrder(tree_, cmdCopy_);
    setTabOrder(cmdCopy_, cmdClose_);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &DashaView::CopyText);
    connect(cmdCopy_, &QPushButton::clicked, this, &DashaView::CopyText);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::close);
    resize(640, 520);
}

void DashaView::ShowReading(const FullReading& full, double nowJulianDate) {
    const Vimshottari& dasha = full.dasha.value();
    lines_ = DashaLinesOf(full.reading, dasha, nowJulianDate);
    lblBalance_->setText(Text(BalanceText(dasha)));
    lblWho_->setText(tr("Vimshottari dasha of %1, in %2; dates in the birth place's clock time.")
                         .arg(Text(ChartHeadlineText(full.reading.record)),
                              Text(DashaYearText(dasha.year))));
    tree_->clear();
    for (std::size_t m = 0; m < kDashaLordCount; ++m) {
        const bool mahaRunning = lines_.running && lines_.running->maha == static_cast<int>(m);
        auto* maha = new QTreeWidgetItem(tree_, Cells(lines_.maha[m], mahaRunning));
        for (std::size_t s = 0; s < kDashaLordCount; ++s) {
            const bool subRunning = mahaRunning && lines_.running->sub == static_cast<int>(s);
            auto* sub = new QTreeWidgetItem(maha, Cells(lines_.sub[m][s], subRunning));
            if (subRunning) MarkRunning(sub);
        }
        if (mahaRunning) {
            MarkRunning(maha);
            maha->setExpanded(true);
            tree_->setCurrentItem(maha);
        }
    }
    for (int c = 0; c < kColumns; ++c) tree_->resizeColumnToContents(c);
}

QString DashaView::PlainText() const {
    QStringList lines{lblBalance_->text(), lblWho_->text(),
                      QStringList{tr("Period"), tr("Starts"), tr("Ends"), tr("Age at start")}.join(u'\t')};
    const auto add = [&lines](const DashaLine& line, bool running, const QString& indent) {
        QStringList cells = Cells(line, running);
        cells[kLord].prepend(indent);
        if (!running) cells.removeLast();
        lines << cells.join(u'\t');
    };
    for (std::size_t m = 0; m < kDashaLordCount; ++m) {
        const bool mahaRunning = lines_.running && lines_.running->maha == static_cast<int>(m);
        add(lines_.maha[m], mahaRunning, QString());
        for (std::size_t s = 0; s < kDashaLordCount; ++s) {
            add(lines_.sub[m][s], mahaRunning && lines_.running->sub == static_cast<int>(s),
                QStringLiteral("  "));
        }
    }
    return lines.join(u'\n') + u'\n';
}

bool DashaView::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (watched != tree_ || !key || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) CopyText();
    event->accept();
    return true;
}

void DashaView::CopyText() { QApplication::clipboard()->setText(PlainText()); }

}  // namespace tamovid
