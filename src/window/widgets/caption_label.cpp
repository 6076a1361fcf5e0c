#include "window/widgets/caption_label.h"

#include <QMouseEvent>

#include <algorithm>

namespace window {

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

void CaptionLabel::setCaption(const QString& caption)
{
    caption_ = caption;
    showCaption();
}

qsizetype CaptionLabel::mostShown() const
{
    // No character is narrower than a pixel and a half, and no line lower than the font's spacing,
    // so this is more than the label can ever show, whatever the text.
    const qsizetype columns = width() * 2 / 3 + 1;
    const qsizetype lines = height() / std::max(1, fontMetrics().lineSpacing()) + 1;
    return columns * lines;
}

void CaptionLabel::showCaption()
{
    // A label in a closed frame is measured and laid out only when the frame opens.
    pending_ = !isVisibleTo(window());
    if (pending_) return;
    cut_ = caption_.size() > mostShown();
    QString shown = cut_ ? caption_.first(mostShown()) : caption_;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    // Long captions wrap at word breaks; short ones are drawn as one line, which is much cheaper.
    setWordWrap(fontMetrics().horizontalAdvance(shown) > width());
    setText(shown);
}

void CaptionLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    if (cut_) showCaption();
}

void CaptionLabel::showEvent(QShowEvent* event)
{
    if (pending_) showCaption();
    QLabel::showEvent(event);
}

void CaptionLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

} // namespace window
