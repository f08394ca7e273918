#include "GameSound.h"

QString soundFileName(GameSound sound) {
    switch (sound) {
        case GameSound::Mistake:
            return QStringLiteral("Mistake.wav");
        case GameSound::TimeOver:
            return QStringLiteral("TimeOver.wav");
        case GameSound::Click:
            return QStringLiteral("Click.wav");
        default:
            return QStringLiteral("Sound%1.wav").arg(static_cast<int>(sound));
    }
}
