// The poll counter alternates the info text: ticks 0 to 8 show the artist,
// 9 to 18 the track name, so one cycle is 19 ticks of the poll timer.
#pragma once

constexpr int kInfoCycleTicks = 19;
constexpr int kFirstNameTick = 9;

// The counter one poll tick later.
inline int NextPollTick(int tick) { return tick + 1 < kInfoCycleTicks ? tick + 1 : 0; }

// Whether the tick is the first of its phase after the phase's opening one
// (1 or 10), where a click on the info pane lands.
inline bool JustBeganPhase(int tick) { return tick == 1 || tick == kFirstNameTick + 1; }
