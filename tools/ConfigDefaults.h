#pragma once
// The Config.dat shipped with a fresh application directory.
#include <QString>

#include "ConfigRecord.h"

class ConfigDefaults {
public:
    static ConfigRecord record();
    // Writes <appDir>/Config.dat unless one exists; true when it wrote one.
    static bool writeIfMissing(const QString& appDir);
};
