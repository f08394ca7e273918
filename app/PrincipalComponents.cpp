#include "PrincipalComponents.h"

#include <array>

#include <QLabel>

#include "BoardLayout.h"
#include "SkinImage.h"

namespace {
const std::array<QString, 8> kControlHints = {
    QStringLiteral("Begin a new game"),       QStringLiteral("Abort current game"),
    QStringLiteral("Set game options"),       QStringLiteral("Select skin"),
    QStringLiteral("Select sounds"),          QStringLiteral("Select music"),
    QStringLiteral("See Zelto 2000 Records"), QStringLiteral("Read help file")};
const std::array<QString, 3> kIconHints = {QStringLiteral("About ..."), QStringLiteral("Minimize"),
                                           QStringLiteral("Exit Zelto 2000")};
const std::array<QString, 5> kLabelRoles = {
    QStringLiteral("Turn status"), QStringLiteral("Score"), QStringLiteral("Sequence"),
    QStringLiteral("Mistakes left"), QStringLiteral("Player clock")};
// The info lines' names, in the order of their roles (the names do not tell the roles).
const std::array<const char*, 5> kLabelNames = {"MaxSeqLabel", "CurrSeqLabel", "StatusLabel",
                                                "MistakesLabel", "TimeLabel"};
}  // namespace

void PrincipalComponents::create(QWidget* window) {
    for (int n = 1; n <= 9; ++n) {
        SkinImage* image = createImage(window, QStringLiteral("Button%1Image").arg(n),
                                       BoardLayout::button(n), QString());
        image->setCursor(cursor(false));
        image->setAccessibleName(QStringLiteral("Button %1").arg(n));
        image->setAccessibleDescription(QStringLiteral("Board button %1, keypad %1").arg(n));
    }
    for (int n = 1; n <= 9; ++n) {
        auto* mark = new SkinImage(window, false);
        mark->setObjectName(QStringLiteral("Error%1Image").arg(n));
        mark->setGeometry(BoardLayout::mark(n));
        mark->hide();
    }
    for (int n = 1; n <= 8; ++n)
        createImage(window, QStringLiteral("Control%1Image").arg(n), BoardLayout::control(n),
                    kControlHints[n - 1]);
    for (int n = 1; n <= 3; ++n)
        createImage(window, QStringLiteral("Icon%1Image").arg(n), BoardLayout::icon(n),
                    kIconHints[n - 1]);
    createInfoLines(window);
}

QString PrincipalComponents::labelName(int line) {
    return QString::fromLatin1(kLabelNames[line - 1]);
}

const QCursor& PrincipalComponents::cursor(bool answers) {
    static const QCursor active(Qt::PointingHandCursor);
    static const QCursor inactive(Qt::ForbiddenCursor);
    return answers ? active : inactive;
}

// A picture that responds to the mouse, a button to screen readers; a hint makes it a
// control or icon.
SkinImage* PrincipalComponents::createImage(QWidget* window, const QString& name,
                                            const QRect& geometry, const QString& hint) {
    auto* image = new SkinImage(window);
    image->makeButton();
    image->setObjectName(name);
    image->setGeometry(geometry);
    if (hint.isEmpty()) return image;
    image->setToolTip(hint);
    image->setAccessibleName(hint);
    image->setAccessibleDescription(hint);
    image->setCursor(cursor(true));
    return image;
}

void PrincipalComponents::createInfoLines(QWidget* window) {
    for (int line = 1; line <= 5; ++line) {
        auto* label = new QLabel(window);
        label->setObjectName(labelName(line));
        label->setGeometry(BoardLayout::infoLine(line));
        label->setAlignment(Qt::AlignCenter);
        label->setTextFormat(Qt::PlainText);
        // No fixed name: a screen reader then reads, and hears of every change to, the text.
        label->setAccessibleDescription(kLabelRoles[line - 1]);
    }
}
