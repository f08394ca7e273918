#pragma once
// File names for a game whose data folders are often copied from case-blind systems.
#include <QString>

namespace FilePath {
// dir + "/" + name, with no separator doubled; long paths are kept whole.
QString join(const QString& dir, const QString& name);
// The entry of `dir` whose name equals `name` ignoring letter case (an exact match wins),
// or an empty string when there is none.
QString findNoCase(const QString& dir, const QString& name);
bool isFile(const QString& path);
bool isDir(const QString& path);
}  // namespace FilePath
