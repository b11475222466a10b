#include "tamovid/app/user_interface.h"

#include <QApplication>
#include <QDesktopServices>

#include "tamovid/app/chart_dialog.h"
#include "tamovid/app/frm_about.h"

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

bool DesktopUserInterface::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

QString DesktopUserInterface::getSaveFileName(QWidget* parent, const QString& initialName) {
    return RunChartDialog(ChartDialog::kSave, initialName, parent);
}

QString DesktopUserInterface::getOpenFileName(QWidget* parent) {
    return RunChartDialog(ChartDialog::kOpen, QString(), parent);
}

QString DesktopUserInterface::getSaveImageName(QWidget* parent, const QString& initialName) {
    return RunImageDialog(initialName, parent);
}

}  // namespace tamovid
