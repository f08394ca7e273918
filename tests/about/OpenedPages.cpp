#include "OpenedPages.h"

#include <QDesktopServices>

namespace {
const char* const kSchemes[] = {"file", "http", "https"};
}

OpenedPages::OpenedPages() {
    for (const char* scheme : kSchemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

OpenedPages::~OpenedPages() {
    for (const char* scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void OpenedPages::open(const QUrl& url) {
    urls_.append(url);
}
