#pragma once
// The look every settings dialog shares: a fixed single border with only a close box,
// the client size it was laid out for, and the small dialog font it was laid out in.
#include <QDialog>
#include <QFrame>

class QLabel;

class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(QWidget* parent, const QString& objectName, const QString& caption, QSize client);

    // The layout was made for a narrow 8-point font: where the font found here is wider,
    // a label's or a button's text is set a little smaller instead of being cut off.
    static void fitText(QWidget* widget);
    static bool textFits(const QWidget* widget);

    // A child put where the layout says, under its component name.
    template <typename W>
    static W* placed(W* widget, const QString& name, const QRect& geometry) {
        widget->setObjectName(name);
        widget->setGeometry(geometry);
        return widget;
    }
    // A label that shows its text as typed, never as markup.
    static QLabel* plainLabel(QWidget* parent, const QString& name, const QRect& geometry,
                              Qt::Alignment alignment, const QString& text = QString());
    static QFrame* bevel(QWidget* parent, const QString& name, const QRect& geometry,
                         QFrame::Shape shape, QFrame::Shadow shadow);

protected:
    bool event(QEvent* event) override;
    // Enter and Esc typed into the dialog do nothing of their own: it has no default and
    // no cancel button, and is left only through its buttons and its close box. A
    // focused button still takes Enter.
    void keyPressEvent(QKeyEvent* event) override;
};
