#include "FuzzReplay.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace FuzzReplay {

QStringList inputsOf(const QString& target) {
    QStringList files;
    for (const char* kind : {"corpus", "regressions"}) {
        const QDir dir(QStringLiteral(ZELTO_FUZZ_DIR "/%1/%2").arg(QLatin1String(kind), target));
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            files << dir.filePath(name);
    }
    return files;
}

void replay(const QString& target, Entry entry) {
    const QStringList files = inputsOf(target);
    ASSERT_FALSE(files.isEmpty()) << "no seed inputs for " << target.toStdString();
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        EXPECT_EQ(entry(data, static_cast<std::size_t>(bytes.size())), 0);
    }
}

}  // namespace FuzzReplay
