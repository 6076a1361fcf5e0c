// What the window needs from the world outside it: message boxes, random numbers, starting other
// programs, the print preview, today's date, and the folders it starts from. The program hands in the real ones;
// tests hand in ones that record and script, so every behaviour runs headless without a modal box.
#pragma once

#include "common/random_source.h"
#include "shell/program_folder.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace window {

// The caption of every message box of the program.
inline constexpr const char* kProgramTitle = "Charac";
// The program's id on the desktop: the name of its desktop file and of its installed icon.
inline constexpr const char* kApplicationId = CHARAC_APP_ID;

// Names the program to the toolkit and the desktop: its title, its version, and its desktop file,
// which on Wayland is the window's app id and tells docks which launcher and icon the window has.
void identifyApplication();

class Messages {
public:
    virtual ~Messages() = default;
    // A modal box with the text, an OK button and the program's title as caption.
    virtual void say(const QString& text) = 0;
    // A modal box with its own caption and the stop icon.
    virtual void sayError(const QString& caption, const QString& text) = 0;
};

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts a program detached, without waiting; false when it cannot be started.
    virtual bool start(const QString& program, const QStringList& arguments) = 0;
};

class Printing {
public:
    virtual ~Printing() = default;
    // Shows the pages that paint draws on the printer, with zoom and page set-up, and lets the user
    // print them (to a printer or a PDF file): paint then draws them again on the printer chosen.
    virtual void preview(QPrinter& printer, QWidget* parent, const std::function<void(QPrinter&)>& paint) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The date a printed sheet is dated.
    virtual QDate today() const = 0;
};

struct Services {
    std::shared_ptr<Messages> messages;
    std::shared_ptr<common::RandomSource> random;
    std::shared_ptr<Launcher> launcher;
    std::shared_ptr<Printing> printing;
    std::shared_ptr<Clock> clock;
    QString programFolder; // where the path files live; the folder the lists start in
    QString startFolder;   // the process's working folder when the program started
    QString settingsFile;  // the user's settings (INI); missing or unreadable means the defaults
    bool readOnly = false; // files are only read, no path file is written (a sheet printed from the command line)
};

// The program's own folder of the running program, chosen and made ready (see shell/program_folder.h),
// with the starter catalogue that lies beside the executable or is installed with it.
shell::ProgramFolder realProgramFolder();
// The same folder, chosen but neither made nor changed.
QString realProgramFolderPath();

// The services of the running program: real message boxes over the active window, a seeded
// generator, detached processes, the modal print preview, the system's date, the given program folder, the current
// working folder and the user's settings file.
Services realServices(const QString& programFolder);

} // namespace window
