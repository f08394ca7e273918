#include "ModalBoxCloser.h"

#include <QApplication>

ModalBoxCloser::ModalBoxCloser() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalBoxCloser::poll);
    timer_.start();
}

void ModalBoxCloser::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    boxes.append({box->icon(), box->windowTitle(), box->text()});
    box->done(QMessageBox::Ok);
}

QStringList ModalBoxCloser::texts() const {
    QStringList out;
    for (const Box& box : boxes) out << box.text;
    return out;
}
