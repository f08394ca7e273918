#include "IoErrorBox.h"

#include <QMessageBox>

void showIoError(QWidget* parent, const ConfigIoError& error) {
    QMessageBox::critical(parent, QStringLiteral("Zelto 2000"), error.text());
}
