#pragma once
// A private session D-Bus with AT-SPI's accessibility bus on it, as on a desktop where a
// screen reader runs, and this test program's own AT-SPI client connected to it.
#include <memory>

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class AtspiBus {
public:
    AtspiBus() = default;
    ~AtspiBus();
    AtspiBus(const AtspiBus&) = delete;
    AtspiBus& operator=(const AtspiBus&) = delete;

    // Starts both buses and connects the client; on failure error() says why.
    bool start(const QString& busLauncher);
    const QString& sessionAddress() const { return sessionAddress_; }
    const QString& error() const { return error_; }

    // Hands the client the AT-SPI events that have arrived.
    static void pump();

private:
    bool startSessionBus();
    bool startLauncher(const QString& busLauncher);
    QString accessibilityBusAddress(int timeoutMs) const;
    bool fail(const QString& why);

    QTemporaryDir runtimeDir_;
    std::unique_ptr<QProcess> sessionBus_;
    std::unique_ptr<QProcess> launcher_;
    QString sessionAddress_;
    QString error_;
    bool clientUp_ = false;
};
