#pragma once
// Runs every committed input of one fuzz target (its seed corpus and every crash ever
// found) through the target's entry point, so they replay in the ordinary test run.
#include <cstddef>
#include <cstdint>

#include <QString>
#include <QStringList>

namespace FuzzReplay {
using Entry = int (*)(const std::uint8_t*, std::size_t);

// The files of corpus/<target>/ and regressions/<target>/, sorted.
QStringList inputsOf(const QString& target);

// Adds a test failure for a missing corpus or an input the entry point refuses; a
// crash or failed check in the target ends the test program.
void replay(const QString& target, Entry entry);
}  // namespace FuzzReplay
