#include "tamovid/app/dialogs/file_name_offer.h"

#include <QDir>
#include <QFileInfo>

namespace tamovid {

QString FileNameOffer::Offer(const QString& proposal) const {
    if (lastChosen_.isEmpty()) return proposal;
    if (proposal == lastProposal_) return lastChosen_;
    const QFileInfo last(lastChosen_);
    const QFileInfo proposed(proposal);
    const QString suffix = last.suffix().isEmpty() ? proposed.suffix() : last.suffix();
    const QString name = proposed.completeBaseName() + u'.' + suffix;
    return last.path() == QStringLiteral(".") ? name : QDir(last.path()).filePath(name);
}

void FileNameOffer::Chosen(const QString& name, const QString& proposal) {
    lastChosen_ = name;
    lastProposal_ = proposal;
}

}  // namespace tamovid
