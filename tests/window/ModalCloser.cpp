#include "ModalCloser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QInputDialog>

ModalCloser::ModalCloser() {
    connect(&timer_, &QTimer::timeout, this, &ModalCloser::poll);
    timer_.start(5);
}

void ModalCloser::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    titles << modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        texts << box->text();
        if (answer == QMessageBox::NoButton)
            box->close();
        else if (QAbstractButton* button = box->button(answer))
            button->click();
        else
            box->done(QMessageBox::Ok);
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        texts << QString();
        dialog->reject();
        return;
    }
    modal->close();
}
