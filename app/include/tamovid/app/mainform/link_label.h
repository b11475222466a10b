#pragma once

#include <QLabel>

namespace tamovid {

/// A label that acts as a web link: hand cursor, underlined, emits clicked().
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tamovid
