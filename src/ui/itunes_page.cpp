#include "ui/itunes_page.h"

#include "ui/page_ids.h"

void ShowInteraction(HWND page, const InteractionSettings& settings) {
    CheckDlgButton(page, IDC_HIDE_WHEN_NOT_LOADED, settings.hideWhenNotLoaded);
    CheckDlgButton(page, IDC_AUTO_HIDE_ITUNES, settings.autoHideITunes);
    CheckDlgButton(page, IDC_USE_5_RATING, settings.use5Rating);
}

InteractionSettings ReadInteraction(HWND page) {
    return {static_cast<int>(IsDlgButtonChecked(page, IDC_HIDE_WHEN_NOT_LOADED)),
            static_cast<int>(IsDlgButtonChecked(page, IDC_AUTO_HIDE_ITUNES)),
            static_cast<int>(IsDlgButtonChecked(page, IDC_USE_5_RATING))};
}

bool IsInteractionEdit(WPARAM command) {
    const WORD id = LOWORD(command);
    return HIWORD(command) == BN_CLICKED &&
           (id == IDC_HIDE_WHEN_NOT_LOADED || id == IDC_AUTO_HIDE_ITUNES || id == IDC_USE_5_RATING);
}
