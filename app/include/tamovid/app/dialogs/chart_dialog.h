#pragma once

#include <QString>

#include <memory>

class QFileDialog;
class QWidget;

namespace tamovid {

/// The two file dialogs of chart files.
enum class ChartDialog { kSave, kOpen };

/// The dialog for saving or opening a chart file, set up and not yet shown: the
/// chart file filter, the "vug" suffix added to a bare name, the title ("Tamovid" for
/// Save, "Select the source file" for Open), a prompt before overwriting on Save and
/// an existing file required on Open. initialName is the name the Save dialog offers.
std::unique_ptr<QFileDialog> MakeChartDialog(ChartDialog kind, const QString& initialName,
                                             QWidget* parent);

/// Shows the dialog modally; the chosen file, or empty when cancelled.
QString RunChartDialog(ChartDialog kind, const QString& initialName, QWidget* parent);

/// The dialog for saving a chart picture, not yet shown: PNG and SVG filters, the
/// chosen filter's ending added to a bare name, a prompt before overwriting.
std::unique_ptr<QFileDialog> MakeImageDialog(const QString& initialName, QWidget* parent);

/// Shows the picture dialog modally; the chosen file, or empty when cancelled.
QString RunImageDialog(const QString& initialName, QWidget* parent);

}  // namespace tamovid
