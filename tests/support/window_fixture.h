// What every window test shares: a fresh window in a fresh temporary program folder for each test
// (start() from init(), stop() from cleanup()), and helpers for files and list entries.
#pragma once

#include "support/test_services.h"

#include "window/form_charac.h"
#include "window/panels/character_files.h"
#include "window/panels/creation_panel.h"
#include "window/panels/event_log.h"
#include "window/panels/sheet_panel.h"
#include "window/widgets/file_list.h"

#include "common/files.h"

#include <QDir>
#include <QtTest>

#include <ctime>
#include <memory>

class WindowFixture {
public:
    // A window whose program folder is a new temporary folder. It is shown (and the test waits until
    // it is on screen) unless `shown` is false; it starts from startFolder when one is given.
    void start(bool shown = true, const QString& startFolder = QString())
    {
        env = startFolder.isEmpty() ? std::make_unique<TestServices>() : std::make_unique<TestServices>(startFolder);
        program = QDir::toNativeSeparators(env->programDir.path());
        form = std::make_unique<window::FormCharac>(env->services);
        if (!shown) return;
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void stop()
    {
        form.reset();
        env.reset();
    }

    // The window's controls, by their names on the sheet.
    const window::ControlSet& ui() const { return form->controls(); }

    // The record the sheet holds, and the record changed by edit and handed to the sheet whole, as a
    // load hands it over; the labels show it from the next refresh.
    const sheet::Character& record() const { return form->sheet().character(); }
    template <typename Edit> void changeRecord(Edit edit)
    {
        sheet::Character changed = record();
        edit(changed);
        form->sheet().setCharacter(changed);
    }

    std::unique_ptr<TestServices> env;
    std::unique_ptr<window::FormCharac> form;
    QString program; // the program folder, as the program names it
};

// How much processor time a click may take, in ms. Only an optimised build is held to it: the
// sanitizers' debug build runs every step many times slower. The Windows build's tests run under
// Wine, whose calls for text and files cost more than Linux's own.
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__) && defined(Q_OS_WIN)
inline constexpr qint64 kPatience = 3000;
#elif defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
inline constexpr qint64 kPatience = 1000;
#else
inline constexpr qint64 kPatience = 60000;
#endif

// The processor time an action takes, with the events it leaves behind handled: what the window
// spends, whatever else the machine is running meanwhile (the suite runs tests side by side).
template <typename Action> qint64 millisecondsOf(Action action)
{
    const auto now = [] {
        timespec time{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
        return qint64{time.tv_sec} * 1000 + time.tv_nsec / 1000000;
    };
    const qint64 start = now();
    action();
    QCoreApplication::processEvents();
    return now() - start;
}

// A file's bytes, or "(missing)".
inline QByteArray contentOf(const QString& path)
{
    return common::readWholeFile(path, common::kCatalogueFileLimit).value_or("(missing)");
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QVERIFY(common::writeFileAtomically(path, bytes));
}

inline QString sep() { return QString(QDir::separator()); }

// A folder as the program names it: with the system's own separator.
inline QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }

// A click on the entry of that name, as a user makes it.
inline void clickEntry(window::FileList* list, const QString& name)
{
    const QListWidgetItem* item = list->itemOfFile(name);
    QVERIFY2(item, qPrintable(name));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}
