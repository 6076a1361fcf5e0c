#include "window/widgets/drawn_icon.h"

#include <QPainter>

namespace window {

DrawnIconEngine::DrawnIconEngine(Draw draw, QList<QSize> offered) : draw_(std::move(draw)), offered_(std::move(offered))
{
}

void DrawnIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State)
{
    painter->save();
    painter->translate(rect.topLeft());
    draw_(*painter, rect.size());
    painter->restore();
}

QSize DrawnIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    // The size a control lays the icon out at: the largest of the picture's proportions that fits,
    // and no larger than the largest size offered, so that a list keeps its small folders. The
    // pixmap itself is then drawn at that size times the screen's scale.
    QSize largest = offered_.constFirst();
    for (const QSize& offered : offered_) largest = largest.expandedTo(offered);
    return offered_.constFirst().scaled(size.boundedTo(largest), Qt::KeepAspectRatio);
}

QPixmap DrawnIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State)
{
    const QSize fitted = offered_.constFirst().scaled(size, Qt::KeepAspectRatio);
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
