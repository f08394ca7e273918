#include "SelectionDialog.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

SelectionDialog::SelectionDialog(WaveOutput& wave, const QString& objectName,
                                 const QString& caption, QWidget* parent)
    : RecordDialog(wave, parent, objectName, caption, QSize(kClientWidth, kClientHeight)) {
    list_ = new QListWidget(this);
    list_->setGeometry(6, 8, 138, 96);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    ButtonOk = new QPushButton(QStringLiteral("Ok"), this);
    ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
    ButtonOk->setGeometry(71, 111, 73, 25);
    ButtonCancel = new QPushButton(QStringLiteral("Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonCancel->setGeometry(152, 111, 72, 25);
    Label1 = new QLabel(QStringLiteral("Preview :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(152, 12, 72, 17);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Bevel = new QFrame(this);
    Bevel->setObjectName(QStringLiteral("Bevel"));
    Bevel->setGeometry(152, 32, 72, 72);
    Bevel->setFrameShape(QFrame::Panel);
    Bevel->setFrameShadow(QFrame::Raised);
    Bevel->lower();
}

void SelectionDialog::reportGone(const QString& what) {
    QMessageBox::critical(this, QStringLiteral("Error"), what);
}
