#include "tamovid/app/chartwindow/chart_window.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyleOptionFocusRect>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tamovid/app/mainform/look.h"
#include "tamovid/app/options/preferences.h"
#include "tamovid/app/dialogs/user_interface.h"
#include "tamovid/app/chartwindow/varga_choice.h"
#include "tamovid/birthentry/chart_naming.h"
#include "tamovid/choices/upagraha_options.h"
#include "tamovid/chartlayout/image_format.h"
#include "tamovid/fullreading/reading_texts.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/render/chart_image.h"
#include "tamovid/render/qt_text.h"

namespace tamovid {
namespace {

constexpr int kSmallestSide = 320;  // pixels of the chart below which labels stop being readable
constexpr int kPreferredSide = 560;
constexpr int kClipboardSide = kChartImageSide;

constexpr int kGrahaColumns = 8;
constexpr int kFirstCentredColumn = 4;  // pada, house and the retrograde mark
constexpr int kNavamsaColumn = 7;

/// The cells of one row of the positions table, in column order.
std::array<QString, kGrahaColumns> GrahaCells(const GrahaRow& row) {
    const auto text = [](std::string_view view) {
        return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
    };
    return {text(row.name),
            text(kSignNames[static_cast<std::size_t>(row.position.sign)]),
            QStringLiteral("%1\u00B0%2'")
                .arg(row.position.degrees)
                .arg(row.position.minutes, 2, 10, QLatin1Char('0')),
            text(row.nakshatra.name),
            QString::number(row.nakshatra.pada),
            QString::number(row.house),
            row.retrograde ? QStringLiteral("R") : QString(),
            QString()};  // the Navamsa, once the divisions are given
}

/// Tab-separated lines, one for each row, each ended by a line break.
QString TabSeparated(const std::vector<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

/// The positions table. Ctrl+C here copies its selected rows, not the window's chart.
class GrahaTableWidget : public QTableWidget {
public:
    GrahaTableWidget(std::function<void()> copy, QWidget* parent)
        : QTableWidget(parent), copy_(std::move(copy)) {}

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            event->accept();
            return true;
        }
        return QTableWidget::event(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy)) {
            copy_();
            event->accept();
            return;
        }
        QTableWidget::keyPressEvent(event);
    }

private:
    std::function<void()> copy_;
};

std::filesystem::path LocalPath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

QString Description(const ChartLayout& layout) {
    QStringList parts;
    for (const std::string& line : layout.centreLines) parts << Text(line);
    for (const std::string& sentence : DescribeCells(layout)) parts << Text(sentence);
    return parts.join(u'\n');
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chartView"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(kSmallestSide, kSmallestSide);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Rasi chart"));
}

QSize ChartView::sizeHint() const { return {kPreferredSide, kPreferredSide}; }

void ChartView::SetLayout(ChartLayout layout) {
    layout_ = std::move(layout);
    setAccessibleDescription(Description(layout_));
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    update();
}

void ChartView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    DrawChart(painter, layout_, QRectF(rect()).adjusted(4, 4, -4, -4), WindowChartColours());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

// A cell's contents as a tool tip when the pointer rests on it.
bool ChartView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
    const double side = std::min(area.width(), area.height());
    const QPointF origin(area.center().x() - side / 2, area.center().y() - side / 2);
    const ChartPoint unit{(help->pos().x() - origin.x()) / side,
                          (help->pos().y() - origin.y()) / side};
    const std::vector<std::string> sentences = DescribeCells(layout_);
    for (const ChartCell& cell : layout_.cells) {
        if (InsideOutline(unit, cell.outline)) {
            QToolTip::showText(help->globalPos(),
                               Text(sentences[static_cast<std::size_t>(cell.house - 1)]), this);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

ChartWindow::ChartWindow(UserInterface& ui, Preferences& preferences, QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(ui), preferences_(preferences) {
    setObjectName(QStringLiteral("frmChart"));
    setWindowTitle(tr("Rasi Chart"));
    setWindowIcon(AppIcon());
    PaintInWindowColours(*this);

    view_ = new ChartView(this);
    optSouth_ = new QRadioButton(tr("&South Indian"), this);
    optSouth_->setObjectName(QStringLiteral("optSouth"));
    optNorth_ = new QRadioButton(tr("&North Indian"), this);
    optNorth_->setObjectName(QStringLiteral("optNorth"));
    for (QRadioButton* option : {optSouth_, optNorth_}) {
        option->setStyleSheet(QStringLiteral("color: rgb(224, 224, 224);"));
    }
    auto* styles = new QButtonGroup(this);
    styles->addButton(optSouth_);
    styles->addButton(optNorth_);

    cmdSaveImage_ = new QPushButton(tr("Save &Image..."), this);
    cmdSaveImage_->setObjectName(QStringLiteral("cmdSaveImage"));
    cmdSaveImage_->setToolTip(tr("Save the chart as an SVG or PNG file (Ctrl+S)"));
    cmdCopy_ = new QPushButton(tr("&Copy"), this);
    cmdCopy_->setObjectName(QStringLiteral("cmdCopy"));
    cmdCopy_->setToolTip(tr("Copy the chart to the clipboard (Ctrl+C)"));
    cmdClose_ = new QPushButton(tr("Close"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));

    grdGrahas_ = new GrahaTableWidget([this] { CopySelectedRows(); }, this);
    grdGrahas_->setObjectName(QStringLiteral("grdGrahas"));
    grdGrahas_->setAccessibleName(tr("Positions"));
    grdGrahas_->setColumnCount(kGrahaColumns);
    grdGrahas_->setHorizontalHeaderLabels({tr("Name"), tr("Sign"), tr("Degrees"), tr("Nakshatra"),
                                           tr("Pada"), tr("House"), tr("Retrograde"),
                                           tr("Navamsa")});
    grdGrahas_->verticalHeader()->hide();
    grdGrahas_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdGrahas_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdGrahas_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdGrahas_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grdGrahas_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdGrahas_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdGrahas_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copyRows = new QAction(tr("&Copy Rows"), grdGrahas_);
    copyRows->setShortcut(QKeySequence::Copy);
    copyRows->setShortcutContext(Qt::WidgetShortcut);  // the table's own key handling copies
    auto* copyTable = new QAction(tr("Copy &Table"), grdGrahas_);
    grdGrahas_->addAction(copyRows);
    grdGrahas_->addAction(copyTable);
    connect(copyRows, &QAction::triggered, this, &ChartWindow::CopySelectedRows);
    connect(copyTable, &QAction::triggered, this, &ChartWindow::CopyTable);
    grdGrahas_->hide();
    cmdCopyTable_ = new QPushButton(tr("Copy &Table"), this);
    cmdCopyTable_->setObjectName(QStringLiteral("cmdCopyTable"));
    cmdCopyTable_->setToolTip(
        tr("Copy the positions table as tab-separated text (Ctrl+C copies the selected rows)"));
    cmdCopyTable_->hide();
    chkAllUpagrahas_ = new QCheckBox(tr("&All six upagrahas"), this);
    chkAllUpagrahas_->setObjectName(QStringLiteral("chkAllUpagrahas"));
    chkAllUpagrahas_->setToolTip(
        tr("Draw Kala, Mrityu, Ardhaprahara and Yamaghantaka too, beside Gulika and Mandi"));
    chkAllUpagrahas_->setStyleSheet(QStringLiteral("color: rgb(224, 224, 224);"));
    chkAllUpagrahas_->setChecked(preferences_.allUpagrahas());
    for (QPushButton* button : {cmdSaveImage_, cmdCopy_, cmdCopyTable_, cmdClose_}) {
        button->setAutoDefault(false);
    }
    cboVarga_ = new VargaChoice(this);
    lblVarga_ = new QLabel(tr("&Divisional chart:"), this);
    lblVarga_->setObjectName(QStringLiteral("lblVarga"));
    lblVarga_->setStyleSheet(QStringLiteral("color: rgb(224, 224, 224);"));
    lblVarga_->setBuddy(cboVarga_);

    auto* controls = new QHBoxLayout;
    controls->addWidget(lblVarga_);
    controls->addWidget(cboVarga_);
    controls->addWidget(optSouth_);
    controls->addWidget(optNorth_);
    controls->addWidget(chkAllUpagrahas_);
    controls->addStretch();
    controls->addWidget(cmdSaveImage_);
    controls->addWidget(cmdCopy_);
    controls->addWidget(cmdCopyTable_);
    controls->addWidget(cmdClose_);
    auto* chartAndTable = new QHBoxLayout;
    chartAndTable->addWidget(view_, 1);
    chartAndTable->addWidget(grdGrahas_, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout(this);
    column->addLayout(chartAndTable, 1);
    column->addLayout(controls);

    setTabOrder(view_, grdGrahas_);
    setTabOrder(grdGrahas_, cboVarga_);
    setTabOrder(cboVarga_, optSouth_);
    setTabOrder(optSouth_, optNorth_);
    setTabOrder(optNorth_, chkAllUpagrahas_);
    setTabOrder(chkAllUpagrahas_, cmdSaveImage_);
    setTabOrder(cmdSaveImage_, cmdCopy_);
    setTabOrder(cmdCopy_, cmdCopyTable_);
    setTabOrder(cmdCopyTable_, cmdClose_);

    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            &ChartWindow::SaveImage);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &ChartWindow::CopyImage);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    connect(cmdSaveImage_, &QPushButton::clicked, this, &ChartWindow::SaveImage);
    connect(cmdCopy_, &QPushButton::clicked, this, &ChartWindow::CopyImage);
    connect(cmdCopyTable_, &QPushButton::clicked, this, &ChartWindow::CopyTable);
    connect(cmdClose_, &QPushButton::clicked, this, &QWidget::close);
    connect(cboVarga_, &VargaChoice::chosen, this, &ChartWindow::ShowVarga);
    connect(optSouth_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SetStyle(ChartStyle::kSouth);
    });
    connect(optNorth_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SetStyle(ChartStyle::kNorth);
    });
    connect(chkAllUpagrahas_, &QCheckBox::toggled, &preferences_, &Preferences::setAllUpagrahas);
    // The window follows the remembered choices, whoever changes them.
    connect(&preferences_, &Preferences::allUpagrahasChanged, this, [this](bool all) {
        chkAllUpagrahas_->setChecked(all);
        ComposeInput();
    });
    connect(&preferences_, &Preferences::chartStyleChanged, this, &ChartWindow::FollowStyle);

    style_ = preferences_.chartStyle();
    (style_ == ChartStyle::kNorth ? optNorth_ : optSouth_)->setChecked(true);
    Relayout();
}

void ChartWindow::ShowReading(const Reading& reading) {
    readingInput_ = ChartInputFromReading(reading);
    grahas_.clear();
    upagrahas_.clear();
    input_ = readingInput_;
    divisions_.clear();
    record_ = reading.record;
    const std::string_view name = TrimBlanks(reading.record.strName);
    setWindowTitle(name.empty() ? tr("Rasi Chart")
                                : tr("Rasi Chart - %1").arg(Text(std::string(name))));
    // A table of the chart shown before must not stand beside this one.
    grdGrahas_->setRowCount(0);
    grdGrahas_->hide();
    cmdCopyTable_->hide();
    Relayout();
}

void ChartWindow::ComposeInput() {
    input_ = readingInput_;
    AddGrahaPlacements(input_, grahas_);
    AddUpagrahaPlacements(input_, upagrahas_, chkAllUpagrahas_->isChecked());
    Relayout();
}

void ChartWindow::SetGrahaTable(const GrahaTable& table) {
    grahas_.assign(table.grahas.begin(), table.grahas.end());
    ComposeInput();
    grdGrahas_->clearSelection();
    grdGrahas_->clearSpans();
    grdGrahas_->setRowCount(0);
    for (const GrahaRow& row : table.rows) AddTableRow(row);
    FillNavamsaColumn();
    FitTable();
}

void ChartWindow::AddTableRow(const GrahaRow& row) {
    const int r = grdGrahas_->rowCount();
    grdGrahas_->insertRow(r);
    const std::array<QString, kGrahaColumns> cells = GrahaCells(row);
    for (int c = 0; c < kGrahaColumns; ++c) {
        auto* item = new QTableWidgetItem(cells[static_cast<std::size_t>(c)]);
        // Numbers and marks read best centred under their short headings.
        if (c >= kFirstCentredColumn && c < kNavamsaColumn) {
            item->setTextAlignment(Qt::AlignCenter);
        }
        grdGrahas_->setItem(r, c, item);
    }
}

void ChartWindow::SetUpagrahas(const FullReading& full) {
    upagrahas_.clear();
    if (!full.upagrahas) return;
    upagrahas_ = UpagrahaLongitudes(*full.upagrahas);
    if (full.upagrahas->placed.ok()) {
        for (const upagrahas::UpagrahaPlace& place : full.upagrahas->placed.value().places)
            AddTableRow(UpagrahaRow(place));
    } else {
        // One row across the table says why the six are missing.
        const int r = grdGrahas_->rowCount();
        grdGrahas_->insertRow(r);
        grdGrahas_->setItem(r, 0, new QTableWidgetItem(tr("Upagrahas")));
        for (int c = 1; c < kGrahaColumns; ++c) grdGrahas_->setItem(r, c, new QTableWidgetItem);
        const QString why = Text(UpagrahaDayText(full.reading, *full.upagrahas));
        grdGrahas_->item(r, 1)->setText(why);
        grdGrahas_->item(r, 1)->setToolTip(why);
        grdGrahas_->setSpan(r, 1, 1, kGrahaColumns - 1);
    }
    ComposeInput();
    FitTable();
}

void ChartWindow::FitTable() {
    grdGrahas_->resizeColumnsToContents();
    grdGrahas_->resizeRowsToContents();
    // Every column in view: the table is as wide as its columns, and the window grows to
    // hold it beside the chart.
    const int frame = 2 * grdGrahas_->frameWidth();
    grdGrahas_->setMinimumWidth(grdGrahas_->horizontalHeader()->length() + frame);
    grdGrahas_->setMinimumHeight(grdGrahas_->horizontalHeader()->height() +
                                 grdGrahas_->verticalHeader()->length() + frame);
    grdGrahas_->show();
    cmdCopyTable_->show();
    resize(size().expandedTo(sizeHint()));
}

std::vector<VargaBody> ChartWindow::ShownDivisions() const {
    // Gulika and Mandi always, the other four time-based points only when asked, as in the Rasi.
    if (chkAllUpagrahas_->isChecked()) return divisions_;
    std::vector<VargaBody> shown;
    for (const VargaBody& body : divisions_) {
        const std::optional<upagrahas::Upagraha> point = upagrahas::ParseUpagraha(body.name);
        if (!point || *point == upagrahas::Upagraha::kGulika ||
            *point == upagrahas::Upagraha::kMandi) {
            shown.push_back(body);
        }
    }
    return shown;
}

void ChartWindow::SetDivisions(std::vector<VargaBody> bodies) {
    divisions_ = std::move(bodies);
    FillNavamsaColumn();
    grdGrahas_->resizeColumnToContents(kNavamsaColumn);
    Relayout();
}

void ChartWindow::FillNavamsaColumn() {
    const std::size_t rows =
        std::min(divisions_.size(), static_cast<std::size_t>(grdGrahas_->rowCount()));
    for (std::size_t r = 0; r < rows; ++r) {
        const int sign = divisions_[r].signs[VargaIndex(Varga::kD9)];
        QTableWidgetItem* item = grdGrahas_->item(static_cast<int>(r), kNavamsaColumn);
        if (item != nullptr && sign >= 0)
            item->setText(Text(kSignNames[static_cast<std::size_t>(sign)]));
    }
}

void ChartWindow::ShowVarga(Varga varga) {
    cboVarga_->Choose(varga);
    if (varga == varga_) return;
    varga_ = varga;
    Relayout();
}

void ChartWindow::CopySelectedRows() {
    QModelIndexList selected = grdGrahas_->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<QStringList> rows;
    for (const QModelIndex& index : selected) {
        QStringList cells;
        for (int c = 0; c < kGrahaColumns; ++c) cells << grdGrahas_->item(index.row(), c)->text();
        rows.push_back(cells);
    }
    if (rows.empty()) return;
    QApplication::clipboard()->setText(TabSeparated(rows));
}

void ChartWindow::CopyTable() {
    std::vector<QStringList> rows;
    QStringList header;
    for (int c = 0; c < kGrahaColumns; ++c) header << grdGrahas_->horizontalHeaderItem(c)->text();
    rows.push_back(header);
    for (int r = 0; r < grdGrahas_->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < kGrahaColumns; ++c) cells << grdGrahas_->item(r, c)->text();
        rows.push_back(cells);
    }
    QApplication::clipboard()->setText(TabSeparated(rows));
}

void ChartWindow::SetStyle(ChartStyle style) { preferences_.setChartStyle(style); }

void ChartWindow::FollowStyle(ChartStyle style) {
    (style == ChartStyle::kNorth ? optNorth_ : optSouth_)->setChecked(true);
    if (style == style_) return;
    style_ = style;
    Relayout();
}

void ChartWindow::Relayout() {
    const bool rasi = varga_ == Varga::kD1;
    layout_ = LayoutChart(
        style_,
        rasi ? input_ : VargaChartInput(ShownDivisions(), varga_, readingInput_.centreLines));
    view_->SetLayout(layout_);
    // A divisional chart's picture is named for it, so that it does not take the Rasi's name.
    const std::string fallback = std::string(RuleOf(varga_).name) + " chart";
    constexpr std::string_view kEnding = ".png";
    std::string proposal = ProposedFileName(record_, fallback, kEnding);
    if (!rasi && proposal != fallback + std::string(kEnding)) {
        std::string named(1, ' ');
        named += RuleOf(varga_).name;
        proposal.insert(proposal.size() - kEnding.size(), named);
    }
    imageProposal_ = Text(proposal);
    view_->setAccessibleName(rasi ? tr("Rasi chart") : Text(VargaTitle(varga_)));
}

void ChartWindow::SaveImage() {
    // The chart the dialog was opened for, whatever the window shows once it closes.
    const ChartLayout layout = layout_;
    const QString proposal = imageProposal_;
    const QString name = ui_.getSaveImageName(this, imageNames_.Offer(proposal));
    if (name.isEmpty()) return;
    imageNames_.Chosen(name, proposal);
    if (!ChartImageFormatFor(LocalPath(name))) {
        ui_.message(
            tr("The chart was not saved: please give the file a name that ends in .svg or .png."),
            QMessageBox::Information);
        return;
    }
    const FileWriteResult written = WriteChartImage(LocalPath(name), layout, PaperChartColours());
    if (!written.ok()) ui_.message(Text(written.error()), QMessageBox::Warning);
}

void ChartWindow::CopyImage() {
    auto* mime = new QMimeData;
    mime->setImageData(
        RenderChartImage(layout_, QSize(kClipboardSide, kClipboardSide), PaperChartColours()));
    mime->setData(QStringLiteral("image/svg+xml"),
                  RenderChartSvg(layout_, kClipboardSide, PaperChartColours()));
    QApplication::clipboard()->setMimeData(mime);
}

}  // namespace tamovid
