// The web buttons: each opens its page in the desktop's browser, without waiting for it. The
// addresses are the defaults, or those of the settings file (keys links/items, links/home and
// links/forum of an INI file); the buttons show the items page and the home page's host.
#include "window/form_charac.h"

#include <QPushButton>
#include <QSettings>

namespace window {

namespace {
// One address of the settings file, or the default when it sets none. The INI reader takes a value
// with an unquoted comma for a list; an address may well hold one, so the parts are joined again.
void readAddress(const QSettings& settings, const char* key, QString& address)
{
    const QString text = settings.value(QLatin1StringView(key)).toStringList().join(u',');
    if (!text.trimmed().isEmpty()) address = text.trimmed();
}

shell::WebLinks readWebLinks(const QString& settingsFile)
{
    shell::WebLinks links;
    if (settingsFile.isEmpty()) return links;
    const QSettings settings(settingsFile, QSettings::IniFormat); // a missing or unreadable file reads empty
    readAddress(settings, "links/items", links.items);
    readAddress(settings, "links/home", links.home);
    readAddress(settings, "links/forum", links.forum);
    return links;
}
} // namespace

void FormCharac::showWebLinks()
{
    webLinks_ = readWebLinks(services_.settingsFile);
    Command2->setText(webLinks_.items);
    Command3->setText(shell::hostOf(webLinks_.home));
}

void FormCharac::openWebPage(const QString& address)
{
    const shell::Command command = shell::browserCommand(address);
    if (!services_.launcher->start(command.program, command.arguments)) {
        services_.messages->sayError(QString::fromLatin1(shell::kBrowserMissingCaption),
                                     QString::fromLatin1(shell::kBrowserMissing));
    }
}

void FormCharac::WebBit() { openWebPage(webLinks_.items); }
void FormCharac::WebBit2() { openWebPage(webLinks_.home); }
void FormCharac::WebBit3() { openWebPage(webLinks_.forum); }

} // namespace window
