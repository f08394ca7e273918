#include "UnitSkin.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include "AppDirLayout.h"
#include "BoardLayout.h"
#include "FilePath.h"
#include "FolderList.h"
#include "SkinFolder.h"

namespace {

const QString kErrorCaption = QStringLiteral("Error");
const QString kBrokenSkin = QStringLiteral(
    "Some file(s) of this skin are missing or corrupted. Check the existence and format of all "
    "images. Read the help HTML file for a full list of files needed.");

// The preview is the main window at a quarter of its size, placed inside the bevel.
constexpr QPoint kPreviewOrigin{152, 32};
QRect quarter(const QRect& r) {
    return BoardLayout::quarter(r, kPreviewOrigin);
}
const QRect kWindowRect(QPoint(0, 0), BoardLayout::kWindow);

// A picture the check did not reach, or could not read, leaves the one shown before.
void setPicture(QLabel* label, const QImage& image) {
    if (!image.isNull()) label->setPixmap(QPixmap::fromImage(image));
}

}  // namespace

TFormSkin::TFormSkin(WaveOutput& wave, QWidget* parent)
    : RecordDialog(wave, parent, QStringLiteral("FormSkin"), QStringLiteral("Skin Selection"),
                   QSize(kClientWidth, kClientHeight)) {
    ListBox = placed(new QListWidget(this), QStringLiteral("ListBox"), QRect(6, 8, 138, 112));
    ListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    ButtonOk = placed(new QPushButton(QStringLiteral("Ok"), this), QStringLiteral("ButtonOk"),
                      QRect(114, 128, 72, 25));
    ButtonCancel = placed(new QPushButton(QStringLiteral("Cancel"), this),
                          QStringLiteral("ButtonCancel"), QRect(194, 128, 72, 25));
    Label1 = placed(new QLabel(QStringLiteral("Preview :"), this), QStringLiteral("Label1"),
                    QRect(152, 12, 114, 17));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setTextFormat(Qt::PlainText);
    createPreview();

    connect(ListBox, &QListWidget::itemSelectionChanged, this, &TFormSkin::scheduleCheck);
    connect(ButtonOk, &QPushButton::clicked, this, &TFormSkin::ButtonOkClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &TFormSkin::ButtonCancelClick);
    setTabOrder(ListBox, ButtonOk);
    setTabOrder(ButtonOk, ButtonCancel);
}

// Created bottom to top: the bevel shows only while the preview is hidden.
void TFormSkin::createPreview() {
    Bevel = placed(new QFrame(this), QStringLiteral("Bevel"), quarter(kWindowRect));
    Bevel->setFrameShape(QFrame::Panel);
    Bevel->setFrameShadow(QFrame::Raised);
    BackGround = makePreviewImage(QStringLiteral("BackGround"), quarter(kWindowRect));
    for (int n = 1; n <= 9; ++n)
        Buttons[n - 1] =
            makePreviewImage(QStringLiteral("Button%1").arg(n), quarter(BoardLayout::button(n)));
    for (int n = 1; n <= 3; ++n)
        Icons[n - 1] =
            makePreviewImage(QStringLiteral("Icon%1").arg(n), quarter(BoardLayout::icon(n)));
    for (int n = 1; n <= 8; ++n)
        Controls[n - 1] =
            makePreviewImage(QStringLiteral("Control%1").arg(n), quarter(BoardLayout::control(n)));
    ImageControl = makePreviewImage(QStringLiteral("ImageControl"), QRect(48, 128, 17, 17));
}

QLabel* TFormSkin::makePreviewImage(const QString& name, const QRect& geometry) {
    auto* image = placed(new QLabel(this), name, geometry);
    image->setScaledContents(true);
    image->hide();
    return image;
}

void TFormSkin::FormShow() {
    setPreviewVisible(false);
    ButtonOk->setEnabled(false);
    clearList();
    if (!readRecordAndCentre()) return;
    fillList();
}

void TFormSkin::clearList() {
    const QSignalBlocker blocker(ListBox);
    ListBox->clear();
}

void TFormSkin::fillList() {
    const QSignalBlocker blocker(ListBox);
    ListBox->addItems(FolderList::subfolders(AppDirLayout(appDir()).skinsDir()));
    // Through the view, so focusing the list does not quietly make row 0 current: the
    // first key press then selects the row it moves to, the first one included.
    ListBox->setCurrentIndex(QModelIndex());
    ListBox->clearSelection();
}

void TFormSkin::setPreviewVisible(bool visible) {
    BackGround->setVisible(visible);
    for (QLabel* image : Buttons) image->setVisible(visible);
    for (QLabel* image : Icons) image->setVisible(visible);
    for (QLabel* image : Controls) image->setVisible(visible);
}

bool TFormSkin::SomeSelected() const {
    return !ListBox->selectedItems().isEmpty();
}

QString TFormSkin::selectedName() const {
    const QList<QListWidgetItem*> items = ListBox->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

// Runs the check once the selecting mouse or key event is over; several changes in a
// row make one check of the last selection.
void TFormSkin::scheduleCheck() {
    if (checkPending_) return;
    checkPending_ = true;
    QTimer::singleShot(0, this, [this] {
        checkPending_ = false;
        if (isVisible()) ListBoxClick();
    });
}

void TFormSkin::ListBoxClick() {
    if (!SomeSelected() || !recordRead()) return;
    ButtonOk->setEnabled(true);
    const SkinPreview preview = SkinFolder::named(appDir(), selectedName()).preview();
    setPreviewVisible(true);
    showPreview(preview);
    if (preview.complete()) return;
    QMessageBox::critical(this, kErrorCaption, kBrokenSkin);
    FormShow();
}

void TFormSkin::showPreview(const SkinPreview& preview) {
    setPicture(BackGround, preview.Background);
    for (int n = 1; n <= 9; ++n) setPicture(Buttons[n - 1], preview.Buttons[n - 1]);
    for (int n = 1; n <= 3; ++n) setPicture(Icons[n - 1], preview.Icons[n - 1]);
    for (int n = 1; n <= 8; ++n) setPicture(Controls[n - 1], preview.Controls[n - 1]);
}

void TFormSkin::ButtonOkClick() {
    if (!recordRead() || !SomeSelected()) return;
    clickSound();
    const QString name = selectedName();
    // The folder may have gone while the dialog was open; storing it would only make
    // the main window fall back to the default skin.
    if (!FilePath::isDir(AppDirLayout(appDir()).skinDir(name))) {
        QMessageBox::critical(this, kErrorCaption,
                              QStringLiteral("The skin %1 no longer exists.").arg(name));
        FormShow();
        return;
    }
    editRecord().SkinName.setText(name);
    if (!writeRecord(record())) return;
    accept();
}

void TFormSkin::ButtonCancelClick() {
    clickSound();
    reject();
}
