// The widget's two window timers, set on the host's widget window without a
// callback: their ticks come back through OnProcessMessage.
#pragma once

#include <windows.h>

constexpr UINT_PTR kPollTimerId = 285772;
constexpr UINT kPollTimerPeriodMs = 1000;
constexpr UINT_PTR kScrollTimerId = 303292;
constexpr UINT kScrollTimerPeriodMs = 100;

inline void StartPollTimer(HWND widgetWindow) { SetTimer(widgetWindow, kPollTimerId, kPollTimerPeriodMs, nullptr); }
