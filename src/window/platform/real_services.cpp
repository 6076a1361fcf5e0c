// The services of the running program (see services.h).
#include "window/platform/services.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace window {
namespace {

// The window a box belongs to, so that it opens over it: the active window, or the program's shown
// window, since right after another box closes no window is active yet, and a box without a parent
// may open behind the window or not at all where the user looks. During start-up it stands alone.
QWidget* boxParent()
{
    if (QWidget* active = QApplication::activeWindow()) return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto shown = std::find_if(windows.begin(), windows.end(),
                                    [](const QWidget* w) { return w->isVisible() && w->windowType() == Qt::Window; });
    return shown != windows.end() ? *shown : nullptr;
}

class BoxMessages final : public Messages {
public:
    void say(const QString& text) override
    {
        QMessageBox::information(boxParent(), QString::fromLatin1(kProgramTitle), text, QMessageBox::Ok);
    }
    void sayError(const QString& caption, const QString& text) override
    {
        QMessageBox::critical(boxParent(), caption, text, QMessageBox::Ok);
    }
};

class ProcessLauncher final : public Launcher {
public:
    bool start(const QString& program, const QStringList& arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
};

class PreviewPrinting final : public Printing {
public:
    void preview(QPrinter& printer, QWidget* parent, const std::function<void(QPrinter&)>& paint) override
    {
        QPrintPreviewDialog dialog(&printer, parent);
        if (parent) dialog.resize(parent->window()->size()); // a page large enough to read, over the sheet
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&paint](QPrinter* target) { paint(*target); });
        dialog.exec();
    }
};

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

} // namespace

void identifyApplication()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(kProgramTitle));
    QCoreApplication::setApplicationVersion(QStringLiteral(CHARAC_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

QString realProgramFolderPath()
{
    return shell::chooseProgramFolder(qEnvironmentVariable("CHARAC_HOME"), QApplication::applicationDirPath(),
                                      QDir::homePath());
}

shell::ProgramFolder realProgramFolder()
{
    const QString executableFolder = QApplication::applicationDirPath();
    const QStringList starterCatalogues{QDir(executableFolder).filePath(QStringLiteral("stuff.qoc")),
                                        QDir(executableFolder).filePath(QStringLiteral(CHARAC_INSTALLED_STARTER))};
    return shell::prepareProgramFolder(qEnvironmentVariable("CHARAC_HOME"), executableFolder, QDir::homePath(),
                                       starterCatalogues);
}

Services realServices(const QString& programFolder)
{
    Services s;
    s.messages = std::make_shared<BoxMessages>();
    s.random = std::make_shared<common::SeededRandom>();
    s.launcher = std::make_shared<ProcessLauncher>();
    s.printing = std::make_shared<PreviewPrinting>();
    s.clock = std::make_shared<SystemClock>();
    s.programFolder = programFolder;
    s.startFolder = QDir::toNativeSeparators(QDir::currentPath());
    s.settingsFile =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Charac.conf");
    return s;
}

} // namespace window
