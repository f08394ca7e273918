// Browser commands from the desktop's registry, as any UTF-8: the Exec-line splitter and
// the browser command splitter must give the same answer every time and never fail.
#include <cstddef>
#include <cstdint>

#include "ExecLine.h"
#include "FuzzSupport.h"
#include "GoToWeb.h"

using FuzzSupport::check;

namespace {
void checkExecLine(const QString& text) {
    const ExecLine line = ExecLine::parse(text);
    if (!line.isValid()) return;
    check(!line.program().isEmpty(), "valid line without a program");
    const ExecLine again = ExecLine::parse(text);
    check(again.program() == line.program() && again.arguments() == line.arguments(),
          "same line split differently");
}

void checkBrowserCommand(const QString& text) {
    const QString program = TGoToWeb::SplitBrowserCommand(text);
    const QStringList arguments = TGoToWeb::BrowserArguments();
    check(program.isEmpty() || !text.isEmpty(), "program from an empty command");
    check(program.size() <= text.size(), "program longer than its command");
    if (program.isEmpty()) return;
    check(TGoToWeb::SplitBrowserCommand(text) == program, "same command split differently");
    check(TGoToWeb::BrowserArguments() == arguments, "same command gave other arguments");
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(FuzzSupport::bytesOf(data, size));
    checkExecLine(text);
    checkBrowserCommand(text);
    return 0;
}
