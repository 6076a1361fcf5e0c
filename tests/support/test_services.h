// Services for window tests: messages are recorded instead of shown, the random source is scripted,
// nothing is launched, the print preview prints straight to a PDF file, today is 9 December 2026,
// and the program folder is a fresh temporary folder.
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

// The print preview as a user who prints to the file outputFile. What the preview offered is kept:
// the printer's page and the PDF file proposed.
class RecordedPrinting final : public window::Printing {
public:
    void preview(QPrinter& printer, QWidget*, const std::function<void(QPrinter&)>& paint) override
    {
        ++dialogs;
        offeredFile = printer.outputFileName();
        offeredLayout = printer.pageLayout();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outputFile);
        paint(printer);
    }
    int dialogs = 0;
    QString outputFile;
    QString offeredFile;
    QPageLayout offeredLayout;
};

class FixedClock final : public window::Clock {
public:
    QDate today() const override { return date; }
    QDate date{2026, 12, 9};
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
        services.clock = clock;
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
    std::shared_ptr<FixedClock> clock = std::make_shared<FixedClock>();
    window::Services services;
};
