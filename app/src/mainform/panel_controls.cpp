#include "tamovid/app/mainform/panel_controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "tamovid/app/mainform/look.h"

namespace tamovid {

void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipRect(left, top, width, height));
}

QLabel* AddLabel(int index, const QString& caption, QWidget* parent, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QStringLiteral("lblLabel%1").arg(index));
    label->setFont(UiFont(8.25));
    label->move(Px(left), Px(top));
    label->resize(label->sizeHint().width(), kLabelHeight);
    return label;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption,
                       const QFont& font) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(font);
    button->setAutoDefault(false);
    return button;
}

void MakePanel(QGroupBox* panel, const QString& caption, const char* name) {
    panel->setTitle(caption);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFont(UiFont(8.25, true));
}

}  // namespace tamovid
