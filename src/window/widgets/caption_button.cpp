#include "window/widgets/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace window {

CaptionButton::CaptionButton(QWidget* parent) : QPushButton(parent) {}

void CaptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    // The sheet's buttons are small: the caption may use the whole face, less a thin border.
    const QRect face = rect().adjusted(2, 1, -2, -1);
    const QPalette::ColorRole role = foregroundRole();
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, role));
    const int width = fontMetrics().horizontalAdvance(caption);
    painter.drawText(face, width > face.width() ? flags : int(Qt::AlignCenter), caption);
}

} // namespace window
