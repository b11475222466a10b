#pragma once

#include <functional>

#include "tamovid/app/dialogs/user_interface.h"

namespace tamovid {

/// The desktop as the window sees it, knowing while one of its boxes or dialogs is open:
/// what must never happen inside one (a chart handed over from another copy) waits for
/// `busy()` to clear, and hears of it from `setOnIdle`.
class WatchedUserInterface : public UserInterface {
public:
    explicit WatchedUserInterface(UserInterface& desktop) : desktop_(desktop) {}

    /// True while a box or dialog is open: one of ours, or any other modal window.
    bool busy() const;
    /// Called each time the last of our boxes and dialogs has closed.
    void setOnIdle(std::function<void()> onIdle) { onIdle_ = std::move(onIdle); }

    void message(const QString& text, QMessageBox::Icon icon) override;
    bool question(const QString& text) override;
    void showAbout(QWidget* parent) override;
    bool openUrl(const QUrl& url) override;
    QString getSaveFileName(QWidget* parent, const QString& initialName) override;
    QString getOpenFileName(QWidget* parent) override;
    QString getSaveImageName(QWidget* parent, const QString& initialName) override;
    QString getPdfFileName(QWidget* parent, const QString& initialName) override;
    void printPreview(QWidget* parent, const PrintRequest& request) override;

private:
    template <typename Ask>
    auto Open(Ask ask);

    UserInterface& desktop_;
    int open_ = 0;
    std::function<void()> onIdle_;
};

}  // namespace tamovid
