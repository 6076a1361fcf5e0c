#include "app/held_notices.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

struct HeldNotice {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// The toolkit may start threads of its own (X11 events, D-Bus) that speak while it starts.
std::mutex heldLock;
std::vector<HeldNotice> held;
QtMessageHandler passNotice = nullptr;
const char* noDisplayWords = "";

void pass(const HeldNotice& notice)
{
    const QMessageLogContext context(nullptr, 0, nullptr, notice.category.constData());
    if (passNotice) passNotice(notice.type, context, notice.text);
    else std::fprintf(stderr, "%s\n", qPrintable(notice.text));
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(heldLock);
    if (type != QtFatalMsg) return held.push_back({type, context.category, text});
    // What the toolkit said on the way names the display and the plug-in; its last words would only
    // advise reinstalling.
    for (const HeldNotice& notice : held) pass(notice);
    std::fprintf(stderr, "charac: %s it can reach.\n", noDisplayWords);
    std::_Exit(1);
}

} // namespace

void holdNoticesWhileStarting(const char* noDisplay)
{
    noDisplayWords = noDisplay;
    passNotice = qInstallMessageHandler(hold);
}

void passHeldNotices()
{
    qInstallMessageHandler(passNotice);
    std::vector<HeldNotice> notices;
    {
        const std::lock_guard lock(heldLock);
        notices.swap(held);
    }
    for (const HeldNotice& notice : notices) pass(notice);
}
