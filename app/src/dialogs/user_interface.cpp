#include "tamovid/app/dialogs/user_interface.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "tamovid/app/desktop/browser_check.h"
#include "tamovid/app/dialogs/chart_dialog.h"
#include "tamovid/app/dialogs/frm_about.h"

namespace tamovid {
namespace {

QWidget* Owner() { return QApplication::activeWindow(); }

// Our texts break lines with a carriage return; a Qt label breaks only on line feeds.
QString Displayed(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

}  // namespace

void DesktopUserInterface::message(const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(icon, QStringLiteral("Tamovid"), Displayed(text), QMessageBox::Ok, Owner());
    box.exec();
}

bool DesktopUserInterface::question(const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tamovid"), Displayed(text),
                    QMessageBox::Yes | QMessageBox::No, Owner());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void DesktopUserInterface::showAbout(QWidget* parent) {
    FrmAbout about(*this, parent);
    about.exec();
}

bool DesktopUserInterface::openUrl(const QUrl& url) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The opener reports success as soon as it starts, even when it then finds no browser.
    if ((url.scheme() == u"http" || url.scheme() == u"https") &&
        !BrowserAvailable(SystemBrowserProbe())) {
        return false;
    }
#endif
    return QDesktopServices::openUrl(url);
}

QString DesktopUserInterface::getSaveFileName(QWidget* parent, const QString& initialName) {
    return RunChartDialog(ChartDialog::kSave, initialName, parent);
}

QString DesktopUserInterface::getOpenFileName(QWidget* parent) {
    return RunChartDialog(ChartDialog::kOpen, QString(), parent);
}

QString DesktopUserInterface::getSaveImageName(QWidget* parent, const QString& initialName) {
    return RunImageDialog(initialName, parent);
}

QString DesktopUserInterface::getPdfFileName(QWidget* parent, const QString& initialName) {
    QFileDialog dialog(parent, QStringLiteral("Export Reading as PDF"));
    dialog.setObjectName(QStringLiteral("exportPdfDialog"));
    dialog.setNameFilter(QStringLiteral("PDF documents (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!initialName.isEmpty()) {
        dialog.selectFile(initialName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

void DesktopUserInterface::printPreview(QWidget* parent, const PrintRequest& request) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(request.documentName);
    request.setUp(printer);
    // The preview's Print button opens the system's print dialog for this printer.
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Print Reading"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&request](QPrinter* target) { request.paint(*target); });
    preview.exec();
}

}  // namespace tamovid
