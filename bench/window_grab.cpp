// Draws the window offscreen after a fixed course of clicks and writes one PNG a step, so that two
// builds can be compared pixel for pixel (`cmp` on the files). The random source is scripted, the
// timers are stopped and the program folder has a fixed name, so every run draws the same pixels.
//
//   window_grab OUT_FOLDER
//
// Steps: the start, a roll, the character saved and loaded again, an item viewed, a catalogue open
// with an entry chosen, and a teleport roll.
#include "support/test_services.h"

#include "window/form_charac.h"

#include "common/files.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

#include <cstdio>

namespace {

template <class Control> Control* control(QWidget& form, const char* name)
{
    auto* found = form.findChild<Control*>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "window_grab: no control %s\n", name);
        std::exit(1);
    }
    return found;
}

void click(QWidget* widget, QPoint at = {})
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
    QCoreApplication::processEvents();
}

void clickFile(QWidget& form, const char* list, const QString& name)
{
    auto* files = control<QListWidget>(form, list);
    const QList<QListWidgetItem*> items = files->findItems(name, Qt::MatchExactly);
    if (items.isEmpty()) {
        std::fprintf(stderr, "window_grab: %s does not list %s\n", list, qPrintable(name));
        std::exit(1);
    }
    click(files->viewport(), files->visualItemRect(items.front()).center());
}

void stopTimers(QWidget& form)
{
    for (const char* name : {"Timer1", "Timer2"}) control<QTimer>(form, name)->stop();
}

void grab(QWidget& form, const QString& folder, const char* step)
{
    stopTimers(form);
    QCoreApplication::processEvents();
    const QString file = folder + u'/' + QString::fromLatin1(step) + QStringLiteral(".png");
    if (!form.grab().save(file)) {
        std::fprintf(stderr, "window_grab: cannot write %s\n", qPrintable(file));
        std::exit(1);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_grab OUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    // A program folder whose name is the same every run, since the sheet shows it.
    const QString program = QDir::tempPath() + QStringLiteral("/charac-grab");
    QDir(program).removeRecursively();
    QDir().mkpath(program);
    const auto starter = common::readWholeFile(QCoreApplication::applicationDirPath() + QStringLiteral("/stuff.qoc"),
                                               common::kCatalogueFileLimit);
    common::writeFileAtomically(program + QStringLiteral("/stuff.qoc"), starter.value_or("w,Sword,4\r\n"));
    common::writeFileAtomically(program + QStringLiteral("/Dagger.qod"), "w\r\nDagger\r\n3\r\n___\r\n");

    window::Services services;
    services.messages = std::make_shared<RecordedMessages>();
    services.random = std::make_shared<ScriptedRandom>(QList<double>{0.25, 0.5, 0.75, 0.1, 0.9, 0.3, 0.6});
    services.launcher = std::make_shared<RecordedLauncher>();
    services.printing = std::make_shared<RecordedPrinting>();
    services.clock = std::make_shared<FixedClock>();
    services.programFolder = program;
    services.startFolder = program;
    services.settingsFile = program + QStringLiteral("/Charac.conf");

    window::FormCharac form(services);
    form.show();
    QCoreApplication::processEvents();
    grab(form, out, "1-start");

    click(control<QWidget>(form, "CMran"));
    grab(form, out, "2-roll");

    click(control<QWidget>(form, "CDsaveCH"));
    const QString saved = control<QListWidget>(form, "FileD")->item(0)->text();
    clickFile(form, "FileD", saved);
    grab(form, out, "3-loaded");

    clickFile(form, "FileA1", QStringLiteral("Dagger.qod"));
    grab(form, out, "4-item");

    click(control<QWidget>(form, "CDnew"));
    clickFile(form, "FileF", QStringLiteral("stuff.qoc"));
    auto* names = control<QAbstractScrollArea>(form, "ListStuff");
    click(names->viewport(), QPoint(20, 40));
    grab(form, out, "5-catalogue");

    click(control<QWidget>(form, "CDnew"));
    control<QCheckBox>(form, "ChTe")->setChecked(true);
    click(control<QWidget>(form, "CDrand"));
    grab(form, out, "6-teleport");
    QDir(program).removeRecursively();
    return 0;
}
