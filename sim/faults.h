// Misbehaviour injected by tests, keyed by "Interface.member" as in the call log.
#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace sim {

struct Fault {
    enum class Kind {
        Fail,        // answer `result`; out-values stay null or 0
        Nothing,     // answer S_OK with null or 0 out-values, and do nothing
        HugeString,  // a string result of `length` characters (other methods run normally)
        Number,      // answer S_OK with `number` as a numeric out-value, and do nothing
    };
    Kind kind = Kind::Fail;
    HRESULT result = E_FAIL;
    size_t length = 0;
    long number = 0;
};

class Faults {
public:
    void Fail(const std::string& method, HRESULT result = E_FAIL);
    void ReturnNothing(const std::string& method);
    void ReturnHugeString(const std::string& method, size_t length = 1 << 20);
    // A numeric getter answers this value, however absurd.
    void ReturnNumber(const std::string& method, long number);
    // Every method of every object answers RPC_E_DISCONNECTED, as when the
    // player's process has gone between two calls.
    void DisconnectAll(bool disconnected = true) { disconnected_ = disconnected; }
    bool Disconnected() const { return disconnected_; }
    // The player goes away in the middle of a tick: the next `calls` calls
    // are answered, every one after them finds it disconnected.
    void DisconnectAfter(int calls) { callsBeforeDisconnect_ = calls; }
    // Counts one call towards a planned disconnection.
    void CountCall() {
        if (callsBeforeDisconnect_ >= 0 && callsBeforeDisconnect_-- == 0) disconnected_ = true;
    }
    // The fault set for the method, or null.
    const Fault* Find(std::string_view method) const;
    void Clear();

private:
    std::map<std::string, Fault, std::less<>> byMethod_;
    bool disconnected_ = false;
    int callsBeforeDisconnect_ = -1;
};

}  // namespace sim
