#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "support/GameSession.h"
#include "support/ScratchFolder.h"
#include "support/WaitFor.h"

namespace {

using namespace testsupport;
namespace fs = std::filesystem;

const char* const kDataFiles[] = {"terreno27x27.bin", "beep.wav", "Explosion.wav"};
const char* const kRanking = "Data/Tarnbrook/Score/Classifica.txt";

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string ReadFile(const fs::path& path)
{
    std::string bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    char buffer[4096];
    size_t count;
    while (file && (count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, count);
    }
    if (file) {
        std::fclose(file);
    }
    return bytes;
}

// Every entry under root with its kind, mode, size, time and, for files, contents.
std::string Snapshot(const fs::path& root)
{
    std::string listing;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        struct stat info {};
        lstat(entry.path().c_str(), &info);
        listing += entry.path().string() + " " + std::to_string(info.st_mode) + " " +
                   std::to_string(info.st_size) + " " + std::to_string(info.st_mtim.tv_sec) + "." +
                   std::to_string(info.st_mtim.tv_nsec) + "\n";
        if (entry.is_regular_file()) {
            listing += ReadFile(entry.path());
        }
    }
    return listing;
}

// The game installed from this build into a prefix whose name has a blank in it.
class InstalledGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string command = std::string("cmake --install ") + Quoted(TARNBROOK_BUILD_DIR) +
                                    " --prefix " + Quoted(prefix.string()) + " >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
    void TearDown() override { SetWritable(prefix, true); }

    static void SetWritable(const fs::path& root, bool writable)
    {
        const std::string command =
            "chmod -R " + std::string(writable ? "u+w " : "a-w ") + Quoted(root.string());
        std::system(command.c_str());
    }
    // Where the launcher links a data file to.
    static fs::path InstalledData(const fs::path& installPrefix, const char* file)
    {
        return fs::canonical(installPrefix) / "share/games/tarnbrook/Data" / file;
    }
    static bool LinksTo(const fs::path& userFolder, const fs::path& installPrefix)
    {
        for (const char* file : kDataFiles) {
            const fs::path link = userFolder / "Data" / file;
            if (!fs::is_symlink(link) ||
                fs::read_symlink(link) != InstalledData(installPrefix, file)) {
                return false;
            }
        }
        return fs::is_directory(userFolder / "Data/Tarnbrook/Score");
    }

    struct Run {
        int status;
        std::string out;
        std::string err;
    };
    // Runs a launcher without a display, in folder, with the environment given as "NAME=value"
    // words after HOME, XDG_DATA_HOME and DISPLAY were removed.
    Run Launch(const fs::path& launcher, const std::string& arguments,
               const std::string& environment, const fs::path& folder)
    {
        const fs::path out = root.Path() + "/out", err = root.Path() + "/err";
        const std::string command = "cd " + Quoted(folder.string()) +
                                    " && env -u HOME -u XDG_DATA_HOME -u DISPLAY " + environment +
                                    " " + Quoted(launcher.string()) + " " + arguments + " >" +
                                    Quoted(out.string()) + " 2>" + Quoted(err.string());
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    }

    ScratchFolder root;
    const fs::path prefix = root.Path() + "/install prefix";
    const fs::path launcher = prefix / "games/tarnbrook";
};

TEST_F(InstalledGame, EachUserPlaysInAFolderOfTheirOwnAndTheInstallStaysAsItWas)
{
    SetWritable(prefix, false);
    const std::string installed = Snapshot(prefix);
    const fs::path firstUser = root.Path() + "/home one/.local/share/tarnbrook";
    std::string ranking;
    {
        fs::path startFolder;
        GameSession game(launcher.string(),
                         [&](const ScratchFolder& folder) {
                             startFolder = folder.Path() + "/a folder";
                             fs::create_directory(startFolder);
                             fs::current_path(startFolder);
                         },
                         {"HOME=" + root.Path() + "/home one", "XDG_DATA_HOME"});
        ASSERT_TRUE(game.WaitUntilShown());
        EXPECT_TRUE(LinksTo(firstUser, prefix));

        game.ClickStart();
        std::vector<int> tiles;
        WaitFor([&] { return CountTiles(tiles = game.Board(), board::kCovered) == 130; });
        for (int cell = 0; cell < board::kCells && CountTiles(tiles, board::kHazard) == 0; ++cell) {
            if (IsInteriorCell(cell) && tiles[static_cast<size_t>(cell)] == board::kCovered) {
                game.ClickCell(cell);
                tiles = game.WaitForBoardChange(tiles);
            }
        }
        auto dialog = game.WaitForDialog("Top Ten");
        ASSERT_NE(dialog, nullptr);
        dialog->ClickAt(125, 55);
        for (KeySym key : {XK_a, XK_d, XK_a, XK_Return}) {
            dialog->Input().TypeKey(key);
        }
        ASSERT_TRUE(WaitFor([&] { return !(ranking = ReadFile(firstUser / kRanking)).empty(); }));
        EXPECT_TRUE(std::regex_match(ranking, std::regex("[0-9]{8} ada          Level 1\n")))
            << ranking;
        EXPECT_EQ(game.Fakes().Count("aplay Data/Explosion.wav"), 1);
        EXPECT_TRUE(fs::is_empty(startFolder));  // nothing is written where the player stood
    }
    ASSERT_TRUE(WaitFor([] { return !GameWindow().WaitForWindow("Tarnbrook - ", 0); }));

    const fs::path secondUser = root.Path() + "/home two/.local/share/tarnbrook";
    {
        GameSession game(launcher.string(), [](const ScratchFolder&) { fs::current_path("/"); },
                         {"HOME=" + root.Path() + "/home two", "XDG_DATA_HOME"});
        ASSERT_TRUE(game.WaitUntilShown());
        EXPECT_TRUE(LinksTo(secondUser, prefix));
        EXPECT_FALSE(fs::exists(secondUser / kRanking));
    }
    EXPECT_EQ(ReadFile(firstUser / kRanking), ranking);
    EXPECT_TRUE(Snapshot(prefix) == installed);
}

TEST_F(InstalledGame, TheLauncherRefusesWhatItCannotDoAndKeepsWhatTheUserHas)
{
    EXPECT_EQ(Launch(launcher, "--version", "", "/").out,
              std::string("tarnbrook ") + TARNBROOK_VERSION + "\n");
    const Run help = Launch(launcher, "--help", "", "/");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: tarnbrook [--help | --version]\n", 0), 0u) << help.out;
    for (const char* arguments : {"--bogus", "--help --version", "''"}) {
        const Run wrong = Launch(launcher, arguments, "HOME=" + Quoted(root.Path()), "/");
        EXPECT_EQ(wrong.status, 2) << arguments;
        EXPECT_EQ(wrong.out, "") << arguments;
        EXPECT_EQ(wrong.err, "Usage: tarnbrook [--help | --version]\n") << arguments;
    }
    EXPECT_FALSE(fs::exists(root.Path() + "/.local"));

    // No folder for the scores: one line, and the game does not start (it would say that it
    // has no display).
    root.Write("plain file", "");
    for (const std::string& environment :
         {std::string(), std::string("XDG_DATA_HOME=relative"),
          "XDG_DATA_HOME=" + Quoted(root.Path() + "/plain file")}) {
        const Run refused = Launch(launcher, "", environment, root.Path());
        EXPECT_EQ(refused.status, 1) << environment;
        EXPECT_EQ(refused.out, "") << environment;
        EXPECT_TRUE(std::regex_match(refused.err, std::regex("tarnbrook: [^\n]+\n")))
            << refused.err;
    }
    EXPECT_FALSE(root.Exists("log.txt"));

    // The install moved elsewhere and started through a link: the user's ranking stays byte
    // for byte, a file of their own stays, stale links follow the install.
    const fs::path moved = root.Path() + "/moved prefix";
    fs::copy(prefix, moved, fs::copy_options::recursive);
    fs::create_directory(root.Path() + "/bin");
    fs::create_symlink(moved / "games/tarnbrook", root.Path() + "/bin/tarnbrook");
    const fs::path user = root.Path() + "/data home/tarnbrook";
    const std::string oldRanking = "00000042 bea          Level 3\r\n00000007 x";
    root.Write("data home/tarnbrook/" + std::string(kRanking), oldRanking);
    root.Write("data home/tarnbrook/Data/Explosion.wav", "mine");
    fs::create_symlink("/nowhere/beep.wav", user / "Data/beep.wav");
    const Run started = Launch(root.Path() + "/bin/tarnbrook", "",
                               "XDG_DATA_HOME=" + Quoted(root.Path() + "/data home") +
                                   " HOME=" + Quoted(root.Path() + "/home"),
                               "/");
    EXPECT_EQ(started.status, 1);  // the game's own: no display
    EXPECT_EQ(started.out, "XOpenDisplay(0) failed.\n");
    EXPECT_EQ(ReadFile(user / "log.txt"), "XOpenDisplay(0) failed.\n");
    EXPECT_EQ(ReadFile(user / kRanking), oldRanking);
    EXPECT_EQ(ReadFile(user / "Data/Explosion.wav"), "mine");
    EXPECT_EQ(fs::read_symlink(user / "Data/beep.wav"), InstalledData(moved, "beep.wav"));
    EXPECT_EQ(fs::read_symlink(user / "Data/terreno27x27.bin"),
              InstalledData(moved, "terreno27x27.bin"));
    EXPECT_FALSE(fs::exists(root.Path() + "/home"));
}

}  // namespace
