#include "ScopedEnv.h"

#include <QtGlobal>

void ScopedEnv::set(const char* name, const QString& value) {
    saved_.append({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    qputenv(name, value.toLocal8Bit());
}

ScopedEnv::~ScopedEnv() {
    for (auto it = saved_.crbegin(); it != saved_.crend(); ++it) {
        if (it->wasSet)
            qputenv(it->name.constData(), it->value);
        else
            qunsetenv(it->name.constData());
    }
}
