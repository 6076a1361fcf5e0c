// A label whose caption is data: handlers read it back exactly as written, carriage returns included,
// while the screen shows a carriage return as a line break. Clicking it emits clicked(). A caption
// far longer than the label can show (a text field of a hostile file) is kept whole, since saving
// writes it back, but only its start, more than fills the label, is measured and laid out.
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
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showCaption();
    qsizetype mostShown() const;
    QString caption_;
    bool cut_ = false;     // only the start of the caption is shown
    bool pending_ = false; // set while hidden in a closed frame, laid out when the frame opens
    bool pressed_ = false;
};

} // namespace window
