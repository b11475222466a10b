#pragma once

#include <QWidget>

#include <vector>

#include "tamovid/app/dialogs/file_name_offer.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/graha_table.h"
#include "tamovid/chartlayout/chart_layout.h"
#include "tamovid/vargas/varga_body.h"

class QLabel;
#include "tamovid/fullreading/full_reading.h"

class QCheckBox;
class QRadioButton;
class QPushButton;
class QTableWidget;

namespace tamovid {

class Preferences;
class UserInterface;
class VargaChoice;

/// Paints a chart layout in the window's colours, as large as it fits, and offers its
/// contents as text to screen readers.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);
    void SetLayout(ChartLayout layout);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    ChartLayout layout_;
};

/// The Rasi chart of the current reading in a window of its own: South or North Indian
/// style (remembered in the preferences), saving as SVG or PNG and copying to the clipboard.
class ChartWindow : public QWidget {
    Q_OBJECT
public:
    /// The preferences give the style and the "All six" choice and must outlive the window.
    ChartWindow(UserInterface& ui, Preferences& preferences, QWidget* parent = nullptr);

    /// Shows the chart of this reading from now on. The positions table is emptied until
    /// SetGrahaTable gives the reading's.
    void ShowReading(const Reading& reading);
    /// Draws the other eight grahas in the chart and fills the positions table beside it:
    /// the Ascendant, the nine grahas and the
    /// five points with sign, degrees and minutes, nakshatra, pada, house and retrograde.
    void SetGrahaTable(const GrahaTable& table);
    /// Gives the bodies' divisional signs, in the table's row order: the divisional charts
    /// can be drawn and the table's Navamsa column is filled.
    void SetDivisions(std::vector<VargaBody> bodies);

    /// The divisional chart drawn, D1 (the Rasi chart) until another is chosen.
    Varga Shown() const { return varga_; }
    void ShowVarga(Varga varga);
    /// Adds the six time-based upagrahas to the table (or, where the Sun gave no day, a
    /// row that says why) and draws Gulika and Mandi, and the other four when
    /// chkAllUpagrahas is on (remembered in the preferences). After SetGrahaTable.
    void SetUpagrahas(const FullReading& full);

    ChartStyle Style() const { return style_; }
    /// Chooses the drawing for this window and the next runs, through the preferences.
    void SetStyle(ChartStyle style);
    const ChartLayout& Layout() const { return layout_; }

public slots:
    /// Asks for a file name and writes the chart there, black on white, as SVG or PNG.
    void SaveImage();
    /// Puts the chart, black on white, on the clipboard as a picture and as SVG.
    void CopyImage();
    /// Puts the selected rows of the positions table on the clipboard as tab-separated text.
    void CopySelectedRows();
    /// Puts the whole positions table, with its column names, on the clipboard likewise.
    void CopyTable();

private:
    /// Draws in the style the preferences now give.
    void FollowStyle(ChartStyle style);
    void Relayout();
    void FillNavamsaColumn();
    /// The bodies a divisional chart draws: all but the four time-based points the user
    /// has not asked for.
    std::vector<VargaBody> ShownDivisions() const;
    /// The chart's bodies: the reading's, the grahas and the six that are shown.
    void ComposeInput();
    void AddTableRow(const GrahaRow& row);
    /// Every column and row in view, the window grown to hold the table.
    void FitTable();

    UserInterface& ui_;
    Preferences& preferences_;
    ChartStyle style_ = ChartStyle::kSouth;
    ChartInput readingInput_;  // the reading's own points, before the grahas are added
    std::vector<GrahaPosition> grahas_;
    std::vector<NamedLongitude> upagrahas_;
    ChartInput input_;
    BirthRecord record_;  // names the saved image
    Varga varga_ = Varga::kD1;
    std::vector<VargaBody> divisions_;
    ChartLayout layout_;
    QString imageProposal_ = QStringLiteral("Rasi chart.png");
    FileNameOffer imageNames_;

    ChartView* view_ = nullptr;
    QTableWidget* grdGrahas_ = nullptr;
    QPushButton* cmdCopyTable_ = nullptr;
    QLabel* lblVarga_ = nullptr;
    VargaChoice* cboVarga_ = nullptr;
    QCheckBox* chkAllUpagrahas_ = nullptr;
    QRadioButton* optSouth_ = nullptr;
    QRadioButton* optNorth_ = nullptr;
    QPushButton* cmdSaveImage_ = nullptr;
    QPushButton* cmdCopy_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

}  // namespace tamovid
