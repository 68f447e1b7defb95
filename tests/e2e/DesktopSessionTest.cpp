// The three programs on the desktop: without a display each windowed start
// says so in one line and fails with status 1 (the options that need no
// window still work), and on an X display of the test's own every window
// carries the desktop entry's window class and Zorbik's icon.
#include "tests/support/GameProcess.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <sys/wait.h>

namespace zorbik::testing {
namespace {

namespace fs = std::filesystem;

struct Ran {
    int status = -1;
    std::string output; // standard output and error together
};

// A shell command run from `folder`; the output of its standard output and error.
Ran RunShell(const std::string& folder, const std::string& command)
{
    const std::string line = "cd '" + folder + "' && { " + command + "; } 2>&1";
    Ran ran;
    FILE* out = ::popen(line.c_str(), "r");
    if (!out)
        return ran;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, out)) > 0;)
        ran.output.append(chunk, n);
    const int status = ::pclose(out);
    ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return ran;
}

// A suite folder of the test's own with the built game, quiz and launcher.
struct Suite {
    TempFolder temp{"zorbik-desktop"};
    std::string dir = temp.at("suite");
    GameProcess game{dir};
    Suite()
    {
        fs::copy_file(fs::path(ZORBIK_SUITE_DIR) / "zorbik", dir + "/zorbik");
        fs::copy_file(fs::path(ZORBIK_SUITE_DIR) / "Quiz" / "quiz", dir + "/Quiz/quiz");
    }
};

TEST(Desktop, WithoutADisplayOnlyTheWindowedStartsFailInOneLine)
{
    Suite suite;
    const std::string noDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
    const std::string said = ": no display: start Zorbik from a desktop session (";
    const struct {
        std::string command;
        int status;
        std::string says; // the whole output's first line begins so
    } starts[] = {
        {noDisplay + "./zorbik", 1, "zorbik" + said},
        {noDisplay + "./zorbik --play --name Ann", 1, "zorbik" + said},
        {noDisplay + "Maze/Game1 Quiz/quiz BOTH SOUND SHOWN", 1, "Game1" + said},
        {noDisplay + "Quiz/quiz LCM 3 SOUND", 1, "quiz" + said},
        // Named, but no X server answers there.
        {"env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97 Maze/Game1 Quiz/quiz BOTH SOUND SHOWN", 1,
         "Game1" + said + "the display :97 could not be opened)"},
        {noDisplay + "./zorbik --play --name '  '", 2, "zorbik: --play needs the player's name"},
        {noDisplay + "./zorbik --help", 0, "Usage: zorbik"},
        {noDisplay + "./zorbik --version", 0, "zorbik "},
        {noDisplay + "./zorbik --set-up --shared-folder /nonexistent/zorbik", 1, "zorbik: "},
    };
    for (const auto& start : starts) {
        const Ran ran = RunShell(suite.dir, start.command);
        EXPECT_EQ(ran.status, start.status) << start.command << "\n" << ran.output;
        EXPECT_EQ(ran.output.rfind(start.says, 0), 0u) << start.command << "\n" << ran.output;
        if (start.status == 1 && start.says.find(said) != std::string::npos)
            EXPECT_EQ(ran.output.find('\n'), ran.output.size() - 1) << "one line:\n" << ran.output;
        else
            EXPECT_EQ(ran.output.find("no display"), std::string::npos) << start.command << "\n"
                                                                        << ran.output;
    }
    EXPECT_FALSE(fs::exists(suite.dir + "/Gamer.nam")) << "a start without a display wrote the name";
}

// The desktop entry's StartupWMClass.
std::string StartupWMClass()
{
    std::smatch m;
    const std::string entry = Slurp(ZORBIK_DESKTOP_ENTRY);
    return std::regex_search(entry, m, std::regex("\nStartupWMClass=([^\n]*)")) ? m[1].str() : "";
}

TEST(Desktop, EveryWindowCarriesTheDesktopEntrysClassAndTheIcon)
{
    Suite suite;
    const std::string wmClass = StartupWMClass();
    ASSERT_FALSE(wmClass.empty());
    // An X server of the test's own; each program's first window is found by
    // its process and read with xprop.
    // clang-format off
    const Ran ran = RunShell(suite.dir, R"sh(
        exec 3>display; Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 >/dev/null 2>&1 & xvfb=$!
        for i in $(seq 100); do [ -s display ] && break; sleep 0.1; done
        export DISPLAY=:$(cat display) XDG_CONFIG_HOME=$PWD/config ZORBIK_NO_AUDIO=1; unset QT_QPA_PLATFORM
        for program in ./zorbik "Maze/Game1 Quiz/quiz BOTH NOSOUND SHOWN" "Quiz/quiz LCM 3 NOSOUND"; do
            $program </dev/null >/dev/null 2>&1 & pid=$!
            window=$(timeout 20 xdotool search --sync --onlyvisible --pid $pid | head -n 1)
            icon=$(xprop -id "$window" _NET_WM_ICON | head -n 1)
            echo "$program|$(xprop -id "$window" WM_CLASS)|$icon"
            kill $pid; wait $pid
        done
        kill $xvfb)sh");
    // clang-format on
    const std::string carries =
        "|WM_CLASS(STRING) = \"" + wmClass + "\", \"" + wmClass + "\"|_NET_WM_ICON(CARDINAL) = \tIcon (";
    for (const char* program :
         {"./zorbik", "Maze/Game1 Quiz/quiz BOTH NOSOUND SHOWN", "Quiz/quiz LCM 3 NOSOUND"})
        EXPECT_NE(ran.output.find(program + carries), std::string::npos) << program << "\n" << ran.output;
}

} // namespace
} // namespace zorbik::testing
