#pragma once
// Puts a window in the middle of the primary screen by its outer size: frame and
// caption included for a framed window, its own size for a borderless one.
#include <QSize>

class QWidget;

void centreOnScreen(QWidget* window, QSize outer);
