#pragma once
// The help page the game opens with Ctrl+F1 and the contact page of the about box.
#include <QByteArray>
#include <QString>

class HelpPages {
public:
    static QByteArray help();
    static QByteArray contact();
    // Writes "Zelto 2000 Help.html" and "Help docs/Contact.html" under `appDir`.
    static void writeAll(const QString& appDir);

private:
    static QString page(const QString& title, const QString& body);
    static QString skinTable();
};
