#include "input/wheel.h"

#include <algorithm>

namespace {

constexpr long kLoudest = 100;

}  // namespace

// The player takes volumes 0..100 only: a step past either end stops there.
void StepVolume(itunes::IiTunes& player, bool up) {
    long volume = 0;
    player.get_SoundVolume(&volume);
    if (up && volume < kLoudest) {
        player.put_Mute(VARIANT_FALSE);
        player.put_SoundVolume(std::clamp(volume + 5, 0L, kLoudest));
    } else if (!up && volume > 0) {
        player.put_SoundVolume(std::clamp(volume - 4, 0L, kLoudest));
    }
}
