#include "HelpPages.h"

#include "AppDirLayout.h"
#include "FileSink.h"
#include "SkinFiles.h"

namespace {

const char* const kRules = R"(
<h2>How to play</h2>
<p>The board has nine buttons laid out like the numeric keypad: 7 8 9 on top, 4 5 6 in the
middle and 1 2 3 at the bottom. Each button has its own colour and its own sound.</p>
<ol>
<li>Start a game with the <em>Begin a new game</em> control or <kbd>F2</kbd>.</li>
<li>The computer plays a sequence: each button of it lights up and sounds in turn
(&ldquo;PC turn&rdquo;).</li>
<li>When the panel says &ldquo;Your turn&rdquo;, repeat the sequence with the mouse or the
numeric keypad.</li>
<li>Every round you repeat in full makes the sequence one step longer and adds one point to
your score.</li>
<li>A wrong button (&ldquo;Wrong button !!&rdquo;) or, with the player time on, waiting too long
(&ldquo;Time Over !!&rdquo;) costs one of the allowed mistakes; the round is played again. The
board marks the button you pressed with a red cross, the one that was expected with a green tick,
and a missed button with a clock.</li>
<li>With no mistake left the game is over. A score that beats an entry of the record table of the
current rules asks for your name.</li>
</ol>
<h2>Game options</h2>
<ul>
<li><b>Buttons enabled</b>: which of the nine buttons take part (at least two).</li>
<li><b>Mistakes allowed</b>: 0 to 9.</li>
<li><b>Interval time</b>: 100 to 1000 milliseconds; it sets the pace of the computer's playback
and the length of the player time.</li>
<li><b>Player time enabled</b>: a time limit on each press after the first of a turn.</li>
<li><b>Alt. seq. mode</b>: a fresh random sequence is drawn for every playback instead of one
sequence that grows.</li>
<li><b>Play sounds</b> and <b>Play ingame music</b>.</li>
</ul>
)";

const char* const kKeys = R"(
<h2>Keys</h2>
<table>
<tr><th>Key</th><th>Action</th></tr>
<tr><td>Keypad 1 to 9 (Num Lock on)</td><td>press the board button of that number</td></tr>
<tr><td>F2</td><td>begin a new game</td></tr>
<tr><td>F3</td><td>abort the current game</td></tr>
<tr><td>F4</td><td>game options</td></tr>
<tr><td>F5</td><td>select skin</td></tr>
<tr><td>F6</td><td>select sounds</td></tr>
<tr><td>F7</td><td>select music</td></tr>
<tr><td>F8</td><td>records</td></tr>
<tr><td>Ctrl+F1</td><td>this help page</td></tr>
<tr><td>Ctrl+A</td><td>about Zelto 2000</td></tr>
</table>
<p>F4 to F7 work only while no game runs. The window has no frame: drag it by its
background; the icons at the top are About, Minimize and Exit.</p>
)";

const char* const kRecords = R"(
<h2>Records</h2>
<p>Every combination of rules has its own top-ten table: the number of enabled buttons
(2 to 9), the mistakes allowed (0 to 9), player time on or off and alternating sequence mode on
or off &mdash; 320 tables in all. Which buttons are enabled does not matter, only how many.
<em>See Zelto 2000 Records</em> (<kbd>F8</kbd>) shows the table of the current rules. A new score
must be higher than a stored one to pass it. Settings and records are kept in the file
<code>Config.dat</code> in the game's folder; keep a copy of it to keep your records.</p>
)";

const char* const kSounds = R"(
<h2>Sound schemes</h2>
<p>A sound scheme is a folder under <code>Sounds</code>; its name is the name shown in the sound
selection dialog. It holds these wave files (PCM), names exactly as written:</p>
<table>
<tr><th>File</th><th>Played when</th></tr>
<tr><td>Click.wav</td><td>a control, an icon or a dialog button is clicked</td></tr>
<tr><td>Sound1.wav &hellip; Sound9.wav</td><td>board button 1 &hellip; 9 lights up or is
pressed</td></tr>
<tr><td>Mistake.wav</td><td>a wrong button is pressed</td></tr>
<tr><td>TimeOver.wav</td><td>the player time runs out</td></tr>
</table>
<p>&ldquo;Default Sounds&rdquo; is used when the chosen scheme is missing.</p>
<h2>Music</h2>
<p>The in-game music is a MIDI file (<code>*.mid</code>) in the folder <code>Music</code>,
chosen in the music selection dialog. It loops while a game runs. &ldquo;Default Music.MID&rdquo;
is used when the chosen file is missing.</p>
)";

const char* const kStyle = R"(
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; color: #1c2430; }
h1 { color: #1a3466; } h2 { color: #24508f; border-bottom: 1px solid #c8d2e2; }
table { border-collapse: collapse; margin: 0.5em 0 1em; }
th, td { border: 1px solid #c8d2e2; padding: 0.2em 0.6em; text-align: left; }
th { background: #e8eef8; } kbd { border: 1px solid #999; border-radius: 3px; padding: 0 0.3em; }
)";

QString describe(const SkinFile& f) {
    using K = SkinFile::Kind;
    switch (f.kind) {
        case K::Background:
            return QStringLiteral("the window background");
        case K::Button:
            return QStringLiteral("board button %1, %2")
                .arg(f.number)
                .arg(f.down ? "lit" : "at rest");
        case K::Control:
            return QStringLiteral("control %1, %2")
                .arg(f.number)
                .arg(f.down ? "pressed" : "at rest");
        case K::Icon:
            return QStringLiteral("title icon %1, %2")
                .arg(f.number)
                .arg(f.down ? "pressed" : "at rest");
        case K::Mark: {
            static const char* const kWhat[] = {"mark of a wrong button",
                                                "mark of the expected button",
                                                "mark of a button missed in time"};
            return QString::fromLatin1(kWhat[f.number - 1]);
        }
        case K::Labels:
            break;
    }
    return QStringLiteral("colour and style of the five information lines");
}

}  // namespace

QString HelpPages::page(const QString& title, const QString& body) {
    return QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
               "<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n%3\n</body>\n"
               "</html>\n")
        .arg(title, QString::fromLatin1(kStyle), body);
}

QString HelpPages::skinTable() {
    QString rows;
    for (const SkinFile& f : SkinFiles::list(QStringLiteral("bmp"))) {
        const QString size =
            f.size.isEmpty()
                ? QStringLiteral("3 bytes")
                : QStringLiteral("%1 &times; %2").arg(f.size.width()).arg(f.size.height());
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
                    .arg(f.name, size, describe(f));
    }
    return QStringLiteral(
               "<h2>Making a skin</h2>\n<p>A skin is a folder under <code>Skins</code>; its name "
               "is the skin's name. It holds 45 files. Pictures are Windows bitmaps "
               "(<code>.bmp</code>) when the folder has <code>Background.bmp</code>; otherwise "
               "every picture is a JPEG with the same name ending in <code>.jpg</code> "
               "(Background.jpg, Button1Up.jpg &hellip;). The three marks are always icons "
               "(<code>.ico</code>, 32 &times; 32, transparent where the button should show "
               "through). Letter case of the names does not matter. Pictures are stretched to the "
               "sizes below.</p>\n<table>\n<tr><th>File</th><th>Size (pixels)</th><th>Shows"
               "</th></tr>\n%1</table>\n"
               "<p>Board buttons sit at 32/112/192 from the left and 64/144/224 from the top "
               "(7 8 9 on the top row); the controls are in two columns at 304 and 376, rows at "
               "184, 224, 264 and 304; the icons at 0, 392 and 424 on the top edge. The five "
               "information lines are 136 &times; 16 at 304, 49 / 74 / 99 / 124 / 149.</p>\n"
               "<p><code>Labels.txt</code>: only its first three characters count. The first is "
               "the colour letter A black, B navy, C green, D teal, E maroon, F purple, G olive, "
               "H silver, I gray, J blue, K lime, L aqua, M red, N fuchsia, O yellow, P white "
               "(any other: black); the second B for bold, the third I for italic (any other "
               "character: not bold, not italic). Example: <code>AB-</code>.</p>\n"
               "<p>A skin with a missing or broken file is replaced by &ldquo;Default "
               "Skin&rdquo;.</p>\n")
        .arg(rows);
}

QByteArray HelpPages::help() {
    const QString body = QStringLiteral(
                             "<h1>Zelto 2000 Help</h1>\n<p>Zelto 2000 is a memory game: "
                             "watch the computer play a sequence of lights and sounds, "
                             "then repeat it.</p>\n") +
                         QString::fromLatin1(kRules) + QString::fromLatin1(kKeys) +
                         QString::fromLatin1(kRecords) + skinTable() +
                         QString::fromLatin1(kSounds) +
                         QStringLiteral(
                             "<p><a href=\"Help%20docs/Contact.html\">Contact the Zelto "
                             "2000 team</a></p>\n");
    return page(QStringLiteral("Zelto 2000 Help"), body).toUtf8();
}

QByteArray HelpPages::contact() {
    const QString body = QStringLiteral(
        "<h1>Contact</h1>\n<p>Zelto 2000 is made by the Zelto 2000 team.</p>\n"
        "<p>Questions, new skins, sound schemes and bug reports are welcome at "
        "<a href=\"mailto:team@zelto2000.example.org\">team@zelto2000.example.org</a>.</p>\n"
        "<p>News and downloads: <a href=\"https://zelto2000.example.org/\">"
        "zelto2000.example.org</a></p>\n"
        "<p><a href=\"../Zelto%202000%20Help.html\">Back to the help page</a></p>\n");
    return page(QStringLiteral("Contact the Zelto 2000 team"), body).toUtf8();
}

void HelpPages::writeAll(const QString& appDir) {
    const AppDirLayout layout(appDir);
    FileSink::write(layout.helpPage(), help());
    FileSink::makeDir(layout.helpDocsDir());
    FileSink::write(layout.contactPage(), contact());
}
