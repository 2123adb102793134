// SPDX-License-Identifier: GPL-3.0-or-later
// The program keeps no settings: a whole session (games, every command, the open prompt
// answered and cancelled) leaves the home folder, the XDG folders and the working folder as
// they were, whatever state the home folder is in.
#include "tests/gui/OnScreenFixture.h"

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <system_error>

namespace fs = std::filesystem;

namespace {

enum class Home { Fresh, ReadOnly, Missing, Unset };

struct HomeCase {
    const char* name;
    Home home;
    bool xdgFolders; // XDG_CONFIG_HOME and the like name folders of their own
};

// A failing case names itself, rather than showing as bytes.
void PrintTo(const HomeCase& homeCase, std::ostream* out)
{
    *out << homeCase.name;
}

// Everything below `root` (the root itself included): type, size and time of change, by path.
using Listing = std::map<std::string, std::string>;

Listing List(const fs::path& root)
{
    Listing listing;
    const auto note = [&listing](const fs::path& path) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0) {
            return;
        }
        std::ostringstream entry;
        entry << std::oct << info.st_mode << std::dec << ' ' << info.st_size << ' '
              << info.st_mtim.tv_sec << '.' << info.st_mtim.tv_nsec;
        listing[path.string()] = entry.str();
    };
    std::error_code error;
    if (!fs::exists(fs::symlink_status(root, error))) {
        return listing;
    }
    note(root);
    for (auto entry = fs::recursive_directory_iterator(root, error);
         !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        note(entry->path());
    }
    return listing;
}

std::string Differences(const Listing& before, const Listing& after)
{
    std::string text;
    for (const auto& [path, entry] : after) {
        const auto old = before.find(path);
        if (old == before.end()) {
            text += "  created " + path + "\n";
        } else if (old->second != entry) {
            text += "  changed " + path + "\n";
        }
    }
    for (const auto& [path, entry] : before) {
        if (!after.contains(path)) {
            text += "  removed " + path + "\n";
        }
    }
    return text;
}

class NoTrace : public OnScreenTest, public testing::WithParamInterface<HomeCase> {
protected:
    void SetUp() override
    {
        OnScreenTest::SetUp();
        std::string pattern = testing::TempDir() + "zintra_win-session-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
    }
    void TearDown() override
    {
        OnScreenTest::TearDown();
        std::error_code ignored;
        if (!m_root.empty()) {
            fs::permissions(m_root / "home", fs::perms::owner_all, ignored);
            fs::remove_all(m_root, ignored);
        }
    }

    // Makes the folders of `home` under the test's own and says how the program finds them.
    Surroundings Prepare(const HomeCase& homeCase)
    {
        Surroundings surroundings;
        surroundings.workingDirectory = (m_root / "work").string();
        fs::create_directory(surroundings.workingDirectory);
        // Where the session's own runtime files go; without it Qt makes one under /tmp.
        fs::create_directory(m_root / "runtime");
        fs::permissions(m_root / "runtime", fs::perms::owner_all);
        surroundings.environment.push_back("XDG_RUNTIME_DIR=" + (m_root / "runtime").string());
        // A desktop session has its bus, and without one libdbus starts one of its own for the
        // display, which writes its address under the home folder: the program finds no bus.
        surroundings.environment.push_back("DBUS_SESSION_BUS_ADDRESS=unix:path=" +
                                           (m_root / "runtime" / "no-bus").string());

        const fs::path home = m_root / "home";
        switch (homeCase.home) {
        case Home::Fresh:
        case Home::ReadOnly:
            fs::create_directory(home);
            surroundings.environment.push_back("HOME=" + home.string());
            break;
        case Home::Missing:
            surroundings.environment.push_back("HOME=" + home.string());
            break;
        case Home::Unset:
            surroundings.environment.emplace_back("HOME");
            break;
        }
        for (const char* name :
             {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
            if (homeCase.xdgFolders) {
                const fs::path folder = m_root / name;
                fs::create_directory(folder);
                surroundings.environment.push_back(std::string(name) + "=" + folder.string());
            } else {
                surroundings.environment.emplace_back(name);
            }
        }
        if (homeCase.home == Home::ReadOnly) {
            fs::permissions(home, fs::perms::owner_read | fs::perms::owner_exec);
        }
        return surroundings;
    }

    // What the program could write to: the test's folders, and where a program without a
    // home folder puts its settings, caches and data.
    Listing ListAll() const
    {
        Listing all = List(m_root);
        for (const char* fallback : {"/.config", "/.cache", "/.local"}) {
            all.merge(List(fallback));
        }
        return all;
    }

    // Opens the Help menu by its mnemonic and picks the item that many steps down its list.
    void PickHelpItem(int stepsDown)
    {
        ASSERT_TRUE(Xdo().Focus(MainWindow()));
        ASSERT_TRUE(Xdo().Key("alt+h"));
        ASSERT_TRUE(Eventually([&] { return OtherWindows().size() == 1; }, kPatience))
            << "the Help menu did not open";
        for (int step = 0; step < stepsDown; ++step) {
            ASSERT_TRUE(Xdo().Key("Down"));
        }
        ASSERT_TRUE(Xdo().Key("Return"));
    }

    // Waits for a window whose name matches `name` and closes it with `key`.
    void CloseWithKey(const std::string& name, const std::string& key)
    {
        const std::optional<XWindowId> window = Xdo().WaitForShown(name, kPatience);
        ASSERT_TRUE(window.has_value()) << "no window named " << name << " showed";
        ASSERT_TRUE(Xdo().Focus(*window));
        ASSERT_TRUE(Xdo().Key(key));
        ASSERT_TRUE(Eventually([&] { return OtherWindows().empty(); }, kPatience))
            << name << " did not close with " << key;
    }

    // The open prompt, answered with a file or cancelled.
    void OpenPrompt(const std::string& answer)
    {
        ASSERT_TRUE(Xdo().Focus(MainWindow()));
        ASSERT_TRUE(Xdo().Key("ctrl+o"));
        const std::optional<XWindowId> prompt = Xdo().WaitForShown("^Open", kPatience);
        ASSERT_TRUE(prompt.has_value()) << "the open prompt did not show";
        ASSERT_TRUE(Xdo().Focus(*prompt));
        if (!answer.empty()) {
            ASSERT_EQ(Xdo().Run({"type", "--delay", "10", answer}).exitCode, 0);
        }
        const std::string key = answer.empty() ? "Escape" : "Return";
        // The prompt fills its file list and its completions in the background, slowly in the
        // sanitizer build, and a key can go to a completion popping up, or come before the
        // prompt takes keys at all. What counts here is what the prompt leaves behind, so a
        // prompt still open after a while gets the key again.
        bool closed = false;
        for (int attempt = 0; attempt < 3 && !closed; ++attempt) {
            // A prompt that closed just now cannot take the focus, and needs no key.
            if (Xdo().Focus(*prompt)) {
                ASSERT_TRUE(Xdo().Key(key));
            }
            closed = Eventually([&] { return OtherWindows().empty(); }, kPatience / 3);
        }
        ASSERT_TRUE(closed) << "the open prompt did not close";
    }

    fs::path m_root;
};

TEST_P(NoTrace, AfterAWholeSessionNothingIsCreatedOrChanged)
{
    const Surroundings surroundings = Prepare(GetParam());
    const Listing before = ListAll();
    const bool rootFallbacksExisted = fs::exists("/.config");

    constexpr unsigned kSeed = 23;
    Launch({"--seed", std::to_string(kSeed)}, surroundings);
    ASSERT_NE(ChoosePlayers(WaitForPlayersDialog(), 2), 0U);
    BoardModel model(2, kSeed);
    ASSERT_TRUE(ShowsBoard(model));
    // A card drawn and placed, then a row that cannot be taken: a refusal box.
    for (const QPoint point : {DeckPoint(), RowPoint(0)}) {
        ASSERT_TRUE(model.Click(point).empty());
        ClickBoard(point);
        ASSERT_TRUE(ShowsBoard(model));
    }
    ASSERT_FALSE(model.Click(RowPoint(1)).empty());
    ClickBoard(RowPoint(1));
    const std::optional<XWindowId> box = WaitForBox();
    ASSERT_TRUE(box.has_value()) << "no refusal box showed";
    ASSERT_TRUE(CloseBoxWithReturn(*box));

    // Every command: a new game, About, Rules, the open prompt cancelled and answered.
    ASSERT_TRUE(Xdo().Focus(MainWindow()));
    ASSERT_TRUE(Xdo().Key("ctrl+n"));
    ASSERT_NE(ChoosePlayers(WaitForPlayersDialog(), 3), 0U);
    model.NewGame(3);
    ASSERT_TRUE(ShowsBoard(model));
    PickHelpItem(0);
    CloseWithKey("^About Zintra_win$", "Return");
    PickHelpItem(1);
    const std::optional<XWindowId> rules = WaitForBox();
    ASSERT_TRUE(rules.has_value()) << "the rules did not show";
    ASSERT_TRUE(CloseBoxWithReturn(*rules));
    OpenPrompt("");
    // A file outside every folder watched, so that only the prompt's own doings count.
    OpenPrompt(std::string(ZINTRA_WIN_PROGRAM));
    ASSERT_TRUE(ShowsBoard(model));

    ASSERT_TRUE(X().RequestClose(MainWindow()));
    ASSERT_EQ(WaitForExit(kPatience), std::optional<int>(0));

    const Listing after = ListAll();
    if (!rootFallbacksExisted && fs::exists("/.config")) {
        // Made by the program for want of a home: not to be left behind on the machine.
        fs::remove_all("/.config");
    }
    EXPECT_EQ(Differences(before, after), "") << "the program left traces";
    EXPECT_EQ(ProgramOutput(), "") << "nothing to complain of, whatever the home";
}

const HomeCase kHomes[] = {
    {"FreshHomeAndXdgFolders", Home::Fresh, true},
    {"FreshHomeAlone", Home::Fresh, false},
    {"ReadOnlyHome", Home::ReadOnly, false},
    {"MissingHome", Home::Missing, false},
    {"UnsetHome", Home::Unset, false},
};

INSTANTIATE_TEST_SUITE_P(Homes, NoTrace, testing::ValuesIn(kHomes),
                         [](const testing::TestParamInfo<HomeCase>& homeCase) {
                             return std::string(homeCase.param.name);
                         });

} // namespace
