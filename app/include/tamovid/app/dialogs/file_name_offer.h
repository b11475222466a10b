#pragma once

#include <QString>

namespace tamovid {

/// Which file name a save dialog offers: the name chosen last while the chart is the same,
/// and for another chart its own proposed name in the folder (and with the ending) chosen
/// last, so a second person's picture is never offered under the first one's name.
class FileNameOffer {
public:
    /// What to offer for a chart whose proposed name is `proposal` ("Asha Rao 1985-03-14.png").
    QString Offer(const QString& proposal) const;
    /// Remembers the name the user chose when `proposal` was offered for the chart.
    void Chosen(const QString& name, const QString& proposal);

private:
    QString lastChosen_;
    QString lastProposal_;
};

}  // namespace tamovid
