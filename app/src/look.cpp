#include "tamovid/app/look.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPixmap>

#include <cmath>

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

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF whole(0.5, 0.5, size - 1.0, size - 1.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kBackground);
        painter.drawEllipse(whole);
        // An amber Sun half hidden by a dark body: the points that give no light.
        const double inset = size * 0.18;
        painter.setBrush(kAmber);
        painter.drawEllipse(whole.adjusted(inset, inset, -inset, -inset));
        painter.setBrush(QColor(12, 30, 36));
        painter.drawEllipse(whole.adjusted(inset, inset, -inset, -inset).translated(size * 0.22, -size * 0.1));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QString WindowCaption() {
    return QString::fromUtf8(kWindowCaption.data(), static_cast<qsizetype>(kWindowCaption.size()));
}

}  // namespace tamovid
