// A push button whose caption wraps onto further lines at word breaks when it is wider than the
// button, as the sheet's narrow buttons ("char dir", "save item") need.
#pragma once

#include <QPushButton>

namespace window {

class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    explicit CaptionButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace window
