#pragma once
// The Config.dat shipped with a fresh application directory.
#include <QString>

class ConfigDefaults {
public:
    // Writes <appDir>/Config.dat unless one exists; true when it wrote one.
    static bool writeIfMissing(const QString& appDir);
};
