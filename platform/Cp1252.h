#pragma once
// Windows-1252 text: the 8-bit code page that Config.dat strings are stored in.
#include <QByteArray>
#include <QString>

namespace Cp1252 {
QString decode(const char* bytes, int length);
// Characters outside the code page become '?'; *lossless tells whether any did.
QByteArray encode(const QString& text, bool* lossless = nullptr);
bool canEncode(const QString& text);
}  // namespace Cp1252
