#include "window/drawn_icon.h"

#include <QPainter>

namespace window {

DrawnIconEngine::DrawnIconEngine(Draw draw, QList<QSize> offered) : draw_(std::move(draw)), offered_(std::move(offered)) {}

void DrawnIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State)
{
    painter->save();
    painter->translate(rect.topLeft());
    draw_(*painter, rect.size());
    painter->restore();
}

QSize DrawnIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    // The largest size of the picture's proportions that fits.
    return offered_.constFirst().scaled(size, Qt::KeepAspectRatio);
}

QPixmap DrawnIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    const QSize fitted = actualSize(size, mode, state);
    if (fitted.isEmpty()) return QPixmap();
    QPixmap& pixmap = drawn_[{fitted.width(), fitted.height()}];
    if (pixmap.isNull()) {
        pixmap = QPixmap(fitted);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        draw_(p, fitted);
    }
    return pixmap;
}

QList<QSize> DrawnIconEngine::availableSizes(QIcon::Mode, QIcon::State) { return offered_; }

QIconEngine* DrawnIconEngine::clone() const { return new DrawnIconEngine(draw_, offered_); }

QString DrawnIconEngine::key() const { return QStringLiteral("charac-drawn"); }

} // namespace window
