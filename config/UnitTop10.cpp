#include "UnitTop10.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ConfigCheck.h"

namespace {
constexpr int kRowTop = 96;
constexpr int kRowHeight = 16;
constexpr int kLabelHeight = 17;

// Stored names are shown as typed, never as markup.
QLabel* rowLabel(QWidget* parent, const QString& name, const QRect& geometry, bool bold = false) {
    QLabel* label =
        FixedDialog::plainLabel(parent, name, geometry, Qt::AlignHCenter | Qt::AlignTop);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QFrame* sunkenBox(QWidget* parent, const QString& name, const QRect& geometry) {
    return FixedDialog::bevel(parent, name, geometry, QFrame::Box, QFrame::Sunken);
}
}  // namespace

TFormTop10::TFormTop10(WaveOutput& wave, QWidget* parent)
    : RecordDialog(wave, parent, QStringLiteral("FormTop10"), QStringLiteral("Zelto 2000 Records"),
                   QSize(kClientWidth, kClientHeight)) {
    Shape = new QWidget(this);
    Shape->setObjectName(QStringLiteral("Shape"));
    Shape->setGeometry(10, 111, 222, 16);
    Shape->setAutoFillBackground(true);
    QPalette bar = Shape->palette();
    bar.setColor(QPalette::Window, bar.color(QPalette::Highlight));
    Shape->setPalette(bar);

    createHeadings();
    createRows();

    ButtonOk = new QPushButton(QStringLiteral("Ok"), this);
    ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
    ButtonOk->setGeometry(161, 270, 72, 25);
    connect(ButtonOk, &QPushButton::clicked, this, &TFormTop10::ButtonOkClick);

    // The bar lies behind everything, so the transparent row texts stay readable.
    Shape->lower();
}

void TFormTop10::createHeadings() {
    Label31 = rowLabel(this, QStringLiteral("Label31"), QRect(16, 3, 209, 33), true);
    QFont title = Label31->font();
    title.setPixelSize(24);
    Label31->setFont(title);
    Label31->setText(QStringLiteral("Top 10 Scores"));

    Label32 = rowLabel(this, QStringLiteral("Label32"), QRect(16, 35, 209, 33));
    Label32->setWordWrap(true);

    Bevel2 = sunkenBox(this, QStringLiteral("Bevel2"), QRect(8, 71, 225, 17));
    rowLabel(this, QStringLiteral("Label33"), QRect(16, 73, 25, kLabelHeight), true)
        ->setText(QStringLiteral("Pos"));
    rowLabel(this, QStringLiteral("Label34"), QRect(48, 73, 129, kLabelHeight), true)
        ->setText(QStringLiteral("Name"));
    rowLabel(this, QStringLiteral("Label35"), QRect(184, 73, 41, kLabelHeight), true)
        ->setText(QStringLiteral("Score"));
    Bevel1 = sunkenBox(this, QStringLiteral("Bevel1"), QRect(8, 88, 225, 173));
}

void TFormTop10::createRows() {
    for (int rank = 1; rank <= kRanks; ++rank) {
        const int top = kRowTop + kRowHeight * (rank - 1);
        const bool bold = rank == 1;
        const int rankLeft = rank == 1 ? 17 : 16;
        RankLabels[rank - 1] = rowLabel(this, QStringLiteral("Label%1").arg(20 + rank),
                                        QRect(rankLeft, top, 25, kLabelHeight), bold);
        NameLabels[rank - 1] = rowLabel(this, QStringLiteral("Label%1").arg(rank),
                                        QRect(48, top, 129, kLabelHeight), bold);
        ScoreLabels[rank - 1] = rowLabel(this, QStringLiteral("Label%1").arg(10 + rank),
                                         QRect(184, top, 41, kLabelHeight), bold);
    }
}

QString TFormTop10::describe(const ConfigRecord& rec) {
    return QStringLiteral("For ") + QString::number(rec.categoryButtons()) +
           QStringLiteral(" buttons, ") + QString::number(rec.MistakesAllowed) +
           QStringLiteral(" mistakes allowed, player time ") +
           (rec.categoryTime() == 1 ? QStringLiteral("enabled") : QStringLiteral("disabled")) +
           QStringLiteral(" and ") +
           (rec.categoryAlt() == 1 ? QStringLiteral("alterning") : QStringLiteral("normal")) +
           QStringLiteral(" sequence mode.");
}

// Only reads: the viewer never writes the record back. It shows the table of the
// settings the game plays by, which a damaged file's values do not select by themselves
// (a flag of 2 counts as on for the game, so the record went into that table).
void TFormTop10::FormShow() {
    showNoTable();
    if (!readRecordAndCentre()) return;
    const ConfigRecord inForce = ConfigCheck::makeSafe(record());
    Label32->setText(describe(inForce));
    fitText(Label32);
    fillRows(inForce);
    moveHighlight(HighlightRow);
}

// Rows of an earlier showing would pass for the current table behind an error box.
void TFormTop10::showNoTable() {
    Label32->clear();
    clearRows();
    moveHighlight(kNoHighlight);
}

void TFormTop10::moveHighlight(int row) {
    Shape->move(Shape->x(), kRowHeight * row + 79);
}

void TFormTop10::clearRows() {
    for (int i = 0; i < kRanks; ++i) {
        NameLabels[i]->clear();
        ScoreLabels[i]->clear();
        RankLabels[i]->clear();
    }
}

void TFormTop10::fillRows(const ConfigRecord& rec) {
    for (int rank = 1; rank <= kRanks; ++rank) {
        const int i = rec.recordIndex(rank);
        const std::int32_t score = rec.Top10Scores[i];
        NameLabels[rank - 1]->setText(rec.Top10Names[i].text());
        if (score == 0) continue;
        ScoreLabels[rank - 1]->setText(QString::number(score));
        RankLabels[rank - 1]->setText(QString::number(rank));
    }
}

void TFormTop10::ButtonOkClick() {
    clickSound();
    close();
}
