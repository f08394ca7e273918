#include "QuitQuestionBox.h"

#include <QCloseEvent>

QuitQuestionBox::QuitQuestionBox(const QString& caption, QWidget* parent)
    : QMessageBox(QMessageBox::Question, caption, QStringLiteral("Finish current game?"),
                  QMessageBox::Yes | QMessageBox::No, parent) {
    setDefaultButton(QMessageBox::Yes);
    setEscapeButton(QMessageBox::No);
}

bool QuitQuestionBox::finishGame() {
    closedByFrame_ = false;
    const int answer = exec();
    return closedByFrame_ || answer != QMessageBox::No;
}

// Esc and the buttons never come through here; only a close request does.
void QuitQuestionBox::closeEvent(QCloseEvent* event) {
    closedByFrame_ = true;
    QMessageBox::closeEvent(event);
}
