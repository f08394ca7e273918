#include "ModalScript.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>

ModalScript::ModalScript() {
    connect(&timer_, &QTimer::timeout, this, &ModalScript::poll);
    timer_.start(5);
}

QStringList ModalScript::texts() const {
    QStringList out;
    for (const Box& box : boxes) out << box.text;
    return out;
}

void ModalScript::clear() {
    boxes.clear();
    dialogs.clear();
}

void ModalScript::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || modal == handling_) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes.append({box->icon(), box->windowTitle(), box->text()});
        box->done(QMessageBox::Ok);
        return;
    }
    dialogs << modal->windowTitle();
    if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        input->accept();
        return;
    }
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (dialog == nullptr) {
        modal->close();
        return;
    }
    // A timer does not fire again while its own slot runs, so the handler (which may
    // open message boxes of its own) runs from a fresh event instead.
    handling_ = dialog;
    QTimer::singleShot(0, dialog, [this, dialog] { runHandler(dialog); });
}

void ModalScript::runHandler(QDialog* dialog) {
    if (onDialog) onDialog(dialog);
    if (dialog->isVisible()) dialog->reject();
    handling_ = nullptr;
}
