#include "BoundedRead.h"

#include <algorithm>

namespace BoundedRead {

QByteArray upTo(QIODevice& device, qint64 limit) {
    constexpr qint64 kStep = qint64{64} * 1024;
    QByteArray bytes;
    const qint64 expected = device.isSequential() ? 0 : device.size() - device.pos();
    bytes.reserve(qsizetype(std::clamp<qint64>(expected, 0, limit)));
    while (bytes.size() < limit) {
        const QByteArray step = device.read(std::min(kStep, limit - bytes.size()));
        if (step.isEmpty()) break;
        bytes += step;
    }
    return bytes;
}

}  // namespace BoundedRead
