#pragma once
// The pictures and the jingle built into the program as resources. A missing or
// broken resource gives an empty result: the windows then stay blank or silent.
#include <QByteArray>
#include <QPixmap>
#include <QSize>
#include <QString>

class TWaveData;

namespace EmbeddedData {
// The resource path of an embedded file, e.g. ":/embedded/Logo.jpg".
QString path(const QString& name);
// The bytes of an embedded file, empty when it is missing.
QByteArray read(const QString& name);
// A JPEG picture scaled to `size` if it has another; null when missing or broken.
QPixmap picture(const QString& name, QSize size);
// Fills `data` from a stored "Data" value; false (and an empty holder) on any fault.
bool readWave(const QString& name, TWaveData& data);
}  // namespace EmbeddedData
