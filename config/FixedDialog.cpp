#include "FixedDialog.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr double kSmallestPoints = 6.0;
const char* const kDesignFont = "zeltoDesignFont";

QString textOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    return QString();
}
}  // namespace

FixedDialog::FixedDialog(QWidget* parent, const QString& objectName, const QString& caption,
                         QSize client)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    if (!objectName.isEmpty()) setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(client);
    QFont base = font();
    // Liberation Sans has the widths of the fonts these dialogs were drawn with.
    base.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arimo"), QStringLiteral("Arial"),
                      QStringLiteral("Sans Serif")});
    base.setPointSize(8);
    setFont(base);
}

bool FixedDialog::event(QEvent* event) {
    if (event->type() == QEvent::Show) {
        for (QWidget* child : findChildren<QWidget*>()) fitText(child);
    }
    return QDialog::event(event);
}

QLabel* FixedDialog::plainLabel(QWidget* parent, const QString& name, const QRect& geometry,
                                Qt::Alignment alignment, const QString& text) {
    auto* label = placed(new QLabel(text, parent), name, geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    return label;
}

QFrame* FixedDialog::bevel(QWidget* parent, const QString& name, const QRect& geometry,
                           QFrame::Shape shape, QFrame::Shadow shadow) {
    auto* frame = placed(new QFrame(parent), name, geometry);
    frame->setFrameShape(shape);
    frame->setFrameShadow(shadow);
    return frame;
}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool closingKey = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
    // The keypad's Enter is the same key to the player.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (closingKey && plain) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool FixedDialog::textFits(const QWidget* widget) {
    const QString text = textOf(widget);
    if (text.isEmpty()) return true;
    // A push button's size hint asks for more than its caption needs.
    if (qobject_cast<const QPushButton*>(widget))
        return widget->fontMetrics().horizontalAdvance(text) + 8 <= widget->width();
    if (qobject_cast<const QAbstractButton*>(widget))
        return widget->sizeHint().width() <= widget->width();
    const auto* label = static_cast<const QLabel*>(widget);
    const QRect room = label->contentsRect();
    const QFontMetrics metrics(label->font());
    if (!label->wordWrap()) return metrics.horizontalAdvance(text) <= room.width();
    const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), text);
    return needed.height() <= room.height() && needed.width() <= room.width();
}

void FixedDialog::fitText(QWidget* widget) {
    if (textOf(widget).isEmpty()) return;
    // Each fitting starts again from the font the widget was given, so a shorter text
    // later gets its full size back.
    if (!widget->property(kDesignFont).isValid()) widget->setProperty(kDesignFont, widget->font());
    QFont font = widget->property(kDesignFont).value<QFont>();
    widget->setFont(font);
    while (!textFits(widget) && font.pointSizeF() - 0.5 >= kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        widget->setFont(font);
    }
}
