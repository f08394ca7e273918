#include "ToolRun.h"

#include <QFile>
#include <QProcess>

ToolResult ToolRun::run(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ZELTO_DATA_EXE), args);
    ToolResult r;
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) {
        p.kill();
        p.waitForFinished();
        r.err = "did not finish normally";
        return r;
    }
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QByteArray ToolRun::readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
