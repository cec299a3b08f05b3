#include "app/debug_trace.h"

#include <cstdarg>
#include <cstdlib>

namespace {
std::FILE* traceFile = nullptr;
}  // namespace

void OpenDebugTrace() {
    const char* path = std::getenv("GRYVEL_TRACE");
    if (path == nullptr || *path == '\0' || traceFile != nullptr) return;
    traceFile = std::fopen(path, "w");
    if (traceFile == nullptr) std::fprintf(stderr, "gryvel: %s: cannot open the trace\n", path);
}

void CloseDebugTrace() {
    if (traceFile != nullptr) std::fclose(traceFile);
    traceFile = nullptr;
}

void DebugTrace(const char* format, ...) {
    if (traceFile == nullptr) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(traceFile, format, args);
    va_end(args);
    std::fputc('\n', traceFile);
    // Line by line, so a test can read it while the game runs.
    std::fflush(traceFile);
}
