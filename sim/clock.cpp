#include "sim/clock.h"

#include <windows.h>

namespace sim {

uint64_t Clock::NowMs() const {
    return offsetMs_ + (realTime_ ? GetTickCount64() - startTicks_ : 0);
}

void Clock::UseManualTime() {
    realTime_ = false;
    offsetMs_ = 0;
}

void Clock::UseRealTime() {
    realTime_ = true;
    startTicks_ = GetTickCount64();
    offsetMs_ = 0;
}

}  // namespace sim
