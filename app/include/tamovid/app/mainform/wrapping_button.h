#pragma once

#include <QPushButton>

namespace tamovid {

/// A push button whose caption wraps over several lines; the caption keeps its
/// mnemonic and its text() stays exactly as given.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tamovid
