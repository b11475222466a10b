#pragma once

#include <QComboBox>

#include "tamovid/vargas/varga.h"

namespace tamovid {

/// The list of divisional charts a chart window can draw: "D1 Rasi", "D9 Navamsa", then the
/// rest by number ("D2 Hora" .. "D60 Shashtiamsa").
class VargaChoice : public QComboBox {
    Q_OBJECT
public:
    explicit VargaChoice(QWidget* parent = nullptr);

    Varga Chosen() const;
    void Choose(Varga varga);

signals:
    void chosen(Varga varga);
};

}  // namespace tamovid
