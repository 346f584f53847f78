// Reading "skin.ini" into a SkinModel.
#include "skin/skin_model.h"

std::unique_ptr<SkinModel> ReadSkinModel(const std::string&) {
    auto model = std::make_unique<SkinModel>();
    model->font.faceName = L"Arial";
    model->counterFont.faceName = L"Arial";
    model->counterFont.color = 0xFFFFFFFF;
    return model;
}

void ClearSkinModel(SkinModel& model) {
    model.extraInfos.clear();
    model.extraInfos.shrink_to_fit();
    model.hotSpots.clear();
    model.hotSpots.shrink_to_fit();
}
