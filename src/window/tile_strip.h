// The picture of attribute tiles. A click on it (with its position) is reported by clicked().
#pragma once

#include <QWidget>

namespace window {

class TileStrip : public QWidget {
    Q_OBJECT
public:
    explicit TileStrip(QWidget* parent = nullptr);

signals:
    void clicked(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

} // namespace window
