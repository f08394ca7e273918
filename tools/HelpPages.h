#pragma once
// The help page the game opens with Ctrl+F1 and the contact page of the about box.
#include <QByteArray>
#include <QString>

class HelpPages {
public:
    static QByteArray help();
    static QByteArray contact();
    // Writes both pages where the game looks for them in `appDir`.
    static void writeAll(const QString& appDir);

private:
    static QString page(const QString& title, const QString& body);
    static QString skinTable();
};
