#pragma once
// Takes the place of the desktop's page opener for this test program: every web address
// and file URL handed to QDesktopServices is recorded instead of opened.
#include <QList>
#include <QObject>
#include <QUrl>

class OpenedPages : public QObject {
    Q_OBJECT
public:
    OpenedPages();
    ~OpenedPages() override;

    const QList<QUrl>& urls() const { return urls_; }

public Q_SLOTS:
    void open(const QUrl& url);

private:
    QList<QUrl> urls_;
};
