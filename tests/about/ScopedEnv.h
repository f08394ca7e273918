#pragma once
// Sets environment variables for one test and puts the old values back afterwards.
#include <QByteArray>
#include <QList>
#include <QString>

class ScopedEnv {
public:
    ScopedEnv() = default;
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv();

    void set(const char* name, const QString& value);

private:
    struct Saved {
        QByteArray name;
        bool wasSet;
        QByteArray value;
    };
    QList<Saved> saved_;
};
