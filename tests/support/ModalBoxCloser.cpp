#include "ModalBoxCloser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QInputDialog>

ModalBoxCloser::ModalBoxCloser() {
    connect(&timer_, &QTimer::timeout, this, &ModalBoxCloser::poll);
    timer_.start(5);
}

QStringList ModalBoxCloser::texts() const {
    QStringList out;
    for (const Box& box : boxes) out << box.text;
    return out;
}

QStringList ModalBoxCloser::titles() const {
    QStringList out;
    for (const Box& box : boxes) out << box.title;
    return out;
}

void ModalBoxCloser::clear() {
    boxes.clear();
    dialogs.clear();
}

void ModalBoxCloser::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || modal == handling_) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes.append({box->icon(), box->windowTitle(), box->text()});
        answerBox(box);
        return;
    }
    dialogs << modal->windowTitle();
    dismiss(modal);
}

void ModalBoxCloser::answerBox(QMessageBox* box) const {
    if (answer == QMessageBox::NoButton) {
        box->close();
    } else if (QAbstractButton* button = box->button(answer)) {
        button->click();
    } else {
        box->done(QMessageBox::Ok);
    }
}

void ModalBoxCloser::dismiss(QWidget* window) {
    if (auto* input = qobject_cast<QInputDialog*>(window)) {
        input->accept();
        return;
    }
    auto* dialog = qobject_cast<QDialog*>(window);
    if (dialog == nullptr) {
        window->close();
        return;
    }
    if (!onDialog) {
        dialog->reject();
        return;
    }
    // A timer does not fire again while its own slot runs, so the handler (which may
    // open message boxes of its own) runs from a fresh event instead.
    handling_ = dialog;
    QTimer::singleShot(0, dialog, [this, dialog] { runHandler(dialog); });
}

void ModalBoxCloser::runHandler(QDialog* dialog) {
    onDialog(dialog);
    if (dialog->isVisible()) dialog->reject();
    handling_ = nullptr;
}
