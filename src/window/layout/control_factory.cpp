#include "window/layout/control_factory.h"

#include "window/widgets/caption_button.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/colours.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"
#include "window/widgets/text_list.h"
#include "window/widgets/tile_strip.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

namespace window {
namespace {

using layout::Align;
using layout::Kind;

QWidget* createOfKind(Kind kind, QWidget* parent)
{
    switch (kind) {
    case Kind::Label: return new CaptionLabel(parent);
    case Kind::TextBox: return new EditBox(parent);
    case Kind::Button: return new CaptionButton(parent);
    case Kind::CheckBox: return new QCheckBox(parent);
    case Kind::Toggle: {
        auto* toggle = new CaptionButton(parent);
        toggle->setCheckable(true);
        return toggle;
    }
    case Kind::Option: return new QRadioButton(parent);
    case Kind::ListBox: return new TextList(parent);
    case Kind::FileList: return new FileList(parent);
    case Kind::FolderList: return new FolderList(parent);
    case Kind::Frame: return new QFrame(parent);
    case Kind::Picture: return new TileStrip(parent);
    }
    return new QWidget(parent);
}

Qt::Alignment alignmentOf(Align align)
{
    switch (align) {
    case Align::Centre: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

void setCaption(QWidget* control, const QString& caption)
{
    if (auto* label = qobject_cast<CaptionLabel*>(control)) label->setCaption(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(caption);
    else if (auto* box = qobject_cast<QLineEdit*>(control)) box->setText(caption);
}

} // namespace

bool isOfKind(const QWidget* control, layout::Kind kind)
{
    switch (kind) {
    case Kind::Label: return qobject_cast<const CaptionLabel*>(control);
    case Kind::TextBox: return qobject_cast<const EditBox*>(control);
    case Kind::Button: {
        const auto* button = qobject_cast<const CaptionButton*>(control);
        return button && !button->isCheckable();
    }
    case Kind::Toggle: {
        const auto* button = qobject_cast<const CaptionButton*>(control);
        return button && button->isCheckable();
    }
    case Kind::CheckBox: return qobject_cast<const QCheckBox*>(control);
    case Kind::Option: return qobject_cast<const QRadioButton*>(control);
    case Kind::ListBox: return qobject_cast<const TextList*>(control);
    case Kind::FileList: return qobject_cast<const FileList*>(control);
    case Kind::FolderList: return qobject_cast<const FolderList*>(control);
    case Kind::Frame: return qobject_cast<const QFrame*>(control) && !qobject_cast<const QLabel*>(control);
    case Kind::Picture: return qobject_cast<const TileStrip*>(control);
    }
    return false;
}

QWidget* createControl(const layout::ControlSpec& entry, QWidget* parent)
{
    QWidget* control = createOfKind(entry.kind, parent);
    control->setObjectName(layout::objectName(entry));
    control->setGeometry(layout::pixels(entry.left), layout::pixels(entry.top), layout::pixels(entry.width),
                         layout::pixels(entry.height));

    if (entry.back >= 0 || entry.fore >= 0) {
        setColours(control, entry.back >= 0 ? QColor(QRgb(entry.back)) : QColor(),
                   entry.fore >= 0 ? QColor(QRgb(entry.fore)) : QColor());
    }

    if (entry.points > 0) {
        QFont font = control->font();
        font.setPointSizeF(entry.points);
        font.setBold(entry.bold);
        control->setFont(font);
    }

    if (auto* label = qobject_cast<QLabel*>(control)) label->setAlignment(alignmentOf(entry.align) | Qt::AlignTop);
    if (auto* box = qobject_cast<QLineEdit*>(control)) box->setAlignment(alignmentOf(entry.align) | Qt::AlignVCenter);
    if (auto* frame = qobject_cast<QFrame*>(control); frame && entry.kind == Kind::Frame) {
        frame->setFrameShape(QFrame::NoFrame);
    }

    setCaption(control, QString::fromUtf8(entry.caption));
    if (*entry.tooltip) control->setToolTip(QString::fromUtf8(entry.tooltip));
    if (const QString name = layout::accessibleNameOf(entry); !name.isEmpty()) control->setAccessibleName(name);
    if (entry.hiddenAtStart) control->hide();
    return control;
}

QHash<QString, QWidget*> createControls(QWidget* window)
{
    QHash<QString, QWidget*> controls;
    for (const layout::ControlSpec& entry : layout::controls()) {
        QWidget* parent = entry.container ? controls.value(QString::fromLatin1(entry.container)) : window;
        controls.insert(layout::objectName(entry), createControl(entry, parent));
    }
    return controls;
}

} // namespace window
