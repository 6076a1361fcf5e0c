// The picture of attribute tiles. A click on it (with its position in logical pixels) is reported by
// clicked(). It is drawn for the resolution it is shown at: the screen's device pixel ratio, or the
// printer's when the sheet is printed, and drawn again when that changes.
#pragma once

#include <QImage>
#include <QWidget>

namespace window {

class TileStrip : public QWidget {
    Q_OBJECT
public:
    explicit TileStrip(QWidget* parent = nullptr);

    // The picture as last painted, in device pixels of the device it was painted on.
    const QImage& image() const { return image_; }

signals:
    void clicked(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

} // namespace window
