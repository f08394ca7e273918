#pragma once
// A throw-away application directory with a Config.dat and whatever else a test writes.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

struct ConfigRecord;

class TestTree {
public:
    TestTree();

    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.path() + "/" + relative; }
    // Writes `content` to `relative`, creating the folders on the way.
    void write(const QString& relative, const QByteArray& content) const;
    void writeConfig(const ConfigRecord& rec) const;

private:
    QTemporaryDir dir_;
};
