#pragma once
// Drives a selection dialog as a player does: reads its list, chooses an entry, and
// finds Ok and Cancel.
#include <gtest/gtest.h>

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

class DialogDriver {
public:
    static QStringList listed(const QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }

    static void select(QListWidget* list, const QString& name) {
        const auto items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        list->setCurrentItem(items.first());
    }

    static QPushButton* ok(const QDialog& form) {
        return form.findChild<QPushButton*>(QStringLiteral("ButtonOk"));
    }
    static QPushButton* cancel(const QDialog& form) {
        return form.findChild<QPushButton*>(QStringLiteral("ButtonCancel"));
    }
};
