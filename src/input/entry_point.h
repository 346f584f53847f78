// The input entry points (mouse and drop) are thin shells: a null instance
// does nothing, no exception reaches the host, and every call reports the
// event handled.
#pragma once

#include "core/widget_instance.h"

template <class Operation>
BOOL ForwardToInstance(void* inst, Operation operation) {
    if (auto* instance = static_cast<WidgetInstance*>(inst)) {
        try {
            operation(*instance);
        } catch (...) {
        }
    }
    return TRUE;
}
