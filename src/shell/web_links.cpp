#include "shell/web_links.h"

#include <QUrl>

namespace shell {

Command browserCommand(const QString& address)
{
#ifdef Q_OS_WIN
    return {QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe"), {address}};
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
