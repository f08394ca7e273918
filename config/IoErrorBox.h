#pragma once
#include "ConfigFile.h"

class QWidget;

// The standard error box for a failed Config.dat transfer.
void showIoError(QWidget* parent, const ConfigIoError& error);
