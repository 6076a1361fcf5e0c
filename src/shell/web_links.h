// The three web pages behind the buttons at the foot of the sheet: the maker's items page, the
// maker's home page and the help topic of the online forum. The addresses live here and nowhere else.
#pragma once

#include <QString>

namespace shell {

inline constexpr const char* kMakerHost = "www.qod-charac.example";
inline constexpr const char* kItemsPage = "http://www.qod-charac.example/qod/stuff.htm";
inline constexpr const char* kHomePage = "http://www.qod-charac.example";
inline constexpr const char* kForumPage = "https://forum.qod-charac.example/t/charac-sheet/1";

} // namespace shell
