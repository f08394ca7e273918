#pragma once
// A window's picture once painting has settled: two shots in a row alike.
#include <QImage>

template <typename Session, typename Shot>
bool waitForSettledPicture(const Session& session, Shot shot, QImage& picture) {
    QImage previous;
    return session.waitUntil(
        [&] {
            picture = shot();
            const bool same = !picture.isNull() && picture == previous;
            previous = picture;
            return same;
        },
        10000, 100);
}
