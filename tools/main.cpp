// zelto-data: writes the application directory and the pictures built into the game.
#include <cstdio>
#include <exception>

#include <QGuiApplication>

#include "DataTool.h"

int main(int argc, char** argv) {
    // Runs during the build, with no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    DataTool::Options options;
    QString error;
    if (!DataTool::parse(QCoreApplication::arguments().mid(1), options, error)) {
        std::fprintf(stderr, "zelto-data: %s\n%s\n", qPrintable(error),
                     qPrintable(DataTool::usage()));
        return 2;
    }
    try {
        std::printf("%s\n", qPrintable(DataTool::run(options)));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zelto-data: %s\n", e.what());
        return 1;
    }
    return 0;
}
