// What each entry point asks of the module: one named operation each, which
// the entry point runs guarded, so no exception reaches the host.
#pragma once

#include "widget/widget_instance.h"

#include <objidl.h>

// A new widget on the host's window, with the settings of the host's group
// when it names one, or the default skin; its first frame drawn.
std::unique_ptr<WidgetInstance> CreateWidget(HWND window, HINSTANCE module, const char* iniFile, const char* iniGroup);
// Stops the widget's timers on its window and ends the widget, if any.
void DestroyWidget(HWND window, std::unique_ptr<WidgetInstance> widget);
// Fills in what the host shows of the module; returns the description's size.
int DescribeModule(char* name, char* author, int* version, char* description);

// A message of the widget's window: the timers' ticks.
void ProcessMessage(WidgetInstance& widget, UINT msg, WPARAM wParam);

void LeftButtonClick(WidgetInstance& widget, POINT point);
void RightButtonClick(WidgetInstance& widget);
// One notch of the wheel, forward (up) or backward.
void TurnWheel(WidgetInstance& widget, bool forward);
void MouseMove(WidgetInstance& widget, int x, int y);
void MouseOn(WidgetInstance& widget);
void MouseOut(WidgetInstance& widget);
void DropFiles(WidgetInstance& widget, IDataObject& data);
// Hands the widget's pages to the host; what the host answered for the last.
int AddPropertySheets(WidgetInstance& widget);
