// Charac: character sheets for the QOD role-playing system.
//
//   charac [FILE]                      opens the sheet; with a character file, on that character
//   charac --pdf OUT.pdf [FILE.QOZ...]  writes the sheets to a PDF, with no window (sheet_pdf.h)
//   charac --help | --version
// A bad command line ends the program with exit status 2.
#include "sheet_pdf.h"

#include "common/native_names.h"
#include "window/form_charac.h"
#include "window/widgets/sheet_style.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>

#include <QDir>

#include <climits>
#include <cstdio>
#include <unistd.h>

namespace {

// Without a display the toolkit would abort with a page of its own; one line says what is missing.
// A platform chosen by hand (QT_QPA_PLATFORM, -platform) needs none.
bool namesPlatform(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("-platform")) || arguments.contains(QStringLiteral("--platform"));
}

bool hasDisplay(const QStringList& arguments)
{
#ifdef Q_OS_LINUX
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || namesPlatform(arguments);
#else
    Q_UNUSED(arguments);
    return true;
#endif
}

// Taken as names on disk are, so that a file named in another encoding still opens.
QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(common::nameFromNative(argv[i]));
    return arguments;
}

// A file named on the command line, made absolute and clean from the texts alone: Qt's own
// conversion would pass a folder named in another encoding through the system's encoding and lose it.
QString absoluteFile(const QString& file)
{
    if (QDir::isAbsolutePath(file)) return QDir::cleanPath(file);
    char here[PATH_MAX];
    const QString folder = ::getcwd(here, sizeof here) ? common::nameFromNative(here) : QDir::currentPath();
    return QDir::cleanPath(folder + u'/' + file);
}

// The program's own options. The toolkit's (-platform, -style ...) are only known once it has taken
// them out of argv, so a first reading cannot tell an unknown option yet.
const QCommandLineOption& pdfOption()
{
    static const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        QStringLiteral("Write the sheets of the character files to <out.pdf>, a page each, "
                       "without a window (a fresh sheet when no file is named), and end."),
        QStringLiteral("out.pdf"));
    return pdf;
}

void describeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Character sheets for the QOD role-playing system."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(pdfOption());
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A character file (.QOZ) to open; with --pdf, any number of them."),
                                 QStringLiteral("[file...]"));
}

// --help and --version are answered before the window system is reached, so that they work
// anywhere, with no display too.
void answerHelpOrVersion(QCommandLineParser& parser, int& argc, char* argv[])
{
    if (!parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("version"))) return;
    QCoreApplication core(argc, argv); // names the program in the help text
    parser.process(core);               // prints and ends the program
}

// A sheet printed to a file needs no display and shows no window. What the run says on standard
// error is its own: the toolkit's notices (a missing runtime folder, fonts) would only bury it.
void prepareForPdf()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "charac: %s\n", qPrintable(text));
    });
}

int writePdf(const QCommandLineParser& parser)
{
    QStringList files;
    for (const QString& file : parser.positionalArguments()) files.append(absoluteFile(file));
    return writeSheetsPdf(absoluteFile(parser.value(pdfOption())), files);
}

int runWindow(const QCommandLineParser& parser)
{
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
    window::identifyApplication();
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(argumentsOf(argc, argv)); // errors wait for the toolkit's options to be taken
    answerHelpOrVersion(parser, argc, argv);
    const bool toPdf = parser.isSet(pdfOption());
    if (toPdf && namesPlatform(argumentsOf(argc, argv))) {
        std::fprintf(stderr, "charac: --pdf draws without a display: -platform does not go with it.\n");
        return 2;
    }
    if (toPdf) {
        prepareForPdf();
    } else if (!hasDisplay(argumentsOf(argc, argv))) {
        std::fprintf(stderr, "charac: Charac needs a graphical session, and this one has no display.\n");
        return 1;
    }

    QApplication app(argc, argv);
    // What the toolkit left in argv is ours: an unknown option ends the program here with a message.
    if (!parser.parse(argumentsOf(argc, argv))) {
        std::fprintf(stderr, "charac: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    QApplication::setStyle(new window::SheetStyle);
    return toPdf ? writePdf(parser) : runWindow(parser);
}
