// The records viewer: what it shows for a table, where the highlight bar lies, and the
// click of its Ok button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ConfigTestDir.h"
#include "ModalBoxCloser.h"
#include "RecordingWave.h"
#include "UnitTop10.h"

namespace {

class Top10Test : public ::testing::Test {
protected:
    Top10Test() : form(wave) { form.setAppDir(dir.path()); }

    // Shows the viewer the way the main window does, from the file as it stands.
    void showWith(const ConfigRecord& rec, int highlight = TFormTop10::kNoHighlight) {
        dir.write(rec);
        form.hide();
        form.setHighlightRow(highlight);
        form.show();
    }

    QLabel* label(int n) const { return form.findChild<QLabel*>(QStringLiteral("Label%1").arg(n)); }

    static ConfigRecord withScores(ConfigRecord rec, std::initializer_list<int> scores) {
        int rank = 1;
        for (int score : scores) {
            rec.Top10Scores[rec.recordIndex(rank)] = score;
            rec.Top10Names[rec.recordIndex(rank)].setText(QStringLiteral("Player %1").arg(rank));
            ++rank;
        }
        return rec;
    }

    ConfigTestDir dir;
    RecordingWave wave;
    TFormTop10 form;
};

}  // namespace

TEST_F(Top10Test, WindowHasItsSizeAndCaption) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Zelto 2000 Records"));
    EXPECT_EQ(form.size(), QSize(240, 302));
}

TEST_F(Top10Test, ComponentsSitWhereTheLayoutPutsThem) {
    EXPECT_EQ(label(31)->geometry(), QRect(16, 3, 209, 33));
    EXPECT_EQ(label(31)->text(), QStringLiteral("Top 10 Scores"));
    EXPECT_TRUE(label(31)->font().bold());
    EXPECT_EQ(label(32)->geometry(), QRect(16, 35, 209, 33));
    EXPECT_TRUE(label(32)->wordWrap());
    EXPECT_EQ(label(33)->text(), QStringLiteral("Pos"));
    EXPECT_EQ(label(34)->text(), QStringLiteral("Name"));
    EXPECT_EQ(label(35)->text(), QStringLiteral("Score"));
    EXPECT_EQ(label(35)->geometry(), QRect(184, 73, 41, 17));
    EXPECT_EQ(label(21)->geometry(), QRect(17, 96, 25, 17));
    EXPECT_EQ(label(22)->geometry(), QRect(16, 112, 25, 17));
    EXPECT_EQ(label(1)->geometry(), QRect(48, 96, 129, 17));
    EXPECT_EQ(label(10)->geometry(), QRect(48, 240, 129, 17));
    EXPECT_EQ(label(20)->geometry(), QRect(184, 240, 41, 17));
    for (int n : {1, 11, 21}) EXPECT_TRUE(label(n)->font().bold()) << n;
    for (int n : {2, 12, 22}) EXPECT_FALSE(label(n)->font().bold()) << n;
    auto* ok = form.findChild<QPushButton*>(QStringLiteral("ButtonOk"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("Ok"));
    EXPECT_EQ(ok->geometry(), QRect(161, 270, 72, 25));
    EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("Bevel1"))->geometry(),
              QRect(8, 88, 225, 173));
    EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("Bevel2"))->geometry(),
              QRect(8, 71, 225, 17));
}

TEST_F(Top10Test, HighlightBarIsLowestInTheStackingOrder) {
    QWidget* first = nullptr;
    for (QObject* child : form.children()) {
        if ((first = qobject_cast<QWidget*>(child)) != nullptr) break;
    }
    EXPECT_EQ(first, form.highlightBar());
    EXPECT_EQ(form.highlightBar()->palette().color(QPalette::Window),
              form.palette().color(QPalette::Highlight));
}

TEST_F(Top10Test, DescriptionNamesTheCategory) {
    showWith(ConfigTestDir::sample());
    EXPECT_EQ(form.descriptionLabel()->text(),
              QStringLiteral("For 9 buttons, 3 mistakes allowed, player time disabled and normal "
                             "sequence mode."));

    ConfigRecord rec = ConfigTestDir::sample();
    rec.ButtonEnabled = {1, 1, 1, 0, 0, 1, 1, 1, 0};
    rec.MistakesAllowed = 0;
    rec.PlayerTime = 1;
    rec.AltSeqMode = 1;
    showWith(rec);
    EXPECT_EQ(form.descriptionLabel()->text(),
              QStringLiteral("For 6 buttons, 0 mistakes allowed, player time enabled and "
                             "alterning sequence mode."));
}

TEST_F(Top10Test, EmptyTableShowsStoredNamesButNoRanksOrScores) {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.Top10Names[rec.recordIndex(4)].setText(QStringLiteral("Ghost"));
    showWith(rec);
    for (int rank = 1; rank <= 10; ++rank) {
        EXPECT_TRUE(form.rankLabel(rank)->text().isEmpty()) << rank;
        EXPECT_TRUE(form.scoreLabel(rank)->text().isEmpty()) << rank;
    }
    EXPECT_EQ(form.nameLabel(4)->text(), QStringLiteral("Ghost"));
    EXPECT_TRUE(form.nameLabel(1)->text().isEmpty());
}

TEST_F(Top10Test, ThreeRecordsShowThreeRanks) {
    showWith(withScores(ConfigTestDir::sample(), {30, 20, 10}));
    for (int rank = 1; rank <= 3; ++rank) {
        EXPECT_EQ(form.rankLabel(rank)->text(), QString::number(rank));
        EXPECT_EQ(form.scoreLabel(rank)->text(), QString::number(40 - 10 * rank));
        EXPECT_EQ(form.nameLabel(rank)->text(), QStringLiteral("Player %1").arg(rank));
    }
    for (int rank = 4; rank <= 10; ++rank) {
        EXPECT_TRUE(form.rankLabel(rank)->text().isEmpty()) << rank;
        EXPECT_TRUE(form.scoreLabel(rank)->text().isEmpty()) << rank;
    }
}

TEST_F(Top10Test, FullTableShowsRankTen) {
    showWith(withScores(ConfigTestDir::sample(), {100, 90, 80, 70, 60, 50, 40, 30, 20, 10}));
    EXPECT_EQ(form.rankLabel(10)->text(), QStringLiteral("10"));
    EXPECT_EQ(form.scoreLabel(10)->text(), QStringLiteral("10"));
}

TEST_F(Top10Test, OnlyTheTableOfTheStoredCategoryIsShown) {
    ConfigRecord other = ConfigTestDir::sample();
    other.MistakesAllowed = 4;
    other = withScores(other, {99});
    ConfigRecord rec = ConfigTestDir::sample();
    rec.Top10Scores = other.Top10Scores;
    rec.Top10Names = other.Top10Names;
    showWith(rec);
    EXPECT_TRUE(form.scoreLabel(1)->text().isEmpty());
}

TEST_F(Top10Test, NamesAreShownAsTypedNotAsMarkup) {
    ConfigRecord rec = withScores(ConfigTestDir::sample(), {5});
    rec.Top10Names[rec.recordIndex(1)].setText(QStringLiteral("<b>Bold</b>"));
    showWith(rec);
    EXPECT_EQ(form.nameLabel(1)->text(), QStringLiteral("<b>Bold</b>"));
    EXPECT_EQ(form.nameLabel(1)->textFormat(), Qt::PlainText);
}

TEST_F(Top10Test, HighlightBarLiesBehindTheChosenRow) {
    showWith(withScores(ConfigTestDir::sample(), {9, 8, 7, 6, 5, 4, 3}), 7);
    EXPECT_EQ(form.highlightBar()->geometry(), QRect(10, 191, 222, 16));
    EXPECT_EQ(form.highlightBar()->y() + 1, form.rankLabel(7)->y());
    showWith(ConfigTestDir::sample(), 1);
    EXPECT_EQ(form.highlightBar()->y(), 95);
    showWith(ConfigTestDir::sample(), 10);
    EXPECT_EQ(form.highlightBar()->y(), 239);
}

TEST_F(Top10Test, NoHighlightPutsTheBarBelowTheWindow) {
    showWith(ConfigTestDir::sample());
    EXPECT_EQ(form.highlightBar()->y(), 399);
    EXPECT_GE(form.highlightBar()->y(), form.height());
}

TEST_F(Top10Test, EveryShowingRereadsTheFile) {
    showWith(withScores(ConfigTestDir::sample(), {5}));
    EXPECT_EQ(form.scoreLabel(1)->text(), QStringLiteral("5"));
    showWith(withScores(ConfigTestDir::sample(), {6, 5}));
    EXPECT_EQ(form.scoreLabel(1)->text(), QStringLiteral("6"));
    EXPECT_EQ(form.scoreLabel(2)->text(), QStringLiteral("5"));
}

TEST_F(Top10Test, OkPlaysTheClickWhenSoundsAreOnAndCloses) {
    showWith(ConfigTestDir::sample());
    form.findChild<QPushButton*>(QStringLiteral("ButtonOk"))->click();
    EXPECT_EQ(wave.files,
              QStringList{dir.path() + QStringLiteral("/Sounds/Default Sounds/Click.wav")});
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Top10Test, CloseBoxPlaysNothing) {
    showWith(ConfigTestDir::sample());
    form.close();
    EXPECT_TRUE(wave.files.isEmpty());
}

// No cancel button: Esc leaves the viewer open, and Enter presses Ok only where it has
// the focus.
TEST_F(Top10Test, EscDoesNothingAndEnterPressesOnlyAFocusedOk) {
    showWith(ConfigTestDir::sample());
    auto* ok = form.findChild<QPushButton*>(QStringLiteral("ButtonOk"));
    ok->clearFocus();
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&form, &event);
    }
    EXPECT_TRUE(form.isVisible());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
    QApplication::sendEvent(ok, &enter);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(wave.files.size(), 1) << "the click of Ok";
}

TEST_F(Top10Test, FailedReadShowsTheErrorAndNoStaleRows) {
    showWith(withScores(ConfigTestDir::sample(), {5}), 1);
    form.hide();
    QFile::remove(dir.configFile());
    ModalBoxCloser closer;
    form.show();
    EXPECT_EQ(closer.texts(), QStringList{QStringLiteral("File not found")});
    EXPECT_TRUE(form.descriptionLabel()->text().isEmpty());
    EXPECT_TRUE(form.scoreLabel(1)->text().isEmpty());
    EXPECT_TRUE(form.nameLabel(1)->text().isEmpty());
    EXPECT_GE(form.highlightBar()->y(), form.height());
}

// The game plays a damaged file by safe values, and its records go into their table:
// the viewer shows and highlights that table, not the one the raw bytes would name.
TEST_F(Top10Test, DamagedSettingsShowTheTableTheGamePlays) {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.ButtonEnabled = {1, 1, 1, 1, 2, 0, 0, 0, 255};  // the game plays with six
    ConfigRecord inForce = rec;
    inForce.ButtonEnabled = {1, 1, 1, 1, 1, 0, 0, 0, 1};
    rec.Top10Scores = withScores(inForce, {7}).Top10Scores;
    showWith(rec, 1);
    EXPECT_TRUE(form.descriptionLabel()->text().startsWith(QStringLiteral("For 6 buttons, 3")));
    EXPECT_EQ(form.scoreLabel(1)->text(), QStringLiteral("7"));
    EXPECT_EQ(form.highlightBar()->y() + 1, form.rankLabel(1)->y());

    // One button on: the game plays with all nine; far too many mistakes: with nine.
    rec = withScores(ConfigTestDir::sample(), {5});
    rec.ButtonEnabled = {1, 0, 0, 0, 0, 0, 0, 0, 0};
    rec.MistakesAllowed = 250;
    showWith(rec);
    EXPECT_EQ(form.descriptionLabel()->text(),
              QStringLiteral("For 9 buttons, 9 mistakes allowed, player time disabled and normal "
                             "sequence mode."));
    EXPECT_TRUE(form.scoreLabel(1)->text().isEmpty()) << "the 3-mistake table is not shown";
}
