#pragma once
// Answers the message boxes a window opens while a test drives it: remembers each
// box's text and closes it, so the nested event loop returns.
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

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

    QStringList texts() const;

private:
    void poll();
    QTimer timer_;
};
