#include "IoErrorBox.h"
#include "GameTitle.h"

#include <QMessageBox>

void showIoError(QWidget* parent, const ConfigIoError& error) {
    QMessageBox::critical(parent, kGameTitle, error.text());
}
