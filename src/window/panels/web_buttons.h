// The web buttons at the foot of the sheet: each opens its page in the desktop's browser, without
// waiting for it. The addresses are the defaults, or those of the settings file (keys links/items,
// links/home and links/forum of an INI file); the buttons show the items page and the home page's host.
#pragma once

#include "window/layout/control_set.h"

#include "shell/web_links.h"

#include <QObject>

namespace window {

class Launcher;
class Messages;

class WebButtons : public QObject {
    Q_OBJECT
public:
    WebButtons(const WebButtonControls& controls, const QString& settingsFile, Launcher& launcher, Messages& messages,
               QObject* parent = nullptr);

    // WebBit, WebBit2, WebBit3: the items page, the home page, the forum.
    void WebBit();
    void WebBit2();
    void WebBit3();

private:
    void openWebPage(const QString& address);

    WebButtonControls c_;
    Launcher& launcher_;
    Messages& messages_;
    shell::WebLinks webLinks_;
};

} // namespace window
