// Reading "skin.ini" into a model: defaults, fallbacks, cuts and the numbered groups.
#include "rig/rig.h"
#include "skin/skin_limits.h"
#include "skin/skin_model.h"

namespace {

SkinModelPtr Read(const std::string& name, const std::string& iniText) {
    return ReadSkinModel(rig::MakeSkin(name, iniText) + "skin.ini");
}

}  // namespace

TEST_CASE(missing_file_gives_every_default) {
    const auto skin = ReadSkinModel(rig::WorkFolder() + "skins\\absent\\skin.ini");
    CHECK_EQ(skin->bgWidth, 266);
    CHECK_EQ(skin->bgHeight, 108);
    CHECK_EQ(skin->name, std::string("Unknown"));
    CHECK_EQ(skin->font.faceName, std::wstring(L"Arial"));
    CHECK_EQ(skin->font.color, Argb{0xFF000000});
    CHECK_EQ(skin->counterFont.color, Argb{0xFFFFFFFF});
    CHECK_EQ(skin->counterFont.size, 12.0f);
    CHECK_EQ(skin->knobWidth, 6);
    CHECK_EQ(skin->drawOverlayActualSize, 1);
    CHECK_EQ(skin->albumArtAlpha, 255);
    CHECK(!skin->pausePlayButton.HasArea() && !skin->displayPane.HasArea());
    CHECK(skin->extraInfos.empty() && skin->hotSpots.empty());
}

TEST_CASE(colours_keep_low_bits_and_counter_falls_back_to_font) {
    const auto skin = Read("colours", "[Font]\nColorR=300\nColorG=-1\nSize=10\nStyle=1\nHAlignment=0\n"
                                      "Facename=Liberation Sans\n[InnerKnob]\nColorA=256\nColorB=7\n");
    CHECK_EQ(skin->font.color, Argb{0xFF2CFF00});
    // Counter colour keys fall back to [Font] read with 255 as default.
    CHECK_EQ(skin->counterFont.color, Argb{0xFF2CFFFF});
    CHECK_EQ(skin->counterFont.size, 10.0f);
    CHECK_EQ(skin->counterFont.style, 0);
    CHECK_EQ(skin->counterFont.hAlignment, 1);
    CHECK_EQ(skin->counterFont.faceName, std::wstring(L"Liberation Sans"));
    CHECK_EQ(skin->innerKnobColor, Argb{0x00000007});

    const auto own = Read("counter_own", "[Font]\nColorR=9\n[CounterFont]\nColorR=1\nColorG=2\nColorB=3\nColorA=4\n"
                                         "Size=20\nFacename=Mono\n");
    CHECK_EQ(own->counterFont.color, Argb{0x04010203});
    CHECK_EQ(own->counterFont.size, 20.0f);
    CHECK_EQ(own->counterFont.faceName, std::wstring(L"Mono"));
}

TEST_CASE(long_texts_are_cut_like_fixed_buffers) {
    const std::string face(300, 'F');
    const auto skin = Read("long", "[Font]\nFacename=" + face + "\n[Info]\nName=" + std::string(400, 'n') +
                                       "\n[ExtraInfos]\nCount=1\n[ExtraInfo-1]\nType=" + std::string(150, 't') + "\n");
    CHECK_EQ(skin->font.faceName.size(), size_t{259});
    CHECK_EQ(skin->counterFont.faceName.size(), size_t{259});
    CHECK_EQ(skin->name.size(), size_t{259});
    REQUIRE(skin->extraInfos.size() == 1);
    CHECK_EQ(skin->extraInfos[0]->type.size(), size_t{99});
}

TEST_CASE(counts_give_one_record_per_number_even_for_absent_groups) {
    CHECK(Read("count0", "[ExtraInfos]\nCount=0\n[ExtraInfo-1]\nType=name\n")->extraInfos.empty());
    CHECK(Read("countneg", "[ExtraInfos]\nCount=-4\n[ChangeSkinHotSpots]\nCount=-1\n")->hotSpots.empty());

    const auto skin = Read("count2", "[Font]\nColorR=200\nSize=30\n[ExtraInfos]\nCount=2\n"
                                     "[ChangeSkinHotSpots]\nCount=2\n[ChangeSkinHotSpot-1]\nWidth=10\nHeight=10\n");
    REQUIRE(skin->extraInfos.size() == 2);
    const ExtraInfo& absent = *skin->extraInfos[1];
    // No fallback to [Font].
    CHECK_EQ(absent.font.color, Argb{0xFF000000});
    CHECK_EQ(absent.font.size, 12.0f);
    CHECK_EQ(absent.font.hAlignment, 1);
    CHECK_EQ(absent.font.faceName, std::wstring(L"Arial"));
    REQUIRE(skin->hotSpots.size() == 2);
    CHECK(skin->hotSpots[0]->rect.HasArea());
    CHECK(!skin->hotSpots[1]->rect.HasArea());
    CHECK(!skin->hotSpots[1]->isHover);
}

TEST_CASE(hotspot_type_frames_and_areas) {
    const auto skin = Read("spots", "[ChangeSkinHotSpots]\nCount=4\n"
                                    "[ChangeSkinHotSpot-1]\nType=HOVER\nNewWidth=40\nNewHeight=0\nNewLeft=3\n"
                                    "EasyAnimationFramesCount=3\nEasyAnimationFrame1=a.png\nEasyAnimationFrame3=c.png\n"
                                    "[ChangeSkinHotSpot-2]\nType=Click\nUseCurrentSkinSizeForAnimation=5\n"
                                    "[ChangeSkinHotSpot-3]\nType=press\nNewSkinName=Other\nXOffset=-7\n");
    REQUIRE(skin->hotSpots.size() == 4);
    const ChangeSkinHotSpot& hover = *skin->hotSpots[0];
    CHECK(hover.isHover);
    CHECK_EQ(hover.newRect.width, 40);
    CHECK_EQ(hover.newRect.left, 3);
    CHECK(!hover.newRect.HasArea());
    REQUIRE(hover.animationFrames.size() == 3);
    CHECK_EQ(hover.animationFrames[0], std::string("a.png"));
    CHECK(hover.animationFrames[1].empty());
    CHECK_EQ(hover.animationFrames[2], std::string("c.png"));
    CHECK(!skin->hotSpots[1]->isHover);
    CHECK(skin->hotSpots[1]->useCurrentSkinSizeForAnimation);
    CHECK(!skin->hotSpots[2]->isHover);
    CHECK_EQ(skin->hotSpots[2]->newSkinName, std::string("Other"));
    CHECK_EQ(skin->hotSpots[2]->xOffset, -7);
    CHECK(!skin->hotSpots[3]->isHover);
}

TEST_CASE(huge_counts_are_clamped) {
    std::string text = "[ExtraInfos]\nCount=2000000000\n[ChangeSkinHotSpots]\nCount=2000000000\n";
    for (int n = 1; n <= 300; ++n)
        text += "[ChangeSkinHotSpot-" + std::to_string(n) + "]\nEasyAnimationFramesCount=2000000000\n";
    const auto skin = Read("huge_counts", text);
    CHECK_EQ(skin->extraInfos.size(), size_t(kMaxExtraInfos));
    REQUIRE(skin->hotSpots.size() == size_t(kMaxHotSpots));
    CHECK_EQ(skin->hotSpots.back()->animationFrames.size(), size_t(kMaxAnimationFrames));
}
