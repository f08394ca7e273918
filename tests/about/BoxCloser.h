#pragma once
// Closes the message boxes a window opens while a test drives it, noting their texts.
#include <QObject>
#include <QStringList>
#include <QTimer>

class BoxCloser : public QObject {
    Q_OBJECT
public:
    BoxCloser();
    QStringList texts;
    QStringList titles;

private:
    void poll();
    QTimer timer_;
};
