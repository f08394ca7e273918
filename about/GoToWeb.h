#pragma once
// Opens a web address or a local page in the user's web browser through the desktop
// (xdg-open, or the desktop portal inside a sandbox).
#include <QString>

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
    // Stored only: the desktop gives no way to tell a browser how to show its window.
    TBrowserState BrowserState() const { return browserState_; }
    void setBrowserState(TBrowserState state) { browserState_ = state; }

    // True when the desktop took the page; the browser is not waited for, and a
    // failure shows nothing.
    bool Go();

private:
    QString url_;
    QString email_;
    QString emailSubject_;
    TBrowserState browserState_ = gwMaximized;
};
