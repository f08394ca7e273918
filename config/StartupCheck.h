#pragma once
// What start-up finds in the application directory, before the main window appears:
// the settings to play with, and the messages to show and the writes of Config.dat to
// make, in their order. Plain logic: the window shows the messages and writes.
#include <optional>
#include <vector>

#include <QString>

#include "ConfigRecord.h"

class StartupCheck {
public:
    struct Step {
        enum class Kind { Error, Warning };
        Kind kind = Kind::Error;
        QString text;
        // Written after the message is closed: the record as it is on disk with the
        // missing name replaced by its default, so nothing else in the file changes.
        std::optional<ConfigRecord> write;
    };

    struct Result {
        bool stop = false;  // the program ends once the messages are shown
        std::vector<Step> steps;
        ConfigRecord settings;  // range-checked, with the defaults for missing names
    };

    static Result run(const QString& appDir);

private:
    static void checkNames(const QString& appDir, ConfigRecord& onDisk, Result& result);
};
