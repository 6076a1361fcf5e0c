// What the window needs from the world outside it: message boxes, random numbers, starting other
// programs, and the folders it starts from. The program hands in the real ones; tests hand in ones
// that record and script, so every behaviour runs headless without a modal box.
#pragma once

#include "common/random_source.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace window {

// The caption of every message box of the program.
inline constexpr const char* kProgramTitle = "Charac";

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

struct Services {
    std::shared_ptr<Messages> messages;
    std::shared_ptr<common::RandomSource> random;
    std::shared_ptr<Launcher> launcher;
    QString programFolder; // where the path files live; the folder the lists start in
    QString startFolder;   // the process's working folder when the program started
    QString settingsFile;  // the user's settings (INI); missing or unreadable means the defaults
};

// The services of the running program: real message boxes over the active window, a seeded
// generator, detached processes, the executable's folder (or the per-user data folder when that
// cannot be written) and the current working folder.
Services realServices();

} // namespace window
