// Services for window tests: messages are recorded instead of shown, the random source is scripted,
// nothing is launched, printing goes to a PDF file instead of through a dialog, and the program
// folder is a fresh temporary folder.
#pragma once

#include "support/scripted_random.h"
#include "window/platform/services.h"

#include <QDir>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class RecordedMessages final : public window::Messages {
public:
    void say(const QString& text) override { texts.append(text); }
    void sayError(const QString& caption, const QString& text) override { texts.append(caption + u'|' + text); }
    QStringList texts;
};

class RecordedLauncher final : public window::Launcher {
public:
    bool start(const QString& program, const QStringList& arguments) override
    {
        commands.append(QStringList{program} + arguments);
        return succeed;
    }
    QList<QStringList> commands;
    bool succeed = true;
};

// The print dialog as a user who chooses "print to file" with outputFile (accept) or cancels.
class RecordedPrinting final : public window::Printing {
public:
    bool choosePrinter(QPrinter& printer, QWidget*) override
    {
        ++dialogs;
        if (!accept) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outputFile);
        return true;
    }
    int dialogs = 0;
    bool accept = true;
    QString outputFile;
};

struct TestServices {
    TestServices() : TestServices(QString()) {}
    // With a start folder, the window starts as if launched from there; otherwise from its own folder.
    explicit TestServices(const QString& startFolder)
    {
        services.messages = messages;
        services.random = random;
        services.launcher = launcher;
        services.printing = printing;
        printing->outputFile = programDir.filePath(QStringLiteral("sheet.pdf"));
        // Named as the program names its folders: with the system's own separator.
        services.programFolder = QDir::toNativeSeparators(programDir.path());
        services.startFolder = QDir::toNativeSeparators(startFolder.isEmpty() ? programDir.path() : startFolder);
        services.settingsFile = programDir.filePath(QStringLiteral("Charac.conf")); // none unless a test writes it
    }

    QTemporaryDir programDir;
    std::shared_ptr<RecordedMessages> messages = std::make_shared<RecordedMessages>();
    std::shared_ptr<ScriptedRandom> random = std::make_shared<ScriptedRandom>();
    std::shared_ptr<RecordedLauncher> launcher = std::make_shared<RecordedLauncher>();
    std::shared_ptr<RecordedPrinting> printing = std::make_shared<RecordedPrinting>();
    window::Services services;
};
