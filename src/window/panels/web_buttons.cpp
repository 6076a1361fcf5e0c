#include "window/panels/web_buttons.h"

#include "window/platform/services.h"

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

WebButtons::WebButtons(const WebButtonControls& controls, const QString& settingsFile, Launcher& launcher,
                       Messages& messages, QObject* parent)
    : QObject(parent), c_(controls), launcher_(launcher), messages_(messages), webLinks_(readWebLinks(settingsFile))
{
    c_.Command2->setText(webLinks_.items);
    c_.Command3->setText(shell::hostOf(webLinks_.home));
    connect(c_.Command2, &QPushButton::clicked, this, &WebButtons::WebBit);
    connect(c_.Command3, &QPushButton::clicked, this, &WebButtons::WebBit2);
    connect(c_.Command4, &QPushButton::clicked, this, &WebButtons::WebBit3);
}

void WebButtons::openWebPage(const QString& address)
{
    const shell::Command command = shell::browserCommand(address);
    if (!launcher_.start(command.program, command.arguments)) {
        messages_.sayError(QString::fromLatin1(shell::kBrowserMissingCaption),
                           QString::fromLatin1(shell::kBrowserMissing));
    }
}

void WebButtons::WebBit() { openWebPage(webLinks_.items); }
void WebButtons::WebBit2() { openWebPage(webLinks_.home); }
void WebButtons::WebBit3() { openWebPage(webLinks_.forum); }

} // namespace window
