#include "tamovid/app/desktop/web_link_opener.h"

#include <QWidget>

#include "tamovid/app/dialogs/user_interface.h"

namespace tamovid {

QString BrowserFailedText(const QUrl& url) {
    return QObject::tr(
               "Tamovid could not open a web browser for this page. To visit it, copy "
               "its address into a browser:\n%1")
        .arg(url.toString());
}

WebLinkOpener::WebLinkOpener(UserInterface& ui, QObject* parent) : QObject(parent), ui_(ui) {
    setObjectName(QStringLiteral("webLinks"));
}

WebLinkOpener& WebLinkOpener::For(QWidget* widget, UserInterface& ui) {
    QWidget* owner = widget->window();
    // A dialog's window is itself: its links belong to the main window behind it.
    while (owner->parentWidget() != nullptr) owner = owner->parentWidget()->window();
    if (auto* opener = owner->findChild<WebLinkOpener*>(QString(), Qt::FindDirectChildrenOnly)) {
        return *opener;
    }
    return *new WebLinkOpener(ui, owner);
}

bool WebLinkOpener::Open(const QUrl& url) {
    if (ui_.openUrl(url)) return true;
    const QString address = url.toString();
    if (!told_.contains(address)) {
        told_.insert(address);
        ui_.message(BrowserFailedText(url), QMessageBox::Warning);
    }
    return false;
}

}  // namespace tamovid
