#include "GoToWeb.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
// A path, absolute or relative to the current folder, becomes a file URL; anything
// with a scheme of its own (a one-letter one is a drive, not a scheme) goes as it is.
QUrl pageUrl(const QString& address) {
    if (address.startsWith(QLatin1Char('/'))) return QUrl::fromLocalFile(address);
    QUrl url(address);
    if (url.scheme().size() > 1) return url;
    return QUrl::fromLocalFile(QFileInfo(address).absoluteFilePath());
}
}  // namespace

TGoToWeb::TGoToWeb()
    : url_(QStringLiteral("https://zelto2000.example.org/")),
      email_(QStringLiteral("team@zelto2000.example.org")) {}

bool TGoToWeb::Go() {
    if (url_.isEmpty()) return false;
    return QDesktopServices::openUrl(pageUrl(url_));
}
