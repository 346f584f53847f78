#include "player_objects/com_defaults.h"
#include "sim/com_object.h"
#include "sim/objects.h"

namespace sim {
namespace {

class OperationStatus : public ComObject<DefaultIITOperationStatus<>, itunes::IID_IITOperationStatus> {
public:
    explicit OperationStatus(std::shared_ptr<AddOperation> operation)
        : ComObject("IITOperationStatus"), operation_(std::move(operation)) {}

    HRESULT STDMETHODCALLTYPE get_InProgress(VARIANT_BOOL* inProgress) override {
        return ServeOut("get_InProgress", inProgress, [this](VARIANT_BOOL& out) {
            out = operation_->finished ? VARIANT_FALSE : VARIANT_TRUE;
            return S_OK;
        });
    }
    // While the addition runs the collection is empty.
    HRESULT STDMETHODCALLTYPE get_Tracks(itunes::IITTrackCollection** tracks) override {
        return ServeOut("get_Tracks", tracks, [this](itunes::IITTrackCollection*& out) {
            return HandOutTracks(operation_->tracks, nullptr, &out);
        });
    }

private:
    std::shared_ptr<AddOperation> operation_;
};

}  // namespace

HRESULT HandOutOperation(std::shared_ptr<AddOperation> operation, itunes::IITOperationStatus** out) {
    return (new OperationStatus(std::move(operation)))->HandOut(out);
}

}  // namespace sim
