#include "SoundPaths.h"

namespace SoundPaths {

QString file(const QString& appDir, const QString& scheme, const QString& fileName) {
    return appDir + QStringLiteral("/Sounds/") + scheme + QLatin1Char('/') + fileName;
}

QString board(const QString& appDir, const QString& scheme, int n) {
    return file(appDir, scheme, QStringLiteral("Sound%1.wav").arg(n));
}

QString click(const QString& appDir, const QString& scheme) {
    return file(appDir, scheme, QStringLiteral("Click.wav"));
}

QString mistake(const QString& appDir, const QString& scheme) {
    return file(appDir, scheme, QStringLiteral("Mistake.wav"));
}

QString timeOver(const QString& appDir, const QString& scheme) {
    return file(appDir, scheme, QStringLiteral("TimeOver.wav"));
}

QString music(const QString& appDir, const QString& fileName) {
    return appDir + QStringLiteral("/Music/") + fileName;
}

}  // namespace SoundPaths
