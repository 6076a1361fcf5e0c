// The look of the sheet: Fusion, with the gap between a check or option mark and its caption kept
// small, because several of the sheet's boxes are barely wider than the mark ("T", "R", "3").
#pragma once

#include <QProxyStyle>

namespace window {

class SheetStyle : public QProxyStyle {
public:
    SheetStyle();
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace window
