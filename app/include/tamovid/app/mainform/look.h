#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

class QWidget;

namespace tamovid {

/// Window positions are laid out in twips, 15 to a pixel.
constexpr int Px(int twips) { return twips / 15; }
constexpr QRect TwipRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

inline constexpr QColor kBackground{33, 70, 82};
inline constexpr QColor kLabelText{224, 224, 224};
inline constexpr QColor kAmber{255, 199, 6};

/// The window's face in a pixel size, so the fixed layout holds at any screen DPI:
/// Verdana where installed, otherwise a close sans-serif.
QFont UiFont(double points, bool bold = false);

/// Gives a window or panel the program's background and label colours, filled behind its
/// children.
void PaintInWindowColours(QWidget& widget);

/// The program's icon, from the pictures built into the program.
QIcon AppIcon();

/// "Tamovid v" and the version: the caption of the main window and the about box.
QString WindowCaption();

/// The version alone ("1.15") and the desktop id, as the build set them.
QString VersionNumber();
QString DesktopId();

}  // namespace tamovid
