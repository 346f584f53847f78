// Bounds every case of a proof run in time: a thread that watches the
// module's thread (the one that made the watchdog). A case over the slow
// limit has that thread's stack printed once and is reported slow; one over
// the hang limit has it printed and ends the program, naming the case, so a
// hang fails the run at once and names its place.
#pragma once

#include "rig/stack_dump.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

namespace proof {

class Watchdog {
public:
    explicit Watchdog(DWORD hangLimitMs, DWORD slowLimitMs = INFINITE)
        : hangLimitMs_(hangLimitMs), slowLimitMs_(slowLimitMs), watched_(rig::CurrentThreadHandle()),
          thread_([this] { Watch(); }) {}
    ~Watchdog() {
        stop_ = true;
        thread_.join();
        CloseHandle(watched_);
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // The label must outlive the case.
    void Begin(const char* label) {
        label_ = label;
        slowReported_ = false;
        startedAt_ = GetTickCount();
        running_ = true;
    }
    // The case's time in milliseconds.
    DWORD End() {
        if (!running_) return 0;
        running_ = false;
        const DWORD elapsed = GetTickCount() - startedAt_;
        if (elapsed > longestMs_) {
            longestMs_ = elapsed;
            longestLabel_ = label_.load();
        }
        return elapsed;
    }
    bool Slow(DWORD elapsedMs) const { return elapsedMs > slowLimitMs_; }
    DWORD longestMs() const { return longestMs_; }
    const std::string& longestLabel() const { return longestLabel_; }

private:
    void Watch() {
        while (!stop_) {
            Sleep(50);
            if (!running_) continue;
            const DWORD elapsed = GetTickCount() - startedAt_;
            if (elapsed > slowLimitMs_ && !slowReported_) {
                slowReported_ = true;
                std::printf("  SLOW: case \"%s\" past %lu ms, at:\n", label_.load(), slowLimitMs_);
                rig::PrintStackOf(watched_);
            }
            if (elapsed > hangLimitMs_) {
                std::printf("  HANG: case \"%s\" ran over %lu ms, at:\n", label_.load(), hangLimitMs_);
                rig::PrintStackOf(watched_);
                std::fflush(stdout);
                TerminateProcess(GetCurrentProcess(), 3);
            }
        }
    }

    DWORD hangLimitMs_;
    DWORD slowLimitMs_;
    HANDLE watched_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    std::atomic<bool> slowReported_{false};
    std::atomic<const char*> label_{""};
    std::atomic<DWORD> startedAt_{0};
    DWORD longestMs_ = 0;
    std::string longestLabel_;
    std::thread thread_;
};

}  // namespace proof
