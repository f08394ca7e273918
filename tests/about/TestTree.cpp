#include "TestTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ConfigRecord.h"

TestTree::TestTree() = default;

void TestTree::write(const QString& relative, const QByteArray& content) const {
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile out(target);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) out.write(content);
}

void TestTree::writeConfig(const ConfigRecord& rec) const {
    write("Config.dat", rec.encode());
}
