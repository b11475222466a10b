#include "tamovid/app/chartwindow/varga_choice.h"

#include "tamovid/chartlayout/chart_layout.h"
#include "tamovid/render/qt_text.h"

namespace tamovid {

VargaChoice::VargaChoice(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("cboVarga"));
    setAccessibleName(tr("Divisional chart"));
    // The table lists the charts in the order they are offered.
    for (const VargaRule& rule : kVargaRules) addItem(Text(VargaTitle(rule.varga)));
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit chosen(Chosen()); });
}

Varga VargaChoice::Chosen() const {
    return kVargaRules[static_cast<std::size_t>(std::max(currentIndex(), 0))].varga;
}

void VargaChoice::Choose(Varga varga) { setCurrentIndex(static_cast<int>(VargaIndex(varga))); }

}  // namespace tamovid
