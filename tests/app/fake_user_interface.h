#pragma once

#include <QUrl>

#include <vector>

#include "tamovid/app/user_interface.h"

namespace tamovid::testing {

/// Records what the program asks of the desktop and answers questions as told.
class FakeUserInterface : public UserInterface {
public:
    struct Message {
        QString text;
        QMessageBox::Icon icon;
    };

    void message(const QString& text, QMessageBox::Icon icon) override { messages.push_back({text, icon}); }
    bool question(const QString& text) override {
        questions.push_back(text);
        return answer;
    }
    void showAbout(QWidget* /*parent*/) override { ++aboutShown; }
    bool openUrl(const QUrl& url) override {
        urls.push_back(url);
        return true;
    }

    bool answer = false;
    std::vector<Message> messages;
    std::vector<QString> questions;
    std::vector<QUrl> urls;
    int aboutShown = 0;
};

}  // namespace tamovid::testing
