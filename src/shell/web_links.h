// The three web pages behind the buttons at the foot of the sheet: the maker's items page, the
// maker's home page and the help topic of the online forum, and how a page is opened. The default
// addresses live here and nowhere else; a user may set others in the program's settings file.
#pragma once

#include <QString>
#include <QStringList>

namespace shell {

inline constexpr const char* kItemsPage = "http://www.qod-charac.example/qod/stuff.htm";
inline constexpr const char* kHomePage = "http://www.qod-charac.example";
inline constexpr const char* kForumPage = "https://forum.qod-charac.example/t/charac-sheet/1";

struct WebLinks {
    QString items = QString::fromLatin1(kItemsPage);
    QString home = QString::fromLatin1(kHomePage);
    QString forum = QString::fromLatin1(kForumPage);
};

// The message, and its caption, when the browser cannot be started.
inline constexpr const char* kBrowserMissing =
    "This function requires internet explorer (iexplore.exe) to be in the directory c:\\Program Files\\  ";
inline constexpr const char* kBrowserMissingCaption = "Cannot find Browser:";

struct Command {
    QString program;
    QStringList arguments;
};

// The command that opens a page in the user's own choice of browser: the shell's handler of addresses
// on Windows, the desktop's (xdg-open) elsewhere.
Command browserCommand(const QString& address);

// The host of an address ("www.qod-charac.example"), or the address itself when it names none.
QString hostOf(const QString& address);

} // namespace shell
