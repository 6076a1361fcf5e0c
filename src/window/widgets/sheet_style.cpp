#include "window/widgets/sheet_style.h"

#include <QStyleFactory>

namespace window {

SheetStyle::SheetStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int SheetStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_RadioButtonLabelSpacing:
    case PM_CheckBoxLabelSpacing: return 2;
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight: return 12;
    default: return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

} // namespace window
