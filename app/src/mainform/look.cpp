#include "tamovid/app/mainform/look.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

#include <cmath>
#include <string_view>

#include "tamovid/version.h"

namespace tamovid {

QFont UiFont(double points, bool bold) {
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font(family);
    // Points at 96 dots per inch, the density the layout was drawn for.
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

void PaintInWindowColours(QWidget& widget) {
    widget.setAutoFillBackground(true);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, kBackground);
    palette.setColor(QPalette::WindowText, kLabelText);
    widget.setPalette(palette);
}

QIcon AppIcon() {
    // The installed icon's own pictures, so the title bar and the menu show the same.
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tamovid-48.png"));
    icon.addFile(QStringLiteral(":/icons/tamovid-256.png"));
    return icon;
}

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString WindowCaption() { return FromView(kWindowCaption); }
QString VersionNumber() { return FromView(kVersion); }
QString DesktopId() { return FromView(kAppId); }

}  // namespace tamovid
