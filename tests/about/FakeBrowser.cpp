#include "FakeBrowser.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {
QString shellQuoted(const QString& text) {
    QString quoted = text;
    quoted.replace("'", "'\\''");
    return "'" + quoted + "'";
}
}  // namespace

FakeBrowser::FakeBrowser(const QString& scriptPath)
    : script_(scriptPath), record_(scriptPath + ".args") {
    QDir().mkpath(QFileInfo(scriptPath).path());
    QFile file(scriptPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    const QString record = shellQuoted(record_);
    file.write(("#!/bin/sh\nPATH=/usr/bin:/bin\n: > " + record + ".tmp\n" +
                "for a in \"$@\"; do printf '%s\\0' \"$a\" >> " + record + ".tmp; done\nmv " +
                record + ".tmp " + record + "\n")
                   .toLocal8Bit());
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

bool FakeBrowser::ran() const {
    return QFile::exists(record_);
}

QStringList FakeBrowser::arguments(int waitMs) const {
    QDeadlineTimer deadline(waitMs);
    while (!ran() && !deadline.hasExpired()) QThread::msleep(10);
    QFile file(record_);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList args;
    for (const QByteArray& arg : file.readAll().split('\0')) args << QString::fromLocal8Bit(arg);
    args.removeLast();  // after the last terminator
    return args;
}
