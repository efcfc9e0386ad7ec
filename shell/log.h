#ifndef VIPRATS_SHELL_LOG_H
#define VIPRATS_SHELL_LOG_H

#include <string>

// The game's progress log: plain lines on standard output. Tests may also
// collect everything printed here through a sink.
void LogPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
void SetLogSink(std::string* sink);

#endif
