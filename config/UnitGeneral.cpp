#include "UnitGeneral.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>

#include "ConfigCheck.h"
#include "GameTitle.h"

namespace {
QLabel* leftLabel(QWidget* parent, const QString& name, const QRect& geometry,
                  const QString& text = QString()) {
    return FixedDialog::plainLabel(parent, name, geometry, Qt::AlignLeft | Qt::AlignTop, text);
}

QFrame* frame(QWidget* parent, const QString& name, const QRect& geometry, bool raised) {
    return FixedDialog::bevel(parent, name, geometry, raised ? QFrame::Panel : QFrame::Box,
                              raised ? QFrame::Raised : QFrame::Sunken);
}

QScrollBar* makeScrollBar(QWidget* parent, const QString& name, const QRect& geometry, int min,
                          int max, int single, int page) {
    auto* bar = FixedDialog::placed(new QScrollBar(Qt::Horizontal, parent), name, geometry);
    bar->setRange(min, max);
    bar->setSingleStep(single);
    bar->setPageStep(page);
    bar->setValue(min);
    bar->setFocusPolicy(Qt::TabFocus);
    return bar;
}

std::uint8_t flag(bool on) {
    return on ? 1 : 0;
}

// The label names its input for screen readers, without the colon it ends in on screen.
void nameBy(QLabel* label, QWidget* input) {
    label->setBuddy(input);
    QString name = label->text();
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    input->setAccessibleName(name.trimmed());
}
}  // namespace

TFormGeneral::TFormGeneral(WaveOutput& wave, QWidget* parent)
    : RecordDialog(wave, parent, QStringLiteral("FormGeneral"),
                   QStringLiteral("Game Configuration"), QSize(kClientWidth, kClientHeight)) {
    Bevel2 = frame(this, QStringLiteral("Bevel2"), QRect(6, 8, 241, 154), false);
    leftLabel(this, QStringLiteral("Label1"), QRect(16, 20, 89, 17),
              QStringLiteral("Buttons enabled"));
    Bevel4 = frame(this, QStringLiteral("Bevel4"), QRect(26, 42, 59, 59), true);
    createButtonBoxes();
    createScrollBars();
    createOptions();

    ButtonOk = FixedDialog::placed(new QPushButton(QStringLiteral("Ok"), this),
                                   QStringLiteral("ButtonOk"), QRect(95, 171, 72, 25));
    ButtonCancel = FixedDialog::placed(new QPushButton(QStringLiteral("Cancel"), this),
                                       QStringLiteral("ButtonCancel"), QRect(175, 171, 72, 25));
    connect(ButtonOk, &QPushButton::clicked, this, &TFormGeneral::ButtonOkClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &TFormGeneral::ButtonCancelClick);
    arrangeTabOrder();
    nameInputs();
}

// The check boxes have no caption: each is named after the board button it stands for,
// under the label of the square they form.
void TFormGeneral::nameInputs() {
    const QString caption = findChild<QLabel*>(QStringLiteral("Label1"))->text();
    for (int n = 1; n <= 9; ++n) {
        created_[n - 1]->setAccessibleName(QStringLiteral("Button %1").arg(n));
        created_[n - 1]->setAccessibleDescription(caption);
    }
    nameBy(findChild<QLabel*>(QStringLiteral("Label2")), ScrollBar);
    nameBy(findChild<QLabel*>(QStringLiteral("Label3")), DelayScrollBar);
}

// Laid out like the board: 7 8 9 on top, 1 2 3 at the bottom.
void TFormGeneral::createButtonBoxes() {
    for (int n = 1; n <= 9; ++n) {
        const int column = (n - 1) % 3;
        const int row = 2 - (n - 1) / 3;
        created_[n - 1] =
            FixedDialog::placed(new QCheckBox(this), QStringLiteral("CheckBox%1").arg(n),
                                QRect(33 + 16 * column, 47 + 16 * row, 17, 17));
    }
}

void TFormGeneral::createScrollBars() {
    leftLabel(this, QStringLiteral("Label2"), QRect(118, 20, 100, 17),
              QStringLiteral("Mistakes allowed :"));
    Bevel1 = frame(this, QStringLiteral("Bevel1"), QRect(218, 18, 19, 17), false);
    MistakesLabel = leftLabel(this, QStringLiteral("MistakesLabel"), QRect(224, 20, 13, 15));
    ScrollBar = makeScrollBar(this, QStringLiteral("ScrollBar"), QRect(118, 39, 119, 14), 0,
                              ConfigCheck::kMaxMistakes, 1, 5);

    leftLabel(this, QStringLiteral("Label3"), QRect(118, 67, 100, 17),
              QStringLiteral("Interval time :"));
    Bevel3 = frame(this, QStringLiteral("Bevel3"), QRect(200, 65, 37, 17), false);
    DelayLabel = leftLabel(this, QStringLiteral("DelayLabel"), QRect(199, 67, 38, 14));
    DelayLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    DelayScrollBar = makeScrollBar(this, QStringLiteral("DelayScrollBar"), QRect(118, 86, 119, 14),
                                   ConfigCheck::kMinDelay, ConfigCheck::kMaxDelay, 100, 500);

    connect(ScrollBar, &QScrollBar::valueChanged, this, &TFormGeneral::ScrollBarChange);
    connect(DelayScrollBar, &QScrollBar::valueChanged, this, &TFormGeneral::DelayScrollBarChange);
    ScrollBarChange();
    DelayScrollBarChange();
}

void TFormGeneral::createOptions() {
    AltSeqModeCheckBox =
        FixedDialog::placed(new QCheckBox(QStringLiteral("Alt. seq. mode"), this),
                            QStringLiteral("AltSeqModeCheckBox"), QRect(16, 113, 89, 17));
    TimeCheckBox = FixedDialog::placed(new QCheckBox(QStringLiteral("Player time enabled"), this),
                                       QStringLiteral("TimeCheckBox"), QRect(124, 113, 115, 17));
    SoundsCheckBox = FixedDialog::placed(new QCheckBox(QStringLiteral("Play sounds"), this),
                                         QStringLiteral("SoundsCheckBox"), QRect(16, 137, 81, 17));
    MusicCheckBox = FixedDialog::placed(new QCheckBox(QStringLiteral("Play ingame music"), this),
                                        QStringLiteral("MusicCheckBox"), QRect(124, 137, 113, 17));
}

void TFormGeneral::arrangeTabOrder() {
    const QList<QWidget*> order = {
        created_[0],  created_[1],    created_[2],   created_[3],        created_[4],   created_[5],
        created_[6],  created_[7],    created_[8],   TimeCheckBox,       ScrollBar,     ButtonOk,
        ButtonCancel, SoundsCheckBox, MusicCheckBox, AltSeqModeCheckBox, DelayScrollBar};
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

QCheckBox* TFormGeneral::buttonCheckBox(int n) const {
    return created_[n - 1];
}

void TFormGeneral::SetCheckBoxPointers() {
    CheckBoxes = created_;
}

void TFormGeneral::FormShow() {
    SetCheckBoxPointers();
    // Off while the error box of an unreadable record shows, and after it.
    ButtonOk->setEnabled(false);
    if (!readRecordAndCentre()) return;
    ButtonOk->setEnabled(true);
    fillControls();
}

// Flags count as on when non-zero, as the board shows them.
void TFormGeneral::fillControls() {
    const ConfigRecord& rec = record();
    for (int n = 1; n <= 9; ++n) CheckBoxes[n - 1]->setChecked(rec.ButtonEnabled[n - 1] != 0);
    TimeCheckBox->setChecked(rec.PlayerTime != 0);
    ScrollBar->setValue(rec.MistakesAllowed);
    ScrollBarChange();
    SoundsCheckBox->setChecked(rec.PlaySounds != 0);
    MusicCheckBox->setChecked(rec.PlayMusic != 0);
    AltSeqModeCheckBox->setChecked(rec.AltSeqMode != 0);
    // setValue clamps an out-of-range delay to the nearest end, and Ok stores that.
    DelayScrollBar->setValue(rec.Delay);
    DelayScrollBarChange();
}

void TFormGeneral::ScrollBarChange() {
    MistakesLabel->setText(QString::number(ScrollBar->value()));
}

void TFormGeneral::DelayScrollBarChange() {
    DelayLabel->setText(QString::number(DelayScrollBar->value()));
}

int TFormGeneral::tickedCount() const {
    int count = 0;
    for (const QCheckBox* box : created_) count += box->isChecked() ? 1 : 0;
    return count;
}

void TFormGeneral::storeControls(ConfigRecord& rec) const {
    for (int n = 1; n <= 9; ++n) rec.ButtonEnabled[n - 1] = flag(created_[n - 1]->isChecked());
    rec.PlayerTime = flag(TimeCheckBox->isChecked());
    rec.MistakesAllowed = std::uint8_t(ScrollBar->value());
    rec.Delay = DelayScrollBar->value();
    rec.PlaySounds = flag(SoundsCheckBox->isChecked());
    rec.PlayMusic = flag(MusicCheckBox->isChecked());
    rec.AltSeqMode = flag(AltSeqModeCheckBox->isChecked());
}

void TFormGeneral::ButtonOkClick() {
    if (!recordRead()) return;
    if (tickedCount() < ConfigCheck::kMinButtons) {
        QMessageBox::warning(
            this, kGameTitle,
            QStringLiteral("The number of buttons enabled must be higher than 1."));
        return;
    }
    // Until it is on disk the copy keeps the settings as read: Cancel clicks by those.
    ConfigRecord updated = record();
    storeControls(updated);
    if (!writeRecord(updated)) return;
    clickSound();
    accept();
}

void TFormGeneral::ButtonCancelClick() {
    clickSound();
    reject();
}
