// A label whose caption is data: handlers read it back exactly as written, carriage returns included,
// while the screen shows a carriage return as a line break. Clicking it emits clicked().
#pragma once

#include <QLabel>

namespace window {

class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    bool pressed_ = false;
};

} // namespace window
