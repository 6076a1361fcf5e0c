#include "app/command_line.h"

#include "common/process.h"
#include "versions/version_names.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

// The options the toolkit takes out of the words when it starts (QGuiApplication, QApplication and
// the X11 platform). Before then they are unknown to the program, and no error.
bool isToolkitOption(const QString& name)
{
    static const QStringList kToolkitOptions{
        u"platform"_s,      u"platformpluginpath"_s,
        u"platformtheme"_s, u"plugin"_s,
        u"qmljsdebugger"_s, u"qwindowgeometry"_s,
        u"geometry"_s,      u"qwindowicon"_s,
        u"icon"_s,          u"qwindowtitle"_s,
        u"title"_s,         u"reverse"_s,
        u"session"_s,       u"testability"_s,
        u"display"_s,       u"name"_s,
        u"visual"_s,        u"nograb"_s,
        u"dograb"_s,        u"qdevel"_s,
        u"style"_s,         u"stylesheet"_s,
        u"widgetcount"_s,
    };
    return kToolkitOptions.contains(name);
}

bool namesOption(const QStringList& arguments, const QString& name)
{
    return arguments.contains(u'-' + name) || arguments.contains(u"--"_s + name);
}

bool namesPlatform(const QStringList& arguments) { return namesOption(arguments, u"platform"_s); }

// The words the parser would use, for the unknown options that are not the toolkit's.
QString unknownOptionsError(const QStringList& names)
{
    if (names.size() == 1) return u"Unknown option '%1'."_s.arg(names.constFirst());
    return u"Unknown options: %1."_s.arg(names.join(u", "_s));
}

// The errors both readings share: a second --pdf, and -platform with --pdf, which draws offscreen.
QString errorOfKnownOptions(const QCommandLineParser& parser, const QStringList& arguments)
{
    if (parser.values(pdfOption()).size() > 1) return u"--pdf names one PDF, and was given more than once."_s;
    if (parser.isSet(pdfOption()) && namesPlatform(arguments)) {
        return u"--pdf draws without a display: -platform does not go with it."_s;
    }
    if (!parser.isSet(versionsOption())) return QString();
    if (parser.isSet(pdfOption())) return u"--versions and --pdf do not go together."_s;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) return u"--versions names one file."_s;
    if (!versions::isVersioned(files.first())) {
        return u"%1: versions are kept of character and possession files only (.QOZ, .qoa, .qod, .qon)."_s.arg(
            files.first());
    }
    return QString();
}

} // namespace

QStringList argumentsOf(int argc, char* argv[]) { return common::programArguments(argc, argv); }

const QCommandLineOption& pdfOption()
{
    static const QCommandLineOption pdf(
        u"pdf"_s,
        u"Write the printed sheets of the character files to <out.pdf>, as \"!!\" prints them, each with the "
        "abilities, items and notes of its folder and from a new page, without a window (a fresh sheet when no "
        "file is named), and end."_s,
        u"out.pdf"_s);
    return pdf;
}

const QCommandLineOption& versionsOption()
{
    static const QCommandLineOption versions(
        u"versions"_s,
        u"Print the earlier versions Charac keeps of the character or possession file, newest first: "
        "when it was replaced (UTC), the size in bytes and the stored copy, separated by tabs; and end."_s);
    return versions;
}

void describeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        u"Character sheets for the QOD role-playing system.\n\n"
        "Every change to the sheet can be undone with Ctrl+Z and redone with Ctrl+Shift+Z or Ctrl+Y, or from\n"
        "the sheet's right-click menu: a roll, damage and healing, an edit of a label, a new name, an item\n"
        "used, a file viewed or a catalogue entry taken into the abilities, and a load. The last 1,000\n"
        "changes are kept. Saves and the other files are not undone.\n\n"
        "A sheet that was changed and not saved is kept as unsaved.sheet in the program's own folder, a\n"
        "second after the change and when the window closes. At the next start the first Ctrl+Z brings\n"
        "it back, with the folder it was in."_s);
    // "-platform" is one option, as the toolkit reads it, not seven one-letter ones.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(pdfOption());
    parser.addOption(versionsOption());
    parser.addPositionalArgument(u"file"_s,
                                 u"A character file (.QOZ) to open; with --pdf, any number of them; with --versions, "
                                 "a character or possession file."_s,
                                 u"[file...]"_s);
}

QString errorBeforeToolkit(QCommandLineParser& parser, const QStringList& arguments)
{
    if (!parser.parse(arguments)) {
        QStringList unknown = parser.unknownOptionNames();
        // No unknown option means a known one without its value.
        if (unknown.isEmpty()) return parser.errorText();
        unknown.removeIf(isToolkitOption);
        if (!unknown.isEmpty()) return unknownOptionsError(unknown);
    }
    return errorOfKnownOptions(parser, arguments);
}

QString errorAfterToolkit(QCommandLineParser& parser, const QStringList& arguments)
{
    if (!parser.parse(arguments)) return parser.errorText();
    if (!parser.isSet(pdfOption()) && parser.positionalArguments().size() > 1) {
        return u"the window opens one character file; --pdf prints any number of them."_s;
    }
    return errorOfKnownOptions(parser, arguments);
}

bool namesDisplay(const QStringList& arguments)
{
#ifdef Q_OS_LINUX
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || namesPlatform(arguments)
           || namesOption(arguments, u"display"_s);
#else
    Q_UNUSED(arguments);
    return true;
#endif
}

QString absoluteFile(const QString& file)
{
    if (QDir::isAbsolutePath(file)) return QDir::cleanPath(file);
    return QDir::cleanPath(common::currentFolder() + u'/' + file);
}
