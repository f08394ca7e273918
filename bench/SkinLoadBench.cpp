// How long reading a whole skin takes (all 45 files), for the BMP and the JPEG skin.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <QElapsedTimer>
#include <QGuiApplication>

#include "SkinFolder.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString appDir =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ZELTO_APPDIR);
    for (const QString& skin : {QStringLiteral("Default Skin"), QStringLiteral("Midnight")}) {
        const SkinFolder folder = SkinFolder::named(appDir, skin);
        std::vector<double> ms;
        for (int run = 0; run < 21; ++run) {
            QElapsedTimer clock;
            clock.start();
            const SkinPictures pictures = folder.load();
            ms.push_back(clock.nsecsElapsed() / 1e6);
            if (!pictures.complete()) {
                std::fprintf(stderr, "%s: %s failed\n", qPrintable(skin),
                             qPrintable(pictures.failedFile));
                return 1;
            }
        }
        std::sort(ms.begin(), ms.end());
        std::printf("skin load \"%s\" (%s, 45 files): median %.2f ms, worst %.2f ms over 21 runs\n",
                    qPrintable(skin), qPrintable(folder.extension()), ms[ms.size() / 2], ms.back());
        std::printf("ROW|Skin load, %s (%s)|%.1f ms median, %.1f ms worst|-\n", qPrintable(skin),
                    qPrintable(folder.extension().toUpper()), ms[ms.size() / 2], ms.back());
    }
    return 0;
}
