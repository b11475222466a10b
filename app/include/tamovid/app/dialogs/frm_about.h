#pragma once

#include <QDialog>

namespace tamovid {

class UserInterface;

/// The modal about box; its links open pages through the same seam as the window's.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 419;
    static constexpr int kClientHeight = 251;

    explicit FrmAbout(UserInterface& ui, QWidget* parent = nullptr);
};

}  // namespace tamovid
