#include "shell/web_links.h"

#include <QUrl>

namespace shell {

Command browserCommand(const QString& address)
{
#ifdef Q_OS_WIN
    // The user's own browser, as the shell opens an address; Internet Explorer is gone from Windows.
    const QString system = qEnvironmentVariable("SystemRoot", QStringLiteral("C:\\Windows"));
    return {system + QStringLiteral("\\System32\\rundll32.exe"),
            {QStringLiteral("url.dll,FileProtocolHandler"), address}};
#else
    return {QStringLiteral("xdg-open"), {address}};
#endif
}

QString hostOf(const QString& address)
{
    const QString host = QUrl(address).host();
    return host.isEmpty() ? address : host;
}

} // namespace shell
