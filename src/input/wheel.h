// The wheel steps the player's volume: up by 5 (unmuting), down by 4.
#pragma once

#include "platform/itunes_app.h"

void StepVolume(itunes::IiTunes& player, bool up);
