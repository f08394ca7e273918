#pragma once
// A window that keeps its own copy of the application directory; the main window hands
// it over once, at start-up.
#include <QString>

class AppDirUser {
public:
    virtual ~AppDirUser() = default;
    virtual void setAppDir(const QString& appDir) = 0;
};
