// Charac: character sheets for the QOD role-playing system.
//
//   charac [FILE]                      opens the sheet; with a character file, on that character
//   charac --pdf OUT.pdf [FILE.QOZ...]  writes the sheets to a PDF, with no window (sheet_pdf.h)
//   charac --versions FILE              lists the versions kept of a character or possession file
//   charac --help | --help-all | --version
// A bad command line ends the program with exit status 2 (command_line.h).
#include "app/command_line.h"
#include "app/held_notices.h"
#include "app/sheet_pdf.h"

#include "common/native_names.h"
#include "common/process.h"
#include "versions/version_store.h"
#include "window/form_charac.h"
#include "window/widgets/sheet_style.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

constexpr const char* kNoDisplay = "Charac needs a graphical session, and this one has no display";

int refuseCommandLine(const QString& error)
{
    std::fprintf(stderr, "charac: %s\n", qPrintable(error));
    return 2;
}

// --help, --help-all and --version are answered before the window system is reached, so that they
// work anywhere, with no display too.
void answerHelpOrVersion(QCommandLineParser& parser, int& argc, char* argv[])
{
    if (parser.isSet(u"help-all"_s)) {
        // The toolkit's options are listed by the toolkit's own application, which is started without
        // a display for it, and without its notices.
        qputenv("QT_QPA_PLATFORM", common::kPlatformWithoutScreen);
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QApplication toolkit(argc, argv);
        parser.process(toolkit); // prints and ends the program
    }
    if (!parser.isSet(u"help"_s) && !parser.isSet(u"version"_s)) return;
    QCoreApplication core(argc, argv); // names the program in the help text
    // Printed here, not shown by the parser, which on Windows puts them into a message box; and not
    // processed again: the words were read already, the toolkit's options among them.
    const QString text = parser.isSet(u"help"_s) ? parser.helpText()
                                                 : u"%1 %2\n"_s.arg(QCoreApplication::applicationName(),
                                                                    QCoreApplication::applicationVersion());
    std::fputs(qPrintable(text), stdout);
    std::exit(std::fflush(stdout) == 0 ? 0 : 1);
}

// The versions of a file, newest first, one a line: when it was replaced (ISO 8601, UTC), the size and
// the stored copy. It only reads, and needs no display.
int listVersions(const QCommandLineParser& parser, int& argc, char* argv[])
{
    QCoreApplication core(argc, argv); // the program's folder is found from where the program lies
    const versions::Store store(window::realProgramFolderPath());
    for (const versions::Version& version : store.versionsOf(absoluteFile(parser.positionalArguments().constFirst()))) {
        std::printf("%s\t%lld\t%s\n", qPrintable(version.time.replaced.toString(Qt::ISODate)),
                    static_cast<long long>(version.size),
                    common::nativePath(QDir::toNativeSeparators(version.copy)).constData());
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// A sheet printed to a file needs no display and shows no window. What the run says on standard
// error is its own: the toolkit's notices (a missing runtime folder, fonts) would only bury it.
void prepareForPdf()
{
    qputenv("QT_QPA_PLATFORM", common::kPlatformWithoutScreen);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "charac: %s\n", qPrintable(text));
    });
}

int writePdf(const QCommandLineParser& parser)
{
    QStringList files;
    for (const QString& file : parser.positionalArguments()) files.append(absoluteFile(file));
    return writeSheetsPdf(absoluteFile(parser.value(pdfOption())), files, QDate::currentDate());
}

int runWindow(const QCommandLineParser& parser)
{
    common::leaveStartingConsole();
    const shell::ProgramFolder folder = window::realProgramFolder();
    if (!folder.failure.isEmpty()) {
        QMessageBox::critical(nullptr, QString::fromLatin1(window::kProgramTitle), folder.failure);
        return 1;
    }
    window::FormCharac form(window::realServices(folder.path));
    form.show();
    if (!parser.positionalArguments().isEmpty()) {
        // Once the window shows, so that a failure's message stands over it.
        const QString file = absoluteFile(parser.positionalArguments().constFirst());
        QTimer::singleShot(0, &form, [&form, file] { form.openCharacterFile(file); });
    }
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    // Help, version and every refusal go to the console or pipe the program was started from, also
    // from a Windows program with a window.
    common::useStartingConsole();
    window::identifyApplication();
    QCommandLineParser parser;
    describeOptions(parser);
    if (const QString error = errorBeforeToolkit(parser, argumentsOf(argc, argv)); !error.isEmpty()) {
        return refuseCommandLine(error);
    }
    answerHelpOrVersion(parser, argc, argv);
    if (parser.isSet(versionsOption())) return listVersions(parser, argc, argv);
    const bool toPdf = parser.isSet(pdfOption());
    if (toPdf) {
        prepareForPdf();
    } else if (!namesDisplay(argumentsOf(argc, argv))) {
        std::fprintf(stderr, "charac: %s.\n", kNoDisplay);
        return 1;
    } else {
        holdNoticesWhileStarting(kNoDisplay);
    }

    QApplication app(argc, argv);
    if (!toPdf) passHeldNotices();
    // What the toolkit left in argv is the program's own, to be read whole now.
    if (const QString error = errorAfterToolkit(parser, argumentsOf(argc, argv)); !error.isEmpty()) {
        return refuseCommandLine(error);
    }
    QApplication::setStyle(new window::SheetStyle);
    return toPdf ? writePdf(parser) : runWindow(parser);
}
