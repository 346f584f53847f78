// Composing the widget's information frame.
#include "core/widget_instance.h"

void WidgetInstance::Redraw(bool) {}
void WidgetInstance::MarqueeStep() {}
