#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>

#include "support/ChildProcesses.h"
#include "support/GameSession.h"
#include "support/WaitFor.h"
#include "support/WindowState.h"

namespace {

using namespace testsupport;
namespace fs = std::filesystem;

const char* const kRanking = "Data/Tarnbrook/Score/Classifica.txt";

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

int Shell(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The game installed from this build into a prefix whose name has a blank in it.
class InstalledGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Shell("cmake --install " + Quoted(TARNBROOK_BUILD_DIR) + " --prefix " +
                        Quoted(prefix.string()) + " >/dev/null"),
                  0);
    }
    void TearDown() override { Shell("chmod -R u+w " + Quoted(prefix.string())); }

    // Every entry of the install with its mode, size and time, then every file's contents.
    std::string Snapshot()
    {
        Shell("find " + Quoted(prefix) + " -printf '%p %m %s %T@\\n' -type f -exec cat {} + >" +
              Quoted(root.Path() + "/listing"));
        return root.Read("listing");
    }

    struct Run {
        int status;
        std::string out, err;
    };
    // The launcher through the link root/tarnbrook, in root, without a display, with the
    // environment given as "NAME=value" words after HOME, XDG_DATA_HOME and DISPLAY were removed.
    Run Launch(const std::string& arguments, const std::string& environment)
    {
        const int status =
            Shell("cd " + Quoted(root.Path()) + " && env -u HOME -u XDG_DATA_HOME " +
                  "-u DISPLAY " + environment + " ./tarnbrook " + arguments + " >out 2>err");
        return {status, root.Read("out"), root.Read("err")};
    }

    ScratchFolder root;
    const fs::path prefix = root.Path() + "/install prefix";
    const fs::path launcher = prefix / "games/tarnbrook";
};

// The installed game, started through the launcher from a folder of its data, plays a lost game:
// the name dialog is brought back on top, with a beep, by a press on the main window, and stays
// on top under a window manager; YES to EXIT ends the game.
TEST_F(InstalledGame, EachUserPlaysInAFolderOfTheirOwnAndTheInstallStaysAsItWas)
{
    Shell("chmod -R a-w " + Quoted(prefix.string()));
    const std::string installed = Snapshot();
    ASSERT_NE(installed.find("Explosion.wav 444 "), std::string::npos) << installed;
    const std::string user = "home one/.local/share/tarnbrook/";
    GameSession game(nullptr, {"env", "-u", "XDG_DATA_HOME", "HOME=" + root.Path() + "/home one",
                               launcher.string()});
    ASSERT_TRUE(game.WaitUntilShown());
    // Squares in turn, each once it shows uncovered, until a hazard shows; a square a flood
    // has yet to reach is clicked to no effect.
    std::vector<int> tiles = game.StartGame();
    for (int cell = 0; CountTiles(tiles, board::kHazard) == 0 && cell < board::kCells; ++cell) {
        if (IsInteriorCell(cell) && tiles[cell] == board::kCovered) {
            game.ClickCell(cell);
            WaitFor([&] { return (tiles = game.Board())[cell] != board::kCovered; });
        }
    }
    GameWindow dialog;
    ASSERT_TRUE(dialog.WaitForWindow("Top Ten"));
    EXPECT_TRUE(WaitFor([&] { return game.Fakes().Count("aplay Data/Explosion.wav") == 1; }));
    // Below the main window and iconified (unmapped, as a window manager does it), the dialog
    // comes back on top, with a beep, at a press on the main window.
    Display* display = game.GetDisplay();
    const int beeps = game.Fakes().Count("aplay Data/beep.wav");
    XRaiseWindow(display, game.Id());
    XUnmapWindow(display, dialog.Id());
    XSync(display, False);
    ASSERT_TRUE(game.IsAbove(dialog.Id()));
    game.ClickAt(300, 60);
    EXPECT_TRUE(
        WaitFor([&] { return Viewable(display, dialog.Id()) && dialog.IsAbove(game.Id()); }));
    EXPECT_TRUE(WaitFor([&] { return game.Fakes().Count("aplay Data/beep.wav") == beeps + 1; }));
    {
        // Under a window manager the dialog stays in front of the main window raised over it.
        const std::string wm = root.Path() + "/wm";
        GameSession openbox(nullptr, {"env", "HOME=" + wm, "XDG_CONFIG_HOME=" + wm,
                                      "XDG_CACHE_HOME=" + wm, "openbox"});
        ASSERT_TRUE(WindowManagerCaughtUp(display));
        XRaiseWindow(display, game.Id());
        ASSERT_TRUE(WindowManagerCaughtUp(display));
        EXPECT_EQ(WindowSeenAt(display, dialog.Id(), 125, 57), dialog.Id());
    }

    dialog.ClickAt(125, 55);  // the name's text box
    for (KeySym key : {XK_a, XK_d, XK_a, XK_Return}) {
        dialog.Input().TypeKey(key);
    }
    // The dialog gone, the board is whole again; the result enters the ranking in the user's
    // folder and the ticker.
    EXPECT_TRUE(WaitFor([&] { return WronglyShown(tiles = game.Board()) == 0; }));
    EXPECT_EQ(CountTiles(tiles, board::kHazard), 10);
    std::string score = std::to_string(CountUncovered(tiles));
    const std::string line = score.insert(0, 8 - score.size(), '0') + " ada          Level 1";
    EXPECT_TRUE(WaitFor([&] { return root.Read(user + kRanking) == line + "\n"; }));
    const Area ticker =
        PaintedLabel("Top Ten: 1  Score " + line, layout::kWidth, 18, 0x00FFFF, 0x0000FF, 2, false);
    EXPECT_TRUE(WaitFor([&] { return game.Shown(0, 10, layout::kWidth, 18) == ticker; }, 10000));

    // A sound still playing, even one deaf to SIGTERM, ends with the game.
    const std::string aplayPid = game.Folder().Path() + "/aplay.pid";
    game.Folder().Write("fake-bin/aplay",
                        "#!/bin/sh\ntrap '' TERM\necho $$ >'" + aplayPid + "'\nexec sleep 60\n");
    game.StartGame();
    game.ClickCell(13);
    ASSERT_TRUE(
        WaitFor([&] { return game.Folder().Read("aplay.pid").find('\n') != std::string::npos; }));
    game.ClickButton(layout::kExitY);
    GameWindow question;
    ASSERT_TRUE(question.WaitForWindow("Exit"));
    question.ClickAt(185, 124);
    EXPECT_EQ(game.WaitForExit(), 0);
    EXPECT_TRUE(WaitFor([&] { return ProcessEnded(std::stoi(game.Folder().Read("aplay.pid"))); }));
    EXPECT_FALSE(root.Exists(user + "log.txt"));
    // Nothing is written where the player stood.
    EXPECT_FALSE(game.Folder().Exists("log.txt") || game.Folder().Exists("Data/Tarnbrook"));

    EXPECT_TRUE(Snapshot() == installed);
}

// Through a link to the install moved elsewhere: wrong words get the usage; with no folder for
// the scores, one line and the game does not start. Started, the game (without a display) says so
// in a fresh log; the user's ranking and a file of their own stay, a stale link follows the
// install.
TEST_F(InstalledGame, TheLauncherRefusesWhatItCannotDoAndKeepsWhatTheUserHas)
{
    const fs::path moved = root.Path() + "/moved prefix";
    fs::rename(prefix, moved);
    fs::create_symlink(moved / "games/tarnbrook", root.Path() + "/tarnbrook");
    const std::string ranking = "00000042 bea          Level 3\r\n00000007 x";
    const std::string user = "data/tarnbrook/";
    root.Write(user + kRanking, ranking);
    root.Write(user + "Data/Explosion.wav", "mine");
    root.Write(user + "log.txt", "of a run before\n");
    fs::create_symlink("/nowhere/beep.wav", root.Path() + "/" + user + "Data/beep.wav");
    root.Write("plain file", "");
    const std::string usage = "Usage: tarnbrook \\[--help \\| --version\\]\n";
    const std::string home = "HOME=" + Quoted(root.Path()), refusal = "tarnbrook: [^\n]+\n";
    const struct {
        std::string arguments, environment;
        int status;
        std::string out, err;
    } cases[] = {{"--version", "", 0, "tarnbrook " TARNBROOK_VERSION "\n", ""},
                 {"--help", "", 0, usage + "[\\s\\S]*", ""},
                 {"--bogus", home, 2, "", usage},
                 {"--help --version", home, 2, "", usage},
                 {"''", home, 2, "", usage},
                 {"", "", 1, "", refusal},
                 {"", "XDG_DATA_HOME=relative", 1, "", refusal},
                 {"", "XDG_DATA_HOME=" + Quoted(root.Path() + "/plain file"), 1, "", refusal},
                 {"",
                  "XDG_DATA_HOME=" + Quoted(root.Path() + "/data") +
                      " HOME=" + Quoted(root.Path() + "/home"),
                  1, "XOpenDisplay\\(0\\) failed\\.\n", ""}};
    for (const auto& c : cases) {
        const Run run = Launch(c.arguments, c.environment);
        EXPECT_EQ(run.status, c.status) << c.arguments << c.environment;
        EXPECT_TRUE(std::regex_match(run.out, std::regex(c.out))) << run.out;
        EXPECT_TRUE(std::regex_match(run.err, std::regex(c.err))) << run.err;
    }
    EXPECT_FALSE(root.Exists(".local") || root.Exists("home") || root.Exists("log.txt"));
    EXPECT_EQ(root.Read(user + "log.txt"), "XOpenDisplay(0) failed.\n");
    EXPECT_EQ(root.Read(user + kRanking), ranking);
    EXPECT_EQ(root.Read(user + "Data/Explosion.wav"), "mine");
    EXPECT_EQ(fs::read_symlink(root.Path() + "/" + user + "Data/beep.wav"),
              fs::canonical(moved) / "share/games/tarnbrook/Data/beep.wav");
}

}  // namespace
