#pragma once
// The boxes of the main window outside one game: start-up's messages, which come
// before the window is on the screen, a broken skin, and a settings file that cannot be
// read or holds values out of range.
#include <QString>

#include "StartupCheck.h"

class ConfigIoError;

class SessionPrompts {
public:
    virtual ~SessionPrompts() = default;

    virtual void showStartupMessage(StartupCheck::Step::Kind kind, const QString& text) = 0;
    virtual void showStartupIoError(const ConfigIoError& error) = 0;
    virtual void showSkinError(const QString& text) = 0;
    virtual void showSettingsWarning(const QString& text) = 0;
    virtual void showIoError(const ConfigIoError& error) = 0;
};
