#pragma once
// Opens a web address or a local page in the user's web browser: the program the
// desktop registers for HTML pages is started directly with the address as one
// argument; without one, the desktop's standard opener (xdg-open) is asked.
#include <QString>
#include <QStringList>

enum TBrowserState : quint8 { gwMaximized = 0, gwNormal = 1 };

class TGoToWeb {
public:
    TGoToWeb();

    const QString& Url() const { return url_; }
    void setUrl(const QString& url) { url_ = url; }
    // Kept with the component; nothing sends mail.
    const QString& EMail() const { return email_; }
    void setEMail(const QString& email) { email_ = email; }
    const QString& EMailSubject() const { return emailSubject_; }
    void setEMailSubject(const QString& subject) { emailSubject_ = subject; }
    // Stored only: a program started on this desktop cannot be told how to show
    // its window, so the browser decides.
    TBrowserState BrowserState() const { return browserState_; }
    void setBrowserState(TBrowserState state) { browserState_ = state; }

    // True only when a program was really started; the browser is not waited for.
    bool Go();

    // The Exec line of the desktop's application for text/html, or empty.
    static QString FindBrowserCommand();
    // The program of `command`; its arguments go to the browser arguments shared by
    // every instance. A command naming a .EXE/.BAT/.COM program is cut after the
    // rightmost such name; any other is split as a desktop Exec line.
    static QString SplitBrowserCommand(const QString& command);
    static const QStringList& BrowserArguments();

private:
    static bool namesDosProgram(const QString& command);
    static QString splitDosCommand(const QString& command);
    static bool openWithDesktop(const QString& url);

    QString url_;
    QString email_;
    QString emailSubject_;
    TBrowserState browserState_ = gwMaximized;
};
