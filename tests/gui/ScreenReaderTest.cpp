// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a blind player meets it: started on a desktop whose accessibility bus runs
// and says a screen reader listens, played from the keyboard alone, and read through AT-SPI
// as a screen reader reads it. What the client reads must be what the view drew, where it
// drew it; what a move changes must be announced on the object that has the focus; and no
// object that a screen reader stops on may lack a name or a role.
#include "tests/gui/OnScreenFixture.h"
#include "tests/gui/ScreenReaderBus.h"

#include <algorithm>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <set>

namespace {

const std::string kApp = "zintra_win";
const std::string kDescriptionChanged = "object:property-change:accessible-description";

QString Q(const CString& text)
{
    return QString::fromWCharArray(text.GetString(), text.GetLength());
}

const AccessibleObject* Find(const std::vector<AccessibleObject>& tree, const std::string& role,
                             const std::string& name)
{
    const auto found = std::find_if(tree.begin(), tree.end(), [&](const AccessibleObject& object) {
        return object.role == role && object.name == name;
    });
    return found != tree.end() ? &*found : nullptr;
}

std::vector<AccessibleObject> ChildrenOf(const std::vector<AccessibleObject>& tree,
                                         const AccessibleObject& parent)
{
    std::vector<AccessibleObject> children;
    for (const AccessibleObject& object : tree) {
        if (object.path.size() == parent.path.size() + 1 &&
            std::equal(parent.path.begin(), parent.path.end(), object.path.begin())) {
            children.push_back(object);
        }
    }
    return children;
}

std::vector<AccessibleObject> DescendantsOf(const std::vector<AccessibleObject>& tree,
                                            const AccessibleObject& parent)
{
    std::vector<AccessibleObject> descendants;
    for (const AccessibleObject& object : tree) {
        if (object.path.size() > parent.path.size() &&
            std::equal(parent.path.begin(), parent.path.end(), object.path.begin())) {
            descendants.push_back(object);
        }
    }
    return descendants;
}

// What the board announces when it changes from `before` to `after`: the lines that are new or
// read differently at their place, in drawing order.
std::string Changes(const std::vector<CDC::TextItem>& before,
                    const std::vector<CDC::TextItem>& after)
{
    std::map<std::pair<int, int>, CString> shown;
    for (const CDC::TextItem& item : before) {
        shown.emplace(std::pair(item.x, item.y), item.text);
    }
    QStringList lines;
    for (const CDC::TextItem& item : after) {
        const auto same = shown.find({item.x, item.y});
        if (same == shown.end() || same->second != item.text) {
            lines << Q(item.text);
        }
    }
    return lines.join('\n').toStdString();
}

// The key that stands for a click at `point`, one of the layout's clicks.
std::string KeyFor(QPoint point)
{
    if (point == DeckPoint()) {
        return "space";
    }
    for (int row = 0; row < 5; ++row) {
        if (point == RowPoint(row)) {
            return std::to_string(row + 1);
        }
    }
    return "";
}

// Objects a screen reader stops on: what is on show and can take the focus, be acted on, or
// has something to read. Each needs a name to say and a role it knows.
std::vector<std::string> UnnamedStops(const std::vector<AccessibleObject>& tree)
{
    static const std::set<std::string> actionable{
        "push button", "radio button", "check box", "toggle button", "menu item",
        "combo box",   "page tab",     "link",      "image",         "icon"};
    std::vector<std::string> faults;
    for (const AccessibleObject& object : tree) {
        const bool stop =
            object.Has("showing") &&
            (object.Has("focusable") || actionable.contains(object.role) || !object.name.empty());
        if (stop && (object.name.empty() || object.role == "unknown" || object.role == "invalid")) {
            std::string where;
            for (const int index : object.path) {
                where += "/" + std::to_string(index);
            }
            faults.push_back(object.role + " \"" + object.name + "\" at " + where);
        }
    }
    return faults;
}

class ScreenReaderTest : public OnScreenTest {
protected:
    void SetUp() override
    {
        OnScreenTest::SetUp();
        m_bus = std::make_unique<ScreenReaderBus>(DisplayName());
    }
    void TearDown() override
    {
        m_listener.reset();
        OnScreenTest::TearDown(); // the program goes before its buses
        m_bus.reset();
    }

    // The tree once `ready` holds for it; the last one read when it never does.
    std::vector<AccessibleObject>
    TreeWhen(const std::function<bool(const std::vector<AccessibleObject>&)>& ready)
    {
        std::vector<AccessibleObject> tree;
        Eventually(
            [&] {
                tree = m_bus->Tree(kApp);
                return ready(tree);
            },
            kPatience);
        return tree;
    }

    // Whether the client reads the board as `model` draws it: one object, named (and, with
    // `focused`, focused), whose children are the drawn lines in drawing order, each where the
    // view drew it. Once a box has closed, the main window is active again only where a window
    // manager hands it back (the keys reach the board either way): there is none here.
    testing::AssertionResult ReadsBoard(const BoardModel& model, bool focused = true)
    {
        const auto lines = [&model, focused](const std::vector<AccessibleObject>& tree) {
            const AccessibleObject* board = Find(tree, "canvas", "Board");
            return board != nullptr && (board->Has("focused") || !focused) &&
                   ChildrenOf(tree, *board).size() == model.Drawing().size() &&
                   ChildrenOf(tree, *board).back().name ==
                       Q(model.Drawing().back().text).toStdString();
        };
        const std::vector<AccessibleObject> tree = TreeWhen(lines);
        const AccessibleObject* board = Find(tree, "canvas", "Board");
        if (board == nullptr || !board->extents) {
            return testing::AssertionFailure() << "no board on the bus";
        }
        if (focused && !board->Has("focused")) {
            return testing::AssertionFailure() << "the board does not have the focus";
        }
        const QRect mainWindow = Xdo().Geometry(MainWindow());
        if (board->extents->topLeft() != mainWindow.topLeft() + BoardOrigin()) {
            return testing::AssertionFailure() << "the board is read elsewhere than it shows";
        }
        const std::vector<QRect> rects = model.TextRects();
        const std::vector<AccessibleObject> read = ChildrenOf(tree, *board);
        if (read.size() != model.Drawing().size()) {
            return testing::AssertionFailure()
                   << read.size() << " lines read, " << model.Drawing().size() << " drawn";
        }
        for (size_t index = 0; index < read.size(); ++index) {
            const CDC::TextItem& item = model.Drawing()[index];
            const QRect where = rects[index].translated(board->extents->topLeft());
            if (read[index].name != Q(item.text).toStdString() || read[index].role != "label" ||
                read[index].extents != where) {
                return testing::AssertionFailure()
                       << "line " << index << " reads \"" << read[index].name << "\" as a "
                       << read[index].role << ", drawn \"" << Q(item.text).toStdString() << "\"";
            }
        }
        return testing::AssertionSuccess();
    }

    // Presses the key for `point` on the board, as the model clicks it, and returns what the
    // board announced; checks every box the move opens as a screen reader reads it, then
    // closes it. With `readBoard`, also reads the whole board afterwards.
    std::string Move(BoardModel& model, QPoint point, bool readBoard)
    {
        const std::vector<CDC::TextItem> before = model.Drawing();
        const std::vector<std::wstring> boxes = model.Click(point);
        const std::string expected = Changes(before, model.Drawing());
        EXPECT_TRUE(Xdo().Key(KeyFor(point)));
        for (const std::wstring& text : boxes) {
            ReadBoxAndClose(QString::fromStdWString(text).toStdString());
        }
        std::string announced;
        if (!expected.empty()) {
            const std::vector<AccessibleEvent> heard = m_listener->Collect(
                [&](const std::vector<AccessibleEvent>& events) {
                    return std::any_of(events.begin(), events.end(), [&](const auto& event) {
                        return event.kind == kDescriptionChanged && event.value == expected;
                    });
                },
                kPatience);
            for (const AccessibleEvent& event : heard) {
                if (event.kind == kDescriptionChanged && event.sourceName == "Board") {
                    announced = event.value;
                }
            }
            EXPECT_EQ(announced, expected);
        }
        EXPECT_TRUE(ShowsBoard(model));
        if (readBoard) {
            EXPECT_TRUE(ReadsBoard(model, boxes.empty()));
        }
        return announced;
    }

    // A box, as the client reads it: an alert captioned with the program's name, its text as a
    // label, its one button the default and focused. Closed with Return.
    void ReadBoxAndClose(const std::string& text)
    {
        const std::optional<XWindowId> box = WaitForBox();
        ASSERT_TRUE(box.has_value()) << "the box \"" << text << "\" did not show";
        const std::vector<AccessibleObject> tree =
            TreeWhen([&](const auto& objects) { return Find(objects, "label", text) != nullptr; });
        const AccessibleObject* alert = Find(tree, "alert", "Zintra_win");
        ASSERT_NE(alert, nullptr) << text;
        const std::vector<AccessibleObject> parts = DescendantsOf(tree, *alert);
        EXPECT_TRUE(std::any_of(parts.begin(), parts.end(), [&](const AccessibleObject& part) {
            return part.role == "label" && part.name == text;
        })) << text;
        const AccessibleObject* ok = Find(parts, "push button", "OK");
        ASSERT_NE(ok, nullptr) << text;
        EXPECT_TRUE(ok->Has("is-default") && ok->Has("focused")) << text;
        EXPECT_TRUE(UnnamedStops(tree).empty()) << text;
        if (text.starts_with("Final Scores")) {
            std::cout << "[screen reader] the results box: " << text << '\n';
        }
        ASSERT_TRUE(Xdo().Key("Return"));
        ASSERT_TRUE(Eventually([&] { return OtherWindows().empty(); }, kPatience));
    }

    std::unique_ptr<ScreenReaderBus> m_bus;
    std::unique_ptr<ScreenReaderBus::Listener> m_listener;
};

TEST_F(ScreenReaderTest, ReadsTheDialogAndEveryBoardAsDrawnAndHearsWhatEachKeyChanged)
{
    constexpr unsigned kSeed = 4021;
    Launch({"--seed", std::to_string(kSeed)},
           {.environment = m_bus->Environment(), .workingDirectory = {}});
    const XWindowId dialog = WaitForPlayersDialog();
    ASSERT_NE(dialog, 0U);

    // The dialog: its four choices by their numbers, none chosen, OK the default.
    std::vector<AccessibleObject> tree = TreeWhen([](const auto& objects) {
        return Find(objects, "dialog", "Number of Players") != nullptr;
    });
    const AccessibleObject* players = Find(tree, "dialog", "Number of Players");
    ASSERT_NE(players, nullptr) << "the dialog is not on the bus";
    std::vector<std::string> radios;
    for (const AccessibleObject& part : ChildrenOf(tree, *players)) {
        if (part.role == "radio button") {
            radios.push_back(part.name);
            EXPECT_FALSE(part.Has("checked")) << part.name;
            EXPECT_TRUE(part.Has("focusable")) << part.name;
        }
    }
    EXPECT_EQ(radios, (std::vector<std::string>{"2", "3", "4", "5"}));
    EXPECT_NE(Find(tree, "label", "Please select the number of players."), nullptr);
    const AccessibleObject* ok = Find(tree, "push button", "OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->Has("is-default") && ok->Has("focused"));

    // Chosen with the keys alone: Tab to the choices, the arrow to "3", Enter.
    ASSERT_TRUE(Xdo().Focus(dialog));
    ASSERT_TRUE(Xdo().Key("Tab"));
    ASSERT_TRUE(Xdo().Key("Right"));
    tree = TreeWhen([](const auto& objects) {
        const AccessibleObject* three = Find(objects, "radio button", "3");
        return three != nullptr && three->Has("checked") && three->Has("focused");
    });
    const AccessibleObject* three = Find(tree, "radio button", "3");
    ASSERT_TRUE(three != nullptr && three->Has("checked")) << "the arrow did not choose 3";
    ASSERT_TRUE(Xdo().Key("Return"));
    ASSERT_NE(WaitForMainWindow(), 0U);

    BoardModel model(3, kSeed);
    ASSERT_TRUE(ShowsBoard(model));
    ASSERT_TRUE(ReadsBoard(model));
    tree = m_bus->Tree(kApp);
    const AccessibleObject* board = Find(tree, "canvas", "Board");
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->description, Changes({}, model.Drawing())) << "all is news at the start";
    std::cout << "[screen reader] at the start, the board (focused): " << board->description
              << '\n';

    // The keys play; each move is announced on the board, which keeps the focus.
    m_listener = m_bus->Listen(kApp);
    std::cout << "[screen reader] after Space: " << Move(model, DeckPoint(), true) << '\n';
    std::cout << "[screen reader] after 1: " << Move(model, RowPoint(0), true) << '\n';
    std::mt19937 choices(kSeed);
    std::string last;
    for (int moves = 0; !model.Doc().m_gameOver && moves < 500 && !HasFailure(); ++moves) {
        const std::vector<QPoint> legal = LegalClicks(model.Doc());
        ASSERT_FALSE(legal.empty());
        last = Move(model, legal[choices() % legal.size()], false);
    }
    ASSERT_TRUE(model.Doc().m_gameOver);
    EXPECT_TRUE(ReadsBoard(model, false));
    std::cout << "[screen reader] at the end, the board: " << last << '\n';
}

TEST_F(ScreenReaderTest, LeavesNothingItStopsOnWithoutANameOrARole)
{
    Launch({"--seed", "77"}, {.environment = m_bus->Environment(), .workingDirectory = {}});
    const XWindowId dialog = WaitForPlayersDialog();
    ASSERT_NE(dialog, 0U);
    std::vector<AccessibleObject> tree = TreeWhen([](const auto& objects) {
        return Find(objects, "dialog", "Number of Players") != nullptr;
    });
    EXPECT_EQ(UnnamedStops(tree), std::vector<std::string>{}) << "the players dialog";

    ASSERT_NE(ChoosePlayers(dialog, 2), 0U);
    BoardModel model(2, 77);
    ASSERT_TRUE(ShowsBoard(model));
    ASSERT_TRUE(ReadsBoard(model));
    EXPECT_EQ(UnnamedStops(m_bus->Tree(kApp)), std::vector<std::string>{}) << "the board";

    // A refused move's box (every row is empty at the start).
    ASSERT_TRUE(Xdo().Key("1"));
    ReadBoxAndClose("You cannot take a row.");
    EXPECT_TRUE(ReadsBoard(model, false)) << "after the refusal";

    // The Help menu, opened with the mouse where the client says it is, and its About box.
    tree = m_bus->Tree(kApp);
    const AccessibleObject* help = Find(tree, "menu item", "Help");
    ASSERT_TRUE(help != nullptr && help->extents);
    const QRect mainWindow = Xdo().Geometry(MainWindow());
    ClickMainWindow(help->extents->center() - mainWindow.topLeft());
    tree = TreeWhen([](const auto& objects) {
        const AccessibleObject* about = Find(objects, "menu item", "About Zintra_win...");
        return about != nullptr && about->Has("showing");
    });
    EXPECT_EQ(UnnamedStops(tree), std::vector<std::string>{}) << "the open Help menu";
    const AccessibleObject* about = Find(tree, "menu item", "About Zintra_win...");
    ASSERT_TRUE(about != nullptr && about->extents);
    ClickMainWindow(about->extents->center() - mainWindow.topLeft());
    tree = TreeWhen(
        [](const auto& objects) { return Find(objects, "dialog", "About Zintra_win") != nullptr; });
    ASSERT_NE(Find(tree, "dialog", "About Zintra_win"), nullptr);
    EXPECT_EQ(UnnamedStops(tree), std::vector<std::string>{}) << "the About box";
    EXPECT_NE(Find(tree, "label", "Zintra_win Version 1.0"), nullptr);
    ASSERT_TRUE(Xdo().Key("Return"));
    ASSERT_TRUE(Eventually([&] { return OtherWindows().empty(); }, kPatience));
}

} // namespace
