#ifndef VIPRATS_BENCH_PROBE_H
#define VIPRATS_BENCH_PROBE_H

#include <chrono>
#include <string>
#include <vector>

// What the benchmark reads from the running game besides the game's own
// state: the files a load opens, the texts rendered, the time on the wall
// and the memory the process holds.

using WallClock = std::chrono::steady_clock;

inline double MicrosSince(WallClock::time_point start)
{
    return std::chrono::duration<double, std::micro>(WallClock::now() - start).count();
}

// The files opened while recording is on, in the order they were opened.
// The picture, sound and music loads are linked through wrappers
// (-Wl,--wrap) that note the path and then call the real function.
struct OpenedFiles {
    std::vector<std::string> pictures;
    std::vector<std::string> sounds;
    std::vector<std::string> music;
};

void StartRecording(OpenedFiles& into);
void StopRecording();

// TTF renders made so far by the whole program.
long TextRenders();

// Decodes the files alone, as the load would, holds them all and then
// releases them; returns the wall time of the decoding in microseconds.
double DecodeAlone(const OpenedFiles& files);

// The process's resident high-water mark in bytes (VmHWM), and a reset of
// it to the present size. The reset needs Linux's clear_refs; without it
// the mark covers the whole run and PeakResettable says so.
long PeakResidentBytes();
void ResetPeakResident();
bool PeakResettable();

// Median, 99th percentile and largest of a set of samples.
struct Spread {
    double median;
    double p99;
    double worst;
};
Spread SpreadOf(std::vector<double> samples);

#endif
