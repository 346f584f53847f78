#include "sim/faults.h"

namespace sim {

void Faults::Fail(const std::string& method, HRESULT result) {
    byMethod_[method] = {Fault::Kind::Fail, result, 0};
}

void Faults::ReturnNothing(const std::string& method) {
    byMethod_[method] = {Fault::Kind::Nothing, S_OK, 0};
}

void Faults::ReturnHugeString(const std::string& method, size_t length) {
    byMethod_[method] = {Fault::Kind::HugeString, S_OK, length};
}

void Faults::ReturnNumber(const std::string& method, long number) {
    byMethod_[method] = {Fault::Kind::Number, S_OK, 0, number};
}

const Fault* Faults::Find(std::string_view method) const {
    auto found = byMethod_.find(method);
    return found == byMethod_.end() ? nullptr : &found->second;
}

void Faults::Clear() {
    byMethod_.clear();
    disconnected_ = false;
    callsBeforeDisconnect_ = -1;
}

}  // namespace sim
