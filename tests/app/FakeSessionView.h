#pragma once
// The main window's side of a session: windows, page, placement, skin pictures, title
// icons and the session's boxes, each logged as one line into a log that may be shared
// with the fake board so that the order of both can be checked.
#include <functional>
#include <vector>

#include <QString>

#include "AppDirUser.h"
#include "PrincipalView.h"
#include "SessionPrompts.h"

class FakeSessionView : public PrincipalView, public SessionPrompts, public AppDirUser {
public:
    explicit FakeSessionView(std::vector<QString>* log) : log_(log) {}

    void runWindow(Window window) override;  // "window General"; runs onWindow first
    void openPage(const QString& url) override;
    void centre() override;
    void applySkin(const SkinPictures& pictures) override;  // "skin complete" / "skin broken"
    void setButtonVisible(int n, bool visible) override;
    void ShowIconPicture(int n, Picture picture) override;
    void minimize() override;
    void endApplication() override;

    void showStartupMessage(StartupCheck::Step::Kind kind, const QString& text) override;
    void showStartupIoError(const ConfigIoError& error) override;
    void showSkinError(const QString& text) override;
    void showSettingsWarning(const QString& text) override;
    void showIoError(const ConfigIoError& error) override;

    void setAppDir(const QString& appDir) override;

    // What a dialog does while it is open, e.g. write Config.dat.
    std::function<void(Window)> onWindow;

private:
    void add(const QString& entry) { log_->push_back(entry); }

    std::vector<QString>* log_;
};
