#pragma once
// "Finish current game?": only the answer No keeps the game going. Esc answers No, but a
// box closed by its frame's close button gave no No, so the game ends then too.
#include <QMessageBox>

class QuitQuestionBox : public QMessageBox {
    Q_OBJECT
public:
    QuitQuestionBox(const QString& caption, QWidget* parent);

    // Shows the box modally; true unless the player answered No.
    bool finishGame();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool closedByFrame_ = false;
};
