#pragma once

#include <QUrl>

#include <deque>
#include <vector>

#include "tamovid/app/dialogs/user_interface.h"

namespace tamovid::testing {

/// Records what the program asks of the desktop and answers questions as told.
class FakeUserInterface : public UserInterface {
public:
    struct Message {
        QString text;
        QMessageBox::Icon icon;
    };

    void message(const QString& text, QMessageBox::Icon icon) override {
        messages.push_back({text, icon});
    }
    bool question(const QString& text) override {
        questions.push_back(text);
        return answer;
    }
    void showAbout(QWidget* /*parent*/) override { ++aboutShown; }
    bool openUrl(const QUrl& url) override {
        urls.push_back(url);
        return browserOpens;
    }
    QString getSaveFileName(QWidget* /*parent*/, const QString& initialName) override {
        saveDialogNames.push_back(initialName);
        return Next(saveAnswers);
    }
    QString getOpenFileName(QWidget* /*parent*/) override {
        ++openDialogs;
        return Next(openAnswers);
    }
    QString getSaveImageName(QWidget* /*parent*/, const QString& initialName) override {
        imageDialogNames.push_back(initialName);
        return Next(imageAnswers);
    }
    QString getPdfFileName(QWidget* /*parent*/, const QString& initialName) override {
        pdfDialogNames.push_back(initialName);
        return Next(pdfAnswers);
    }
    void printPreview(QWidget* /*parent*/, const PrintRequest& request) override {
        printRequests.push_back(request);
    }

    bool answer = false;
    bool browserOpens = true;
    /// What the next file dialogs return, in order; an empty name or none left cancels.
    std::deque<QString> saveAnswers;
    std::deque<QString> openAnswers;
    std::deque<QString> imageAnswers;
    std::deque<QString> pdfAnswers;

    std::vector<Message> messages;
    std::vector<QString> questions;
    std::vector<QUrl> urls;
    int aboutShown = 0;
    std::vector<QString> saveDialogNames;  ///< the initial name each Save dialog offered
    int openDialogs = 0;
    std::vector<QString> imageDialogNames;  ///< the initial name each picture dialog offered
    std::vector<QString> pdfDialogNames;    ///< the initial name each PDF dialog offered
    std::vector<PrintRequest>
        printRequests;  ///< every preview asked for, to be painted by the test

private:
    static QString Next(std::deque<QString>& answers) {
        if (answers.empty()) {
            return {};
        }
        QString next = answers.front();
        answers.pop_front();
        return next;
    }
};

}  // namespace tamovid::testing
