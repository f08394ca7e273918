#pragma once
// A board button, control or title icon as screen readers see it: a push button with a
// Press action that clicks it, disabled while it does not respond, pressed while lit.
#include <QAccessibleWidget>

class SkinImage;

class SkinImageAccessible : public QAccessibleWidget {
public:
    explicit SkinImageAccessible(SkinImage* image);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Makes every SkinImage made a button one to assistive technology; once is enough.
    static void install();

private:
    static QAccessibleInterface* create(const QString& className, QObject* object);
    SkinImage* image() const;
};
