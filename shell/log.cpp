#include "shell/log.h"

#include <cstdarg>
#include <cstdio>

namespace {
std::string* logSink = nullptr;
}

void LogPrintf(const char* format, ...)
{
    char line[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);
    va_end(args);
    fputs(line, stdout);
    fflush(stdout);
    if (logSink) logSink->append(line);
}

void SetLogSink(std::string* sink) { logSink = sink; }
