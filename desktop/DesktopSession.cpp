#include "DesktopSession.h"

#include <QGuiApplication>
#include <QIcon>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace zorbik {

namespace {

constexpr const char* NoDisplay = "no display: start Zorbik from a desktop session";

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// The toolkit's messages while it opens the display, held until it has.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::string OpeningProgram;
QtMessageHandler FormerHandler = nullptr;
std::vector<HeldMessage> Held;

void HoldWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        Held.push_back({type, context.category ? context.category : "", text});
        return;
    }
    // The toolkit gives up on the display and would abort: say what is
    // wrong in the game's words and end as a failed start.
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, "%s: %s (the display%s%s could not be opened).\n", OpeningProgram.c_str(), NoDisplay,
                 display && *display ? " " : "", display && *display ? display : "");
    std::fflush(stderr);
    ::_exit(1);
}

} // namespace

bool DisplayNamed()
{
    return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}

void SayNoDisplay(const char* program)
{
    std::fprintf(stderr, "%s: %s (neither DISPLAY nor WAYLAND_DISPLAY is set).\n", program, NoDisplay);
}

void ExitUnlessDisplay(const char* program)
{
    if (!DisplayNamed()) {
        SayNoDisplay(program);
        std::exit(1);
    }
    OpeningProgram = program;
    FormerHandler = qInstallMessageHandler(HoldWhileOpening);
}

void DisplayOpened()
{
    qInstallMessageHandler(FormerHandler);
    for (const HeldMessage& m : Held) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.c_str());
        FormerHandler(m.type, context, m.text);
    }
    Held.clear();
}

void ApplyDesktopIdentity()
{
    // The toolkit makes the window class from the application's name and
    // the instance from RESOURCE_NAME when the first window appears; the
    // programs this one starts are Zorbik's too.
    QGuiApplication::setApplicationName(DesktopWindowClass);
    qputenv("RESOURCE_NAME", DesktopWindowClass);
    QGuiApplication::setDesktopFileName(DesktopEntryId);
    QIcon builtIn;
    for (int size : {16, 32, 48, 64, 128, 256})
        builtIn.addFile(QString(":/zorbik/zorbik-%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(DesktopEntryId, builtIn));
}

} // namespace zorbik
