#pragma once
// Answers every modal window a test's code opens, so the nested event loops return.
// A message box is remembered (icon, title, text) and answered with `answer` when it
// has that button, or else confirmed; with NoButton it is closed by its frame, as a
// window manager's close button does. Any other modal window is remembered by its
// title: an input box is accepted as it stands, another dialog is handed to `onDialog`
// when one is set and then rejected if still open (a window that is no dialog is closed).
#include <functional>

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QDialog;

class ModalBoxCloser : public QObject {
    Q_OBJECT
public:
    ModalBoxCloser();

    struct Box {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };
    QList<Box> boxes;
    QStringList dialogs;  // titles of the other modal windows, in order
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    // Runs once per showing of a dialog, from the dialog's own event loop.
    std::function<void(QDialog*)> onDialog;

    QStringList texts() const;   // of the message boxes, in order
    QStringList titles() const;  // of the message boxes, in order
    void clear();

private:
    void poll();
    void answerBox(QMessageBox* box) const;
    void dismiss(QWidget* window);
    void runHandler(QDialog* dialog);

    QTimer timer_;
    QPointer<QDialog> handling_;
};
