#include "sim/com_object.h"

#include <string>

namespace sim {
namespace {

long liveObjects = 0;
long outstandingReferences = 0;

std::wstring ArgumentText(const Arg& argument) {
    if (argument.isNumber) return std::to_wstring(argument.number);
    return argument.text ? std::wstring(argument.text) : std::wstring();
}

}  // namespace

long LiveObjects() { return liveObjects; }
long OutstandingReferences() { return outstandingReferences; }
void CountObject(int delta) noexcept { liveObjects += delta; }
void CountReferences(long delta) noexcept { outstandingReferences += delta; }

Verdict Admit(const char* interfaceName, const char* member, const Arg& argument, int session) {
    Verdict verdict;
    Player& player = Player::Get();
    std::string method = std::string(interfaceName) + "." + member;
    player.calls().Record(method, ArgumentText(argument));
    player.faults().CountCall();
    if (player.faults().Disconnected() || session != player.Session()) {
        verdict.action = Verdict::Action::Answer;
        verdict.result = RPC_E_DISCONNECTED;
        return verdict;
    }
    if (const Fault* fault = player.faults().Find(method)) {
        switch (fault->kind) {
        case Fault::Kind::Fail:
            verdict.action = Verdict::Action::Answer;
            verdict.result = fault->result;
            return verdict;
        case Fault::Kind::Nothing:
            verdict.action = Verdict::Action::Answer;
            verdict.result = S_OK;
            return verdict;
        case Fault::Kind::HugeString:
            verdict.action = Verdict::Action::AnswerHugeString;
            verdict.length = fault->length;
            break;
        case Fault::Kind::Number:
            verdict.action = Verdict::Action::AnswerNumber;
            verdict.number = fault->number;
            return verdict;
        }
    }
    player.Update();
    return verdict;
}

BSTR HugeString(size_t length) noexcept {
    BSTR text = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (text)
        for (size_t i = 0; i < length; ++i) text[i] = static_cast<wchar_t>(L'A' + i % 26);
    return text;
}

HRESULT StringOut(const std::wstring& text, BSTR& out) {
    out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace sim
