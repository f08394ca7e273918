#pragma once
// The look every settings dialog shares: a fixed single border with only a close box,
// the client size it was laid out for, and the small dialog font it was laid out in.
#include <QDialog>

class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(QWidget* parent, const QString& objectName, const QString& caption, QSize client);

    // The layout was made for a narrow 8-point font: where the font found here is wider,
    // a label's or a button's text is set a little smaller instead of being cut off.
    static void fitText(QWidget* widget);
    static bool textFits(const QWidget* widget);

protected:
    bool event(QEvent* event) override;
};
