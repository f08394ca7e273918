#include "GameFixture.h"

#include <QFile>

#include "SettledPicture.h"

namespace {
// Board buttons 1..9 as on the keypad: 7 8 9 on top.
const QPoint kButtonPos[9] = {{32, 224},  {112, 224}, {192, 224}, {32, 144}, {112, 144},
                              {192, 144}, {32, 64},   {112, 64},  {192, 64}};

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The rim of a button face: the mistake and time marks sit in its middle.
bool onRim(int dx, int dy) {
    return dx < 16 || dx >= 48 || dy < 16 || dy >= 48;
}
}  // namespace

const QString GameFixture::kMainTitle = QStringLiteral("^Zelto 2000$");

void GameFixture::SetUp() {
    ASSERT_TRUE(x.startServer()) << "Xvfb did not start";
    appDir = x.makeAppDir(QStringLiteral(ZELTO_APPDIR));
    ASSERT_FALSE(appDir.isEmpty());
}

void GameFixture::setRules(const Rules& rules) {
    const QString path = appDir + QStringLiteral("/Config.dat");
    QByteArray bytes = readFile(path);
    ASSERT_GE(bytes.size(), kConfigRecordSize);
    ConfigRecord rec = ConfigRecord::decode(bytes);
    rec.MistakesAllowed = static_cast<std::uint8_t>(rules.mistakes);
    rec.Delay = rules.delay;
    rec.PlayerTime = rules.playerTime ? 1 : 0;
    rec.PlayMusic = 0;
    bytes.replace(0, kConfigRecordSize, rec.encode());
    ASSERT_TRUE(writeFile(path, bytes));
}

void GameFixture::startGame() {
    ASSERT_TRUE(x.launchGame(QStringLiteral(ZELTO_BINARY), appDir));
    const auto main = x.waitForWindow(kMainTitle, XSession::kPatienceMs, [this](const QString& id) {
        return x.windowGeometry(id).size() == QSize(456, 352);
    });
    ASSERT_TRUE(main) << "no main window";
    window = *main;
    frame = x.windowGeometry(window);
    x.focus(window);
    ASSERT_TRUE(waitForSettledPicture(
        x, [this] { return boardShot(); }, idle))
        << "the main window never finished painting";
}

QByteArray GameFixture::config() const {
    return readFile(appDir + QStringLiteral("/Config.dat"));
}

int GameFixture::litButton(const QImage& shot) const {
    const std::vector<int> changed = changedButtons(shot);
    return changed.empty() ? 0 : changed.front();
}

std::vector<int> GameFixture::changedButtons(const QImage& shot) const {
    std::vector<int> changed;
    if (shot.size() != idle.size()) return changed;
    for (int n = 1; n <= 9; ++n) {
        const QPoint o = kButtonPos[n - 1];
        int differing = 0;
        for (int dy = 4; dy < 60; dy += 4)
            for (int dx = 4; dx < 60; dx += 4)
                if (onRim(dx, dy) &&
                    shot.pixel(o.x() + dx, o.y() + dy) != idle.pixel(o.x() + dx, o.y() + dy))
                    ++differing;
        if (differing > 30) changed.push_back(n);
    }
    return changed;
}

std::vector<int> GameFixture::watchPlayback(int length) {
    std::vector<int> seen;
    int current = 0;
    x.waitUntil(
        [&] {
            const int lit = litButton(boardShot());
            if (lit != 0 && lit != current) seen.push_back(lit);
            // A dark tick separates two flashes of the same button.
            current = lit;
            return static_cast<int>(seen.size()) >= length && lit == 0;
        },
        30000 + 2500 * length, 5);
    return seen;
}

bool GameFixture::boardStaysDark(int ms) {
    return !x.waitUntil([&] { return litButton(boardShot()) != 0; }, ms, 5);
}

std::optional<QString> GameFixture::waitForBox(const QString& titlePattern, int timeoutMs) {
    auto box = x.waitForWindow(titlePattern, timeoutMs,
                               [this](const QString& id) { return id != window; });
    if (box) x.focus(*box);
    return box;
}

bool GameFixture::waitForBoxGone(const QString& id, int timeoutMs) const {
    return x.waitUntil(
        [&] {
            const QStringList all = x.findWindows(QStringLiteral(".*"));
            return !all.contains(id);
        },
        timeoutMs);
}

void GameFixture::finishGameOver() {
    const auto over = waitForBox(kMainTitle);
    ASSERT_TRUE(over) << "no game-over box";
    x.key(QStringLiteral("Return"));
    ASSERT_TRUE(waitForBoxGone(*over));
    const auto nameBox = waitForBox(QStringLiteral("^Congratulations!$"));
    ASSERT_TRUE(nameBox) << "no record name box";
    x.key(QStringLiteral("Escape"));  // cancel keeps the offered name
    const auto viewer = waitForBox(QStringLiteral("^Zelto 2000 Records$"));
    ASSERT_TRUE(viewer) << "no records viewer";
    x.key(QStringLiteral("Return"));
    ASSERT_TRUE(waitForBoxGone(*viewer));
    x.focus(window);
}

QPoint GameFixture::at(const QString& win, QPoint client) const {
    return x.windowGeometry(win).topLeft() + client;
}
