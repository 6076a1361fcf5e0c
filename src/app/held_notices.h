// The toolkit's notices while it starts the window system. A display that is named but cannot be
// reached (a closed remote session, a Wayland session without the toolkit's Wayland plug-in) makes
// the toolkit end the program with a core dump, after a page about reinstalling plug-ins. While it
// starts, its notices are held: passed on once it has started, or else, when it gives up, printed
// with one line saying that there is no display to reach, and the program ends with status 1, as in
// a session with no display at all.
#pragma once

// `noDisplay` is the program's own words for a session without a display.
void holdNoticesWhileStarting(const char* noDisplay);
void passHeldNotices();
