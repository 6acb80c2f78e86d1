#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "support/ChildProcesses.h"
#include "support/GameSession.h"
#include "support/WaitFor.h"

namespace {

using namespace testsupport;
namespace fs = std::filesystem;

const char* const kRanking = "Data/Tarnbrook/Score/Classifica.txt";

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int Shell(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Every entry under root with its mode, size and time, then every file's contents.
std::string Snapshot(const fs::path& root)
{
    Shell("find " + Quoted(root) + " -printf '%p %m %s %T@\\n' -type f -exec cat {} + >" +
          Quoted(root.string() + ".listing"));
    return ReadFile(root.string() + ".listing");
}

// Where the launcher links a data file to.
fs::path InstalledData(const fs::path& prefix, const char* file)
{
    return fs::canonical(prefix) / "share/games/tarnbrook/Data" / file;
}

bool LinksTo(const fs::path& userFolder, const fs::path& prefix)
{
    for (const char* file : {"terreno27x27.bin", "beep.wav", "Explosion.wav"}) {
        const fs::path link = userFolder / "Data" / file;
        if (!fs::is_symlink(link) || fs::read_symlink(link) != InstalledData(prefix, file)) {
            return false;
        }
    }
    return fs::is_directory(userFolder / "Data/Tarnbrook/Score");
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

    struct Run {
        int status;
        std::string out, err;
    };
    // A launcher without a display, in folder, with the environment given as "NAME=value" words
    // after HOME, XDG_DATA_HOME and DISPLAY were removed.
    Run Launch(const fs::path& program, const std::string& arguments,
               const std::string& environment, const fs::path& folder)
    {
        const std::string out = root.Path() + "/out", err = root.Path() + "/err";
        const int status = Shell("cd " + Quoted(folder) + " && env -u HOME -u XDG_DATA_HOME -u " +
                                 "DISPLAY " + environment + " " + Quoted(program) + " " +
                                 arguments + " >" + Quoted(out) + " 2>" + Quoted(err));
        return {status, ReadFile(out), ReadFile(err)};
    }

    ScratchFolder root;
    const fs::path prefix = root.Path() + "/install prefix";
    const fs::path launcher = prefix / "games/tarnbrook";
};

// The installed game, started through the launcher from another folder, plays a lost game: the
// name dialog is brought back on top, with a beep, by a press on the main window.
// YES to EXIT ends the game, and with it a sound still playing, even one deaf to SIGTERM.
TEST_F(InstalledGame, EachUserPlaysInAFolderOfTheirOwnAndTheInstallStaysAsItWas)
{
    Shell("chmod -R a-w " + Quoted(prefix.string()));
    const std::string installed = Snapshot(prefix);
    ASSERT_NE(installed.find("Explosion.wav 444 "), std::string::npos) << installed;
    const fs::path firstUser = root.Path() + "/home one/.local/share/tarnbrook";
    const fs::path startFolder = root.Path() + "/a folder", aplayPid = root.Path() + "/aplay.pid";
    {
        GameSession game(
            [&](const ScratchFolder&) {
                fs::create_directory(startFolder);
                fs::current_path(startFolder);
            },
            {"HOME=" + root.Path() + "/home one", "XDG_DATA_HOME"}, launcher.string());
        ASSERT_TRUE(game.WaitUntilShown());
        EXPECT_TRUE(LinksTo(firstUser, prefix));
        // Squares in turn, each once it shows uncovered, until a hazard shows; a square a flood
        // has yet to reach is clicked to no effect.
        std::vector<int> tiles = game.StartGame();
        for (int cell = 0; CountTiles(tiles, board::kHazard) == 0 && cell < board::kCells; ++cell) {
            if (IsInteriorCell(cell) && tiles[cell] == board::kCovered) {
                game.ClickCell(cell);
                WaitFor([&] { return (tiles = game.Board())[cell] != board::kCovered; });
            }
        }
        const auto dialog = game.WaitForDialog("Top Ten");
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(WaitFor([&] { return game.Fakes().Count("aplay Data/Explosion.wav") == 1; }));
        const int beeps = game.Fakes().Count("aplay Data/beep.wav");
        XRaiseWindow(game.GetDisplay(), game.Id());
        XSync(game.GetDisplay(), False);
        ASSERT_TRUE(game.IsAbove(dialog->Id()));
        game.ClickAt(300, 60);
        EXPECT_TRUE(WaitFor([&] { return dialog->IsAbove(game.Id()); }));
        EXPECT_TRUE(
            WaitFor([&] { return game.Fakes().Count("aplay Data/beep.wav") == beeps + 1; }));

        dialog->ClickAt(125, 55);  // the name's text box
        for (KeySym key : {XK_a, XK_d, XK_a, XK_Return}) {
            dialog->Input().TypeKey(key);
        }
        ASSERT_TRUE(WaitFor([&] { return !dialog->Exists(); }));
        // The board is whole again; the result enters the ranking in the user's folder and the
        // ticker.
        EXPECT_TRUE(WaitFor([&] { return WronglyShown(tiles = game.Board()) == 0; }));
        EXPECT_EQ(CountTiles(tiles, board::kHazard), 10);
        std::string score = std::to_string(CountUncovered(tiles));
        const std::string line = score.insert(0, 8 - score.size(), '0') + " ada          Level 1";
        EXPECT_TRUE(WaitFor([&] { return ReadFile(firstUser / kRanking) == line + "\n"; }));
        const Area ticker = PaintedLabel("Top Ten: 1  Score " + line, layout::kWidth, 18, 0x00FFFF,
                                         0x0000FF, 2, false);
        EXPECT_TRUE(
            WaitFor([&] { return game.Shown(0, 10, layout::kWidth, 18) == ticker; }, 10000));

        game.Folder().Write("fake-bin/aplay", "#!/bin/sh\ntrap '' TERM\necho $$ >" +
                                                  Quoted(aplayPid) + "\nexec sleep 60\n");
        game.StartGame();
        game.ClickCell(13);
        ASSERT_TRUE(WaitFor([&] { return ReadFile(aplayPid).find('\n') != std::string::npos; }));
        game.ClickButton(layout::kExitY);
        const auto question = game.WaitForDialog("Exit");
        ASSERT_NE(question, nullptr);
        question->ClickAt(185, 124);
        EXPECT_EQ(game.WaitForExit(), 0);
        EXPECT_TRUE(WaitFor([&] { return ProcessEnded(std::stoi(ReadFile(aplayPid))); }));
        EXPECT_FALSE(fs::exists(firstUser / "log.txt"));
        EXPECT_TRUE(fs::is_empty(startFolder));  // nothing is written where the player stood
    }

    EXPECT_TRUE(Snapshot(prefix) == installed);
}

// Wrong words get the usage; with no folder for the scores, one line and the game does not start
// (it would say that it has no display).
TEST_F(InstalledGame, TheLauncherRefusesWhatItCannotDoAndKeepsWhatTheUserHas)
{
    const std::string usage = "Usage: tarnbrook \\[--help \\| --version\\]\n";
    const std::string home = "HOME=" + Quoted(root.Path()), refusal = "tarnbrook: [^\n]+\n";
    root.Write("plain file", "");
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
                 {"", "XDG_DATA_HOME=" + Quoted(root.Path() + "/plain file"), 1, "", refusal}};
    for (const auto& c : cases) {
        const Run run = Launch(launcher, c.arguments, c.environment, root.Path());
        EXPECT_EQ(run.status, c.status) << c.arguments << c.environment;
        EXPECT_TRUE(std::regex_match(run.out, std::regex(c.out))) << run.out;
        EXPECT_TRUE(std::regex_match(run.err, std::regex(c.err))) << run.err;
    }
    EXPECT_FALSE(root.Exists(".local"));
    EXPECT_FALSE(root.Exists("log.txt"));

    // The install moved elsewhere and started through a link: the game, which has no display,
    // says so in a fresh log; the user's ranking and a file of their own stay byte for byte, a
    // stale link follows the install.
    const fs::path moved = root.Path() + "/moved prefix", user = root.Path() + "/data/tarnbrook";
    fs::copy(prefix, moved, fs::copy_options::recursive);
    fs::create_symlink(moved / "games/tarnbrook", root.Path() + "/tarnbrook");
    const std::string oldRanking = "00000042 bea          Level 3\r\n00000007 x";
    root.Write("data/tarnbrook/" + std::string(kRanking), oldRanking);
    root.Write("data/tarnbrook/Data/Explosion.wav", "mine");
    root.Write("data/tarnbrook/log.txt", "of a run before\n");
    fs::create_symlink("/nowhere/beep.wav", user / "Data/beep.wav");
    const Run started = Launch(
        root.Path() + "/tarnbrook", "",
        "XDG_DATA_HOME=" + Quoted(root.Path() + "/data") + " HOME=" + Quoted(root.Path() + "/home"),
        "/");
    EXPECT_EQ(started.status, 1);
    EXPECT_EQ(started.out, "XOpenDisplay(0) failed.\n");
    EXPECT_EQ(ReadFile(user / "log.txt"), "XOpenDisplay(0) failed.\n");
    EXPECT_EQ(ReadFile(user / kRanking), oldRanking);
    EXPECT_EQ(ReadFile(user / "Data/Explosion.wav"), "mine");
    EXPECT_EQ(fs::read_symlink(user / "Data/beep.wav"), InstalledData(moved, "beep.wav"));
    EXPECT_FALSE(fs::exists(root.Path() + "/home"));
}

}  // namespace
