#include "SkinImageAccessible.h"

#include "SkinImage.h"

SkinImageAccessible::SkinImageAccessible(SkinImage* image)
    : QAccessibleWidget(image, QAccessible::Button) {}

SkinImage* SkinImageAccessible::image() const {
    return static_cast<SkinImage*>(widget());
}

// Lit shows as pressed and as checked: the bridge to AT-SPI passes on a change of
// checked, not one of pressed.
QAccessible::State SkinImageAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (!image()->responds()) state.disabled = true;
    if (image()->lit()) {
        state.pressed = true;
        state.checked = true;
    }
    return state;
}

QStringList SkinImageAccessible::actionNames() const {
    return QAccessibleWidget::actionNames() << pressAction();
}

// Later, from the event loop, as a mouse click arrives: the caller's request is answered
// at once even when the click opens a modal dialog.
void SkinImageAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    SkinImage* target = image();
    QMetaObject::invokeMethod(
        target, [target] { target->click(); }, Qt::QueuedConnection);
}

void SkinImageAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(&SkinImageAccessible::create);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface* SkinImageAccessible::create(const QString&, QObject* object) {
    auto* image = qobject_cast<SkinImage*>(object);
    return image && image->isButton() ? new SkinImageAccessible(image) : nullptr;
}
