#pragma once
// Test copies of the application directory, so a game may change its files freely.
#include <QString>

bool copyTree(const QString& from, const QString& to);
