#include "BoxCloser.h"

#include <QApplication>
#include <QMessageBox>

BoxCloser::BoxCloser() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &BoxCloser::poll);
    timer_.start();
}

void BoxCloser::poll() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr || !box->isVisible()) continue;
        texts << box->text();
        titles << box->windowTitle();
        box->done(QMessageBox::Ok);
    }
}
