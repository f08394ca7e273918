#include "FixedDialog.h"

FixedDialog::FixedDialog(QWidget* parent, const QString& objectName, const QString& caption,
                         QSize client)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    if (!objectName.isEmpty()) setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(client);
    QFont base = font();
    base.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Sans Serif")});
    base.setPointSize(8);
    setFont(base);
}
