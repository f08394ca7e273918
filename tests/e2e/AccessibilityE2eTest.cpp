// The real game as a screen reader meets it: on a private session bus with AT-SPI's
// accessibility bus, its tree walked and its buttons pressed through libatspi.
#include <algorithm>
#include <map>

#include "AtspiBus.h"
#include "AtspiEventLog.h"
#include "AtspiNode.h"
#include "GameFixture.h"

namespace {

const QString kPress = QStringLiteral("Press");
const QStringList kControls = {
    QStringLiteral("Begin a new game"),       QStringLiteral("Abort current game"),
    QStringLiteral("Set game options"),       QStringLiteral("Select skin"),
    QStringLiteral("Select sounds"),          QStringLiteral("Select music"),
    QStringLiteral("See Zelto 2000 Records"), QStringLiteral("Read help file")};
const QStringList kIcons = {QStringLiteral("About ..."), QStringLiteral("Minimize"),
                            QStringLiteral("Exit Zelto 2000")};

class AccessibilityE2eTest : public GameFixture {
protected:
    static void SetUpTestSuite() {
        bus = new AtspiBus;
        if (!bus->start(QStringLiteral(ATSPI_BUS_LAUNCHER))) return;
        // Listening before the game starts: it asks at start-up which events anyone hears.
        lit = new AtspiEventLog("object:state-changed:checked");
        enabling = new AtspiEventLog("object:state-changed:enabled");
    }
    static void TearDownTestSuite() {
        delete enabling;
        delete lit;
        delete bus;
    }

    void SetUp() override {
        ASSERT_TRUE(bus->error().isEmpty()) << bus->error().toStdString();
        ASSERT_TRUE(lit->listening() && enabling->listening());
        GameFixture::SetUp();
        x.setGameEnv(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus->sessionAddress());
        x.setGameEnv(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        setRules({.mistakes = 0, .delay = 500, .playerTime = false});
    }

    // Starts the game and finds its showing buttons by name once it is on the bus.
    void startAndFindButtons() {
        startGame();
        ASSERT_TRUE(waitFor([&] { return !(app = AtspiNode::application(x.gamePid())).isNull(); }))
            << "the game never showed up on the accessibility bus";
        ASSERT_TRUE(waitFor([&] {
            buttons.clear();
            for (const AtspiNode& node : app.descendants())
                if (node.role() == ATSPI_ROLE_PUSH_BUTTON && node.has(ATSPI_STATE_SHOWING))
                    buttons[node.name()] = node;
            return buttons.size() >= 20;
        })) << buttons.size()
            << " buttons";
    }

    bool waitFor(const std::function<bool()>& condition, int timeoutMs = XSession::kPatienceMs) {
        return x.waitUntil(
            [&] {
                AtspiBus::pump();
                return condition();
            },
            timeoutMs);
    }

    std::string buttonNames() const {
        QStringList names;
        for (const auto& [name, node] : buttons) names << name;
        return names.join(QStringLiteral(", ")).toStdString();
    }
    AtspiNode& button(const QString& name) { return buttons[name]; }
    AtspiNode& board(int n) { return buttons[QStringLiteral("Button %1").arg(n)]; }
    bool enabled(const AtspiNode& node) const {
        return node.has(ATSPI_STATE_ENABLED) && node.has(ATSPI_STATE_SENSITIVE);
    }
    // The controls that respond, by their number 1..8.
    QList<int> respondingControls() {
        QList<int> out;
        for (int n = 1; n <= 8; ++n)
            if (enabled(button(kControls[n - 1]))) out << n;
        return out;
    }
    int respondingBoardButtons() {
        int count = 0;
        for (int n = 1; n <= 9; ++n) count += enabled(board(n)) ? 1 : 0;
        return count;
    }
    int boardNumber(const QString& path) {
        for (int n = 1; n <= 9; ++n)
            if (board(n).path() == path) return n;
        return 0;
    }
    // The score line's text, as a screen reader reads the info line.
    QString scoreLine() const {
        for (const AtspiNode& node : app.descendants())
            if (node.role() == ATSPI_ROLE_LABEL && node.description() == QStringLiteral("Score"))
                return node.name();
        return QString();
    }

    static AtspiBus* bus;
    static AtspiEventLog* lit;
    static AtspiEventLog* enabling;
    AtspiNode app;
    std::map<QString, AtspiNode> buttons;
};

AtspiBus* AccessibilityE2eTest::bus = nullptr;
AtspiEventLog* AccessibilityE2eTest::lit = nullptr;
AtspiEventLog* AccessibilityE2eTest::enabling = nullptr;

// Every picture button is named and pressable; a press starts a game, the lit buttons
// pressed in order score, and what responds follows the game.
TEST_F(AccessibilityE2eTest, AGamePlayedThroughTheAccessibilityBus) {
    ASSERT_NO_FATAL_FAILURE(startAndFindButtons());
    QStringList names = kControls + kIcons;
    for (int n = 1; n <= 9; ++n) names << QStringLiteral("Button %1").arg(n);
    for (const QString& name : names) {
        ASSERT_EQ(buttons.count(name), 1u) << name.toStdString() << " among " << buttonNames();
        EXPECT_TRUE(button(name).actions().contains(kPress)) << name.toStdString();
        EXPECT_TRUE(enabled(button(name)) || name.startsWith(QStringLiteral("Button")) ||
                    name == kControls[1])
            << name.toStdString();
    }
    EXPECT_EQ(respondingControls(), (QList<int>{1, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(respondingBoardButtons(), 0);

    const std::size_t before = lit->events().size();
    const std::size_t toldBefore = enabling->events().size();
    ASSERT_TRUE(button(kControls[0]).act(kPress));
    ASSERT_TRUE(waitFor([&] {
        return respondingControls() == QList<int>{2, 7, 8};
    })) << "no game started";
    for (const QString& icon : kIcons) EXPECT_TRUE(enabled(button(icon))) << icon.toStdString();
    // A screen reader is told, not only answered when it asks.
    const QString abort = button(kControls[1]).path();
    EXPECT_TRUE(waitFor([&] {
        const auto& told = enabling->events();
        return std::any_of(told.begin() + toldBefore, told.end(), [&](const auto& event) {
            return event.source == abort && event.detail == 1;
        });
    })) << "no event: the abort control responds";

    // Each round: the buttons lit while the board does not respond, then pressed.
    std::size_t heard = before;
    for (int round = 1; round <= 2; ++round) {
        std::vector<int> steps;
        ASSERT_TRUE(waitFor([&] {
            for (; heard < lit->events().size(); ++heard)
                if (lit->events()[heard].detail == 1)
                    steps.push_back(boardNumber(lit->events()[heard].source));
            return int(steps.size()) >= round && respondingBoardButtons() == 9;
        })) << "round "
            << round << ": " << steps.size() << " lit";
        ASSERT_EQ(int(steps.size()), round);
        for (int step : steps) {
            ASSERT_GE(step, 1);
            ASSERT_TRUE(board(step).act(kPress));
        }
        ASSERT_TRUE(waitFor([&] { return scoreLine() == QStringLiteral("Score: %1").arg(round); }))
            << scoreLine().toStdString();
        // The presses light their buttons too: those events are the player's, not the round's.
        ASSERT_TRUE(waitFor([&] {
            int pressed = 0;
            for (std::size_t i = heard; i < lit->events().size(); ++i)
                pressed += lit->events()[i].detail;
            return pressed >= round;
        }));
        for (int pressed = 0; pressed < round; ++heard) pressed += lit->events()[heard].detail;
    }

    ASSERT_TRUE(button(kControls[1]).act(kPress));
    AtspiNode yes;
    ASSERT_TRUE(waitFor([&] {
        for (const AtspiNode& node : app.descendants())
            if (node.role() == ATSPI_ROLE_PUSH_BUTTON && node.name() == QStringLiteral("Yes") &&
                node.has(ATSPI_STATE_SHOWING))
                yes = node;
        return !yes.isNull();
    })) << "no quit question";
    ASSERT_TRUE(yes.act(kPress));
    EXPECT_TRUE(waitFor([&] {
        return respondingControls() == QList<int>{1, 3, 4, 5, 6, 7, 8} &&
               respondingBoardButtons() == 0;
    })) << "not idle after the game";
}

// The rules dialog's inputs are named by what it shows, the one with the focus too.
TEST_F(AccessibilityE2eTest, TheRulesDialogNamesEveryInput) {
    ASSERT_NO_FATAL_FAILURE(startAndFindButtons());
    x.key(QStringLiteral("F4"));
    const auto box = waitForBox(QStringLiteral("^Game Configuration$"));
    ASSERT_TRUE(box) << "no game configuration dialog";
    AtspiNode dialog;
    ASSERT_TRUE(waitFor([&] {
        for (const AtspiNode& node : app.children())
            if (node.name() == QStringLiteral("Game Configuration") &&
                node.has(ATSPI_STATE_SHOWING))
                dialog = node;
        return !dialog.isNull();
    }));
    QStringList boxes;
    QStringList bars;
    AtspiNode focused;
    ASSERT_TRUE(waitFor([&] {
        boxes.clear();
        bars.clear();
        for (const AtspiNode& node : dialog.descendants()) {
            if (node.role() == ATSPI_ROLE_CHECK_BOX) boxes << node.name();
            if (node.role() == ATSPI_ROLE_SCROLL_BAR) bars << node.name();
            if (node.has(ATSPI_STATE_FOCUSED)) focused = node;
        }
        return !focused.isNull();
    })) << "nothing has the focus";
    for (int n = 1; n <= 9; ++n)
        EXPECT_TRUE(boxes.contains(QStringLiteral("Button %1").arg(n))) << n;
    EXPECT_EQ(boxes.size(), 13);
    EXPECT_FALSE(boxes.contains(QString()));
    bars.sort();
    EXPECT_EQ(bars,
              (QStringList{QStringLiteral("Interval time"), QStringLiteral("Mistakes allowed")}));
    EXPECT_EQ(focused.name(), QStringLiteral("Button 1"));
    // Esc does nothing here; the dialog is left through its buttons.
    AtspiNode cancel;
    for (const AtspiNode& node : dialog.descendants())
        if (node.role() == ATSPI_ROLE_PUSH_BUTTON && node.name() == QStringLiteral("Cancel"))
            cancel = node;
    ASSERT_FALSE(cancel.isNull());
    ASSERT_TRUE(cancel.act(kPress));
    EXPECT_TRUE(waitForBoxGone(*box));
}

}  // namespace
