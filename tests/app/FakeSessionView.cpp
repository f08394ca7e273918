#include "FakeSessionView.h"

#include "ConfigFile.h"
#include "SkinFolder.h"

namespace {
QString windowName(PrincipalView::Window window) {
    using W = PrincipalView::Window;
    switch (window) {
        case W::Logo:
            return QStringLiteral("Logo");
        case W::General:
            return QStringLiteral("General");
        case W::Skin:
            return QStringLiteral("Skin");
        case W::Sounds:
            return QStringLiteral("Sounds");
        case W::Music:
            return QStringLiteral("Music");
        case W::About:
            return QStringLiteral("About");
    }
    return QString();
}
}  // namespace

void FakeSessionView::runWindow(Window window) {
    if (onWindow) onWindow(window);
    add(QStringLiteral("window ") + windowName(window));
}

void FakeSessionView::openPage(const QString& url) {
    add(QStringLiteral("page ") + url);
}

void FakeSessionView::centre() {
    add(QStringLiteral("centre"));
}

void FakeSessionView::applySkin(const SkinPictures& pictures) {
    add(pictures.complete() ? QStringLiteral("skin complete") : QStringLiteral("skin broken"));
}

void FakeSessionView::setButtonVisible(int n, bool visible) {
    add(QStringLiteral("visible %1 %2").arg(n).arg(visible ? 1 : 0));
}

void FakeSessionView::ShowIconPicture(int n, Picture picture) {
    add(QStringLiteral("icon %1 %2").arg(n).arg(picture == Picture::Down ? "Down" : "Up"));
}

void FakeSessionView::minimize() {
    add(QStringLiteral("minimize"));
}

void FakeSessionView::endApplication() {
    add(QStringLiteral("end"));
}

void FakeSessionView::showStartupMessage(StartupCheck::Step::Kind kind, const QString& text) {
    const bool warning = kind == StartupCheck::Step::Kind::Warning;
    add((warning ? QStringLiteral("startup warning ") : QStringLiteral("startup error ")) + text);
}

void FakeSessionView::showStartupIoError(const ConfigIoError& error) {
    add(QStringLiteral("startup io ") + error.text());
}

void FakeSessionView::showSkinError(const QString& text) {
    add(QStringLiteral("skin error ") + text);
}

void FakeSessionView::showSettingsWarning(const QString& text) {
    add(QStringLiteral("settings warning ") + text);
}

void FakeSessionView::showIoError(const ConfigIoError& error) {
    add(QStringLiteral("io ") + error.text());
}

void FakeSessionView::setAppDir(const QString& appDir) {
    add(QStringLiteral("appDir ") + appDir);
}
