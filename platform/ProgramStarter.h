#pragma once
// Starts a program as its own process, never through a shell: each argument reaches
// the program exactly as given, spaces and quotes included.
#include <QString>
#include <QStringList>

namespace ProgramStarter {
// True only when the program really started (found, executable, exec succeeded).
bool start(const QString& program, const QStringList& arguments);
// The full path of `name` in PATH, or an empty string.
QString findInPath(const QString& name);
}  // namespace ProgramStarter
