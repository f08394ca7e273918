#include "ProgramStarter.h"

#include <QProcess>
#include <QStandardPaths>

namespace ProgramStarter {

bool start(const QString& program, const QStringList& arguments) {
    if (program.isEmpty()) return false;
    return QProcess::startDetached(program, arguments);
}

QString findInPath(const QString& name) {
    if (name.isEmpty()) return QString();
    return QStandardPaths::findExecutable(name);
}

}  // namespace ProgramStarter
