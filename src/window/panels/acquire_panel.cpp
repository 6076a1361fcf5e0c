#include "window/panels/acquire_panel.h"

#include "window/layout/layout.h"
#include "window/panels/possession_viewer.h"
#include "window/widgets/colours.h"
#include "window/widgets/edit_box.h"

#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

namespace window {

namespace {
// The toggle's caption is the panel's state: closed, or open with the catalogue beside it.
const QString kClosed = QStringLiteral("acquire");
const QString kOpen = QStringLiteral("Stuff");
} // namespace

AcquirePanel::AcquirePanel(const AcquireControls& controls, QObject* parent) : QObject(parent), c_(controls)
{
    connect(c_.CDnew, &QPushButton::clicked, this, &AcquirePanel::toggle);
    connect(c_.CMtake, &QPushButton::clicked, this, [this] { emit taken(fileName(), lines()); });
    for (int i = 0; i < int(c_.OpNew.size()); ++i) {
        // Also when the catalogue selects a kind, not only on a click.
        connect(c_.OpNew[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) colourByKind(i);
        });
    }
}

bool AcquirePanel::isOpen() const { return c_.CDnew->text() != kClosed; }

void AcquirePanel::toggle()
{
    if (isOpen()) {
        close();
        return;
    }
    c_.CDnew->setText(kOpen);
    c_.CDnew->setChecked(true);
    c_.FrameNew->show();
    emit catalogueShown(true);
    c_.FrameNew->move(c_.FrameNew->x(), layout::pixels(layout::kAcquirePanelTop));
}

void AcquirePanel::close()
{
    c_.CDnew->setText(kClosed);
    c_.CDnew->setChecked(false);
    hideFrames();
}

void AcquirePanel::hideFrames()
{
    c_.FrameNew->hide();
    emit catalogueShown(false);
}

void AcquirePanel::showEmptyBoxes()
{
    c_.FrameNew->show();
    for (EditBox* box : c_.TXnew) {
        // Not clear(): that keeps every character removed for undo, a megabyte of a long name.
        box->setText(QString());
        box->show();
    }
}

void AcquirePanel::layOut(const catalogue::Choice& choice)
{
    c_.TXnew[0]->setText(choice.fileName);
    if (choice.kind == catalogue::Kind::Ability) c_.OpNew[0]->setChecked(true);
    if (choice.kind == catalogue::Kind::Item) c_.OpNew[1]->setChecked(true);
    c_.TXnew[1]->setText(choice.code);
    c_.TXnew[2]->setText(choice.name);
    c_.TXnew[3]->setText(choice.number);
}

void AcquirePanel::colourByKind(int kind) { setBackColour(c_.FrameNew, textColour(c_.OpNew[kind])); }

QString AcquirePanel::fileName() const { return c_.TXnew[0]->text(); }

possessions::Lines AcquirePanel::lines() const
{
    // TXnew(0) holds the name; the lines follow it.
    return textsOf(std::span(c_.TXnew).subspan<1, possessions::kLineBoxes>());
}

} // namespace window
