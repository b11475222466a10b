#pragma once

#include <QString>

#include <optional>

#include "tamovid/birthentry/chart_document.h"

class QWidget;

namespace tamovid {

class ChartSession;
class UserInterface;

/// The window's side of saving and opening chart files: the save dialog, and the
/// messages for what a save or an open refused or set aside.
class ChartFileDialogs {
public:
    explicit ChartFileDialogs(UserInterface& ui) : ui_(ui) {}

    /// Saves the session's chart under a name the user picks, offered again by the next
    /// save. A chart that cannot be stored is refused before the dialog, so nobody picks a
    /// name for nothing; every refusal and notice is told. What is saved is the chart as it
    /// was when the dialog opened.
    void Save(QWidget* parent, const ChartSession& shown);

    /// The form entry and the options the chart file restores, once what it set aside is
    /// told; nothing, once the reason is told, when the file cannot be read.
    std::optional<OpenedChart> Open(const QString& name, ChartOptions current);

    /// The file name last chosen for saving.
    const QString& SaveFileName() const { return saveFileName_; }

private:
    UserInterface& ui_;
    QString saveFileName_;
};

}  // namespace tamovid
