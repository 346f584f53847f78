// Owners for what the helper holds: sd-bus and sd-event objects, file
// descriptors and curl handles, each bound to its one release call.
#pragma once

#include <curl/curl.h>
#include <systemd/sd-bus.h>
#include <systemd/sd-event.h>
#include <unistd.h>

#include "common/unique_handle.h"

#include <memory>

namespace bridge::helper {

template <auto release>
struct ReleaseWith {
    template <class T>
    void operator()(T* object) const noexcept { release(object); }
};

using BusOwner = std::unique_ptr<sd_bus, ReleaseWith<sd_bus_flush_close_unref>>;
using MessageOwner = std::unique_ptr<sd_bus_message, ReleaseWith<sd_bus_message_unref>>;
using SlotOwner = std::unique_ptr<sd_bus_slot, ReleaseWith<sd_bus_slot_unref>>;
using EventOwner = std::unique_ptr<sd_event, ReleaseWith<sd_event_unref>>;
// Disabled before the last reference goes, so no callback runs on a dead owner.
using EventSourceOwner = std::unique_ptr<sd_event_source, ReleaseWith<sd_event_source_disable_unref>>;
using CurlOwner = std::unique_ptr<CURL, ReleaseWith<curl_easy_cleanup>>;
using CurlMultiOwner = std::unique_ptr<CURLM, ReleaseWith<curl_multi_cleanup>>;

// An sd_bus_error freed when it goes.
class BusError {
public:
    BusError() = default;
    ~BusError() { sd_bus_error_free(&error_); }
    BusError(const BusError&) = delete;
    BusError& operator=(const BusError&) = delete;

    sd_bus_error* get() { return &error_; }
    const char* name() const { return error_.name; }

private:
    sd_bus_error error_ = SD_BUS_ERROR_NULL;
};

struct FdTraits {
    static int Empty() { return -1; }
    static void Close(int fd) { close(fd); }
};
using FdOwner = UniqueHandle<int, FdTraits>;

}  // namespace bridge::helper
