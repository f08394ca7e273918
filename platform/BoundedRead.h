#pragma once
// Reading a file of outside origin with a size limit. QIODevice::read(limit) reserves
// the whole limit before it reads; this takes only what the file holds.
#include <QByteArray>
#include <QIODevice>

namespace BoundedRead {

// At most limit bytes from where the device stands, in steps, so a file that grows
// while it is read still stops at the limit.
QByteArray upTo(QIODevice& device, qint64 limit);

}  // namespace BoundedRead
