#include "EventWait.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>

namespace EventWait {

bool until(const std::function<bool()>& done, int timeoutMs) {
    if (done()) return true;
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    guard.start(timeoutMs);
    poll.start(5);
    loop.exec();
    return done();
}

void settle(int ms) {
    QTest::qWait(ms);
}

}  // namespace EventWait
