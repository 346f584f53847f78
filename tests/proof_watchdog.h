// Bounds every case of a proof run in time: a thread that ends the program,
// naming the case, when one case runs longer than the limit. A hang then
// fails the run at once instead of stalling it.
#pragma once

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

namespace proof {

class Watchdog {
public:
    explicit Watchdog(DWORD limitMs) : limitMs_(limitMs), thread_([this] { Watch(); }) {}
    ~Watchdog() {
        stop_ = true;
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // The label must outlive the case.
    void Begin(const char* label) {
        label_ = label;
        startedAt_ = GetTickCount();
        running_ = true;
    }
    void End() {
        if (!running_) return;
        running_ = false;
        longestMs_ = std::max<DWORD>(longestMs_, GetTickCount() - startedAt_);
    }
    DWORD longestMs() const { return longestMs_; }

private:
    void Watch() {
        while (!stop_) {
            Sleep(100);
            if (running_ && GetTickCount() - startedAt_ > limitMs_) {
                std::printf("  HANG: case \"%s\" ran over %lu ms\n", label_.load(), limitMs_);
                std::fflush(stdout);
                TerminateProcess(GetCurrentProcess(), 3);
            }
        }
    }

    DWORD limitMs_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    std::atomic<const char*> label_{""};
    std::atomic<DWORD> startedAt_{0};
    DWORD longestMs_ = 0;
    std::thread thread_;
};

}  // namespace proof
