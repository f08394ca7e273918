#pragma once
// Closes every modal window a test's code opens (message boxes, input boxes, dialogs),
// remembering its title and text, so nested event loops return. Message boxes are
// answered with `answer` when it is one of their buttons; with NoButton they are closed
// by their frame, as a window manager's close button does.
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

class ModalCloser : public QObject {
    Q_OBJECT
public:
    ModalCloser();

    QStringList titles;
    QStringList texts;
    QMessageBox::StandardButton answer = QMessageBox::Ok;

private:
    void poll();
    QTimer timer_;
};
