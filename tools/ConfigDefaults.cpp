#include "ConfigDefaults.h"

#include "AppDirLayout.h"
#include "ConfigRecord.h"
#include "FileSink.h"

bool ConfigDefaults::writeIfMissing(const QString& appDir) {
    // The player's settings and records live here: never replace an existing file.
    return FileSink::create(AppDirLayout(appDir).configFile(), ConfigRecord::defaults().encode());
}
