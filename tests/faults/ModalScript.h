#pragma once
// Answers every modal window the game opens while a test drives it, so the nested
// event loops return: message boxes are remembered and confirmed, the record name box
// is accepted, and any other dialog is handed to `onDialog` (or cancelled).
#include <functional>

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QDialog;

class ModalScript : public QObject {
    Q_OBJECT
public:
    ModalScript();

    struct Box {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };
    QList<Box> boxes;
    // Window titles of the dialogs and input boxes that were shown, in order.
    QStringList dialogs;
    // Runs once per showing of a dialog, from the dialog's own event loop; the dialog
    // is cancelled afterwards if it is still open.
    std::function<void(QDialog*)> onDialog;

    QStringList texts() const;
    void clear();

private:
    void poll();
    void runHandler(QDialog* dialog);

    QTimer timer_;
    QPointer<QDialog> handling_;
};
