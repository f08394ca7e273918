#pragma once
// Shared by the fuzz targets: the input as Qt bytes, a scratch folder for readers that
// take only a path, and a check that stops the run so the fuzzer keeps the input.
#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QString>

namespace FuzzSupport {
QByteArray bytesOf(const std::uint8_t* data, std::size_t size);

// Writes `bytes` to `name` in this process's scratch folder and returns the path.
QString scratchFile(const QString& name, const QByteArray& bytes);

// A broken promise of the code under test: print `what` and abort.
void check(bool ok, const char* what);
}  // namespace FuzzSupport
