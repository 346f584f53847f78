// What every object of the bridge shares: the interfaces it answers, and the
// gate of each call: once the run the object was made in is over it answers
// RPC_E_DISCONNECTED, as a player's objects do after it quit, and no
// exception leaves a call.
#pragma once

#include "bridge/windows/helper_link.h"
#include "player_objects/call_gate.h"
#include "player_objects/com_defaults.h"
#include "player_objects/ref_counted.h"

#include <memory>
#include <string_view>
#include <utility>

namespace bridge::windows {

// The client an object asks through, and the run it belongs to.
struct Origin {
    std::shared_ptr<HelperLink> client;
    Run run = 0;
};

// The bridge's policy for the call gate: a call runs on the followed player's
// status while the object's run lasts.
struct WhileRunLasts {
    const Origin& origin;

    template <class Body>
    HRESULT Run(Body&& body) const {
        const std::shared_ptr<const Status> status = origin.client->StatusOf(origin.run);
        return status ? body(*status) : RPC_E_DISCONNECTED;
    }
    template <class Out, class Body>
    HRESULT RunOut(Out& out, Body&& body) const {
        return Run([&](const Status& status) { return body(status, out); });
    }
};

// Interface is one of the defaults of player_objects/com_defaults.h; Extra lists the
// interface ids the object answers besides IUnknown and IDispatch.
template <class Interface, const IID&... Extra>
class PlayerObject : public player_objects::RefCounted<Interface> {
protected:
    explicit PlayerObject(Origin origin) : origin_(std::move(origin)) {}

    bool Answers(REFIID iid) const override {
        return iid == IID_IUnknown || iid == IID_IDispatch || ((iid == Extra) || ...);
    }

    // Runs body(status of the followed player) while the run lasts.
    template <class Body>
    HRESULT Serve(Body&& body) noexcept {
        return player_objects::CallToResult(WhileRunLasts{origin_}, body);
    }
    // For a method with one out-value: body(status, out).
    template <class Out, class Body>
    HRESULT ServeOut(Out* out, Body&& body) noexcept {
        return player_objects::CallToResultOut(out, WhileRunLasts{origin_}, body);
    }
    // A command to the followed player, queued: its effect shows in a later status.
    HRESULT SendCommand(wire::Command command, std::string_view argument = {}) noexcept {
        return Serve([&](const Status&) { return origin_.client->Send(command, argument) ? S_OK : E_FAIL; });
    }

    const Origin& origin() const { return origin_; }
    HelperLink& client() const { return *origin_.client; }

private:
    Origin origin_;
};

}  // namespace bridge::windows
