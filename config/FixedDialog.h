#pragma once
// The look every settings dialog shares: a fixed single border with only a close box,
// the client size it was laid out for, and the small dialog font it was laid out in.
#include <QDialog>

class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(QWidget* parent, const QString& objectName, const QString& caption, QSize client);
};
