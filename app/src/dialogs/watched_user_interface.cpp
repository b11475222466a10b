#include "tamovid/app/dialogs/watched_user_interface.h"

#include <QApplication>

namespace tamovid {

bool WatchedUserInterface::busy() const {
    return open_ > 0 || QApplication::activeModalWidget() != nullptr;
}

template <typename Ask>
auto WatchedUserInterface::Open(Ask ask) {
    struct Count {
        WatchedUserInterface& ui;
        explicit Count(WatchedUserInterface& watched) : ui(watched) { ++ui.open_; }
        ~Count() {
            if (--ui.open_ == 0 && ui.onIdle_) ui.onIdle_();
        }
    } count(*this);
    return ask();
}

void WatchedUserInterface::message(const QString& text, QMessageBox::Icon icon) {
    Open([&] { desktop_.message(text, icon); });
}

bool WatchedUserInterface::question(const QString& text) {
    return Open([&] { return desktop_.question(text); });
}

void WatchedUserInterface::showAbout(QWidget* parent) {
    Open([&] { desktop_.showAbout(parent); });
}

bool WatchedUserInterface::openUrl(const QUrl& url) {
    return Open([&] { return desktop_.openUrl(url); });
}

QString WatchedUserInterface::getSaveFileName(QWidget* parent, const QString& initialName) {
    return Open([&] { return desktop_.getSaveFileName(parent, initialName); });
}

QString WatchedUserInterface::getOpenFileName(QWidget* parent) {
    return Open([&] { return desktop_.getOpenFileName(parent); });
}

QString WatchedUserInterface::getSaveImageName(QWidget* parent, const QString& initialName) {
    return Open([&] { return desktop_.getSaveImageName(parent, initialName); });
}

QString WatchedUserInterface::getPdfFileName(QWidget* parent, const QString& initialName) {
    return Open([&] { return desktop_.getPdfFileName(parent, initialName); });
}

void WatchedUserInterface::printPreview(QWidget* parent, const PrintRequest& request) {
    Open([&] { desktop_.printPreview(parent, request); });
}

}  // namespace tamovid
