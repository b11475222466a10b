#pragma once

#include <QMessageBox>
#include <QString>
#include <QUrl>

#include <functional>

class QPrinter;
class QWidget;

namespace tamovid {

/// A document to print: its name for the print queue, the printer's paper and margins,
/// and the painting of its pages, which may be asked for more than once (preview, print).
struct PrintRequest {
    QString documentName;
    std::function<void(QPrinter&)> setUp;
    std::function<void(QPrinter&)> paint;
};

/// Everything the window asks of the desktop: message boxes, the about box, the
/// browser and the file dialogs. Tests install a recording fake so nothing ever blocks.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    /// A modal message with one OK button.
    virtual void message(const QString& text, QMessageBox::Icon icon) = 0;
    /// A modal Yes/No question with the information icon; true for Yes.
    virtual bool question(const QString& text) = 0;
    /// Shows the about box modally and returns when it is closed.
    virtual void showAbout(QWidget* parent) = 0;
    /// Opens a web address in the default browser; false when nothing could open it.
    virtual bool openUrl(const QUrl& url) = 0;
    /// Asks where to save a chart, offering initialName; empty when cancelled.
    virtual QString getSaveFileName(QWidget* parent, const QString& initialName) = 0;
    /// Asks which chart file to open; empty when cancelled.
    virtual QString getOpenFileName(QWidget* parent) = 0;
    /// Asks where to save a chart picture (SVG or PNG), offering initialName; empty when cancelled.
    virtual QString getSaveImageName(QWidget* parent, const QString& initialName) = 0;
    /// Asks where to save a PDF document, offering initialName; empty when cancelled.
    virtual QString getPdfFileName(QWidget* parent, const QString& initialName) = 0;
    /// Shows the document in a print preview, from which the system's print dialog prints it.
    virtual void printPreview(QWidget* parent, const PrintRequest& request) = 0;
};

/// The real desktop: QMessageBox with the caption "Tamovid", QDesktopServices,
/// QFileDialog, QPrintPreviewDialog.
class DesktopUserInterface : public UserInterface {
public:
    void message(const QString& text, QMessageBox::Icon icon) override;
    bool question(const QString& text) override;
    void showAbout(QWidget* parent) override;
    bool openUrl(const QUrl& url) override;
    QString getSaveFileName(QWidget* parent, const QString& initialName) override;
    QString getOpenFileName(QWidget* parent) override;
    QString getSaveImageName(QWidget* parent, const QString& initialName) override;
    QString getPdfFileName(QWidget* parent, const QString& initialName) override;
    void printPreview(QWidget* parent, const PrintRequest& request) override;
};

}  // namespace tamovid
