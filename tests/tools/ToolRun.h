#pragma once
// Runs the zelto-data program once per test suite into a temporary directory.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct ToolResult {
    int exitCode = -1;
    QByteArray out, err;
};

class ToolRun {
public:
    static ToolResult run(const QStringList& args);
    static QByteArray readAll(const QString& path);
};
