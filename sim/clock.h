// The player's sense of time. Tests drive it by hand; the demo follows the
// system clock. Either way Advance moves it on.
#pragma once

#include <cstdint>

namespace sim {

class Clock {
public:
    // Milliseconds since the clock was (re)started.
    uint64_t NowMs() const;
    void Advance(uint64_t milliseconds) { offsetMs_ += milliseconds; }
    // Manual time, standing still at zero until advanced.
    void UseManualTime();
    // System time, starting at zero now.
    void UseRealTime();
    bool RealTime() const { return realTime_; }

private:
    bool realTime_ = false;
    uint64_t startTicks_ = 0;
    uint64_t offsetMs_ = 0;
};

}  // namespace sim
