#include "tamovid/app/chart_window.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFile>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QShortcut>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <QVBoxLayout>

#include <filesystem>
#include <string>
#include <utility>

#include "tamovid/app/look.h"
#include "tamovid/app/user_interface.h"
#include "tamovid/chartlayout/image_format.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/render/chart_image.h"
#include "tamovid/render/qt_text.h"

namespace tamovid {
namespace {

const QString kStyleKey = QStringLiteral("Chart/Style");
constexpr int kSmallestSide = 320;  // pixels of the chart below which labels stop being readable
constexpr int kPreferredSide = 560;
constexpr int kClipboardSide = kChartImageSide;

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

ChartStyle ReadChartStyle(const QSettings& settings) {
    return ChartStyleFromName(settings.value(kStyleKey).toString().toStdString())
        .value_or(ChartStyle::kSouth);
}

void WriteChartStyle(QSettings& settings, ChartStyle style) {
    settings.setValue(kStyleKey, Text(std::string(ChartStyleName(style))));
    settings.sync();
}

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

ChartWindow::ChartWindow(UserInterface& ui, QSettings* settings, QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(ui), settings_(settings) {
    setObjectName(QStringLiteral("frmChart"));
    setWindowTitle(tr("Rasi Chart"));
    setWindowIcon(AppIcon());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    palette.setColor(QPalette::WindowText, kLabelText);
    setPalette(palette);

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
    for (QPushButton* button : {cmdSaveImage_, cmdCopy_, cmdClose_}) button->setAutoDefault(false);

    auto* controls = new QHBoxLayout;
    controls->addWidget(optSouth_);
    controls->addWidget(optNorth_);
    controls->addStretch();
    controls->addWidget(cmdSaveImage_);
    controls->addWidget(cmdCopy_);
    controls->addWidget(cmdClose_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(view_, 1);
    column->addLayout(controls);

    setTabOrder(view_, optSouth_);
    setTabOrder(optSouth_, optNorth_);
    setTabOrder(optNorth_, cmdSaveImage_);
    setTabOrder(cmdSaveImage_, cmdCopy_);
    setTabOrder(cmdCopy_, cmdClose_);

    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            &ChartWindow::SaveImage);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &ChartWindow::CopyImage);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    connect(cmdSaveImage_, &QPushButton::clicked, this, &ChartWindow::SaveImage);
    connect(cmdCopy_, &QPushButton::clicked, this, &ChartWindow::CopyImage);
    connect(cmdClose_, &QPushButton::clicked, this, &QWidget::close);
    connect(optSouth_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SetStyle(ChartStyle::kSouth);
    });
    connect(optNorth_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SetStyle(ChartStyle::kNorth);
    });

    style_ = settings_ != nullptr ? ReadChartStyle(*settings_) : ChartStyle::kSouth;
    (style_ == ChartStyle::kNorth ? optNorth_ : optSouth_)->setChecked(true);
    Relayout();
}

void ChartWindow::ShowReading(const Reading& reading) {
    input_ = ChartInputFromReading(reading);
    const std::string_view name = TrimBlanks(reading.record.strName);
    setWindowTitle(name.empty() ? tr("Rasi Chart")
                                : tr("Rasi Chart - %1").arg(Text(std::string(name))));
    Relayout();
}

void ChartWindow::SetStyle(ChartStyle style) {
    (style == ChartStyle::kNorth ? optNorth_ : optSouth_)->setChecked(true);
    if (style == style_) return;
    style_ = style;
    if (settings_ != nullptr) WriteChartStyle(*settings_, style_);
    Relayout();
}

void ChartWindow::Relayout() {
    layout_ = LayoutChart(style_, input_);
    view_->SetLayout(layout_);
}

void ChartWindow::SaveImage() {
    const QString initial = lastImageName_.isEmpty() ? tr("Rasi chart.png") : lastImageName_;
    const QString name = ui_.getSaveImageName(this, initial);
    if (name.isEmpty()) return;
    lastImageName_ = name;
    if (!ChartImageFormatFor(LocalPath(name))) {
        ui_.message(
            tr("The chart was not saved: please give the file a name that ends in .svg or .png."),
            QMessageBox::Information);
        return;
    }
    const FileWriteResult written = WriteChartImage(LocalPath(name), layout_, PaperChartColours());
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
