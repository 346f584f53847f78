// The standalone host's drop target: what it answers the dragging program,
// and that the data object comes back as it was lent.
#include "host/drop_target.h"
#include "host/host_app.h"
#include "rig/hdrop_data_object.h"
#include "host_fixture.h"
#include "rig/rig.h"

#include <wrl/client.h>

namespace {

Microsoft::WRL::ComPtr<host::DropTarget> TargetFor(host::WidgetWindow& widget) {
    Microsoft::WRL::ComPtr<host::DropTarget> target;
    *target.GetAddressOf() = new host::DropTarget(widget);
    return target;
}

constexpr DWORD kOffered = DROPEFFECT_COPY | DROPEFFECT_MOVE;

}  // namespace

TEST_CASE(host_drop_is_refused_where_the_module_takes_no_drops) {
    host::ModuleLibrary noModule("absent-module.dll");
    host_test::NoOwner owner;
    host::WidgetWindow widget(noModule, owner, {0, 0});
    auto target = TargetFor(widget);
    auto data = rig::HDropDataObject::Make({L"C:\\music\\song.mp3"});
    DWORD effect = kOffered;
    CHECK_EQ(target->DragEnter(data.Get(), 0, {5, 5}, &effect), S_OK);
    CHECK_EQ(effect, DWORD(DROPEFFECT_NONE));
    effect = kOffered;
    CHECK_EQ(target->DragOver(0, {6, 6}, &effect), S_OK);
    CHECK_EQ(effect, DWORD(DROPEFFECT_NONE));
    effect = kOffered;
    CHECK_EQ(target->Drop(data.Get(), 0, {6, 6}, &effect), S_OK);
    CHECK_EQ(effect, DWORD(DROPEFFECT_NONE));
    CHECK_EQ(target->DragEnter(data.Get(), 0, {5, 5}, nullptr), E_INVALIDARG);
}

TEST_CASE(host_drop_passes_the_module_answer_on_and_returns_the_data_object) {
    rig::TheModule();
    const std::string config = rig::WorkFolder() + "drop.ini";
    DeleteFileA(config.c_str());
    host::HostApp app(rig::WorkFolder() + "Quillbracket.dll", config);
    host::WidgetWindow* widget = app.AddWidget({0, 0});
    REQUIRE(widget && widget->instance());
    auto target = TargetFor(*widget);
    auto data = rig::HDropDataObject::Make({L"C:\\music\\missing.mp3"});
    const ULONG referencesBefore = data->References();

    DWORD effect = kOffered;
    target->DragEnter(data.Get(), 0, {5, 5}, &effect);
    const DWORD entered = effect;
    CHECK((entered & ~kOffered) == 0);  // never more than the dragging program offers
    effect = kOffered | DROPEFFECT_LINK;
    target->DragOver(0, {6, 6}, &effect);
    CHECK_EQ(effect, entered);  // moving over the widget keeps the answer given on entering
    target->DragLeave();
    effect = kOffered;
    target->DragOver(0, {7, 7}, &effect);
    CHECK_EQ(effect, DWORD(DROPEFFECT_NONE));

    effect = DROPEFFECT_COPY;
    target->DragEnter(data.Get(), 0, {5, 5}, &effect);
    target->Drop(data.Get(), 0, {5, 5}, &effect);
    CHECK_EQ(data->References(), referencesBefore);
    CHECK_EQ(data->mediaReleased, data->fetches);
    app.Shutdown();
}
