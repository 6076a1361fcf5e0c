// An icon drawn by a function, at whatever size it is asked for and only when it is asked for: making
// one costs nothing at start-up, and a scaled screen gets a sharp drawing rather than a stretched one.
#pragma once

#include <QHash>
#include <QIcon>
#include <QIconEngine>

#include <functional>

namespace window {

class DrawnIconEngine final : public QIconEngine {
public:
    // Draws the picture to fill a square or rectangle of `size` device pixels.
    using Draw = std::function<void(QPainter& painter, QSizeF size)>;

    // `offered` are the sizes the icon tells the window system about (the first one gives the
    // picture's proportions); any other size is drawn too when asked for.
    DrawnIconEngine(Draw draw, QList<QSize> offered);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    Draw draw_;
    QList<QSize> offered_;
    QHash<QPair<int, int>, QPixmap> drawn_;
};

inline QIcon drawnIcon(DrawnIconEngine::Draw draw, QList<QSize> offered)
{
    return QIcon(new DrawnIconEngine(std::move(draw), std::move(offered)));
}

} // namespace window
