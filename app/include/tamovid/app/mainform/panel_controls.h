#pragma once

#include <QString>

class QFont;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace tamovid {

/// Height of a one-line label, pixels.
inline constexpr int kLabelHeight = 13;

/// Sets a control's place and size, given in twips within its parent.
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);

/// The label "lblLabel<index>" at a place in twips, as wide as its caption.
QLabel* AddLabel(int index, const QString& caption, QWidget* parent, int left, int top);

/// A push button under its objectName that leaves Enter to the focused control.
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption,
                       const QFont& font);

/// Gives one of the two panels that take turns in the window its caption and name.
void MakePanel(QGroupBox* panel, const QString& caption, const char* name);

}  // namespace tamovid
