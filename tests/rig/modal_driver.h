// Drives the modal windows the module opens on the test thread (message
// boxes, the open-file dialog, popup menus) as a person would: a thread timer
// that fires inside their modal loops finds the window, records what it shows
// and presses a button, types a path or picks an item with the keyboard.
//
// While a driver exists, every such window is answered, so a test never
// hangs: a window without a plan is closed (OK, Cancel, Escape) and counted.
// One driver per thread at a time.
#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

namespace rig {

struct MessageBoxSeen {
    std::string caption;
    std::string text;
    bool errorIcon = false;
    std::vector<int> buttons;  // ids of the push buttons, in tab order
    HWND owner = nullptr;
};

struct FileDialogSeen {
    HWND owner = nullptr;
    std::vector<std::wstring> fileTypes;  // texts of the file-type list
    std::wstring fileName;                // text of the name field when it opened
    bool readOnlyBoxVisible = false;
};

struct MenuItemSeen {
    std::wstring text;
    UINT id = 0;  // command id; 0 for separators and submenus
    bool separator = false;
    bool submenu = false;
    std::vector<MenuItemSeen> items;  // the submenu's items
};

class ModalDriver {
public:
    ModalDriver();
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // Plans for the next window of each kind, used in the order given.
    void PressInNextMessageBox(int buttonId);
    // Types the path into the next open-file dialog and presses Open; an
    // empty path presses Cancel.
    void ChooseInNextFileDialog(const std::wstring& path);
    // Picks the item with the command id in the next popup menu (moving into
    // submenus as needed); 0 dismisses the menu with Escape.
    void ChooseInNextMenu(UINT commandId);

    const std::vector<MessageBoxSeen>& messageBoxes() const { return boxes_; }
    const std::vector<FileDialogSeen>& fileDialogs() const { return fileDialogs_; }
    // Each menu's items as they stood when it opened.
    const std::vector<std::vector<MenuItemSeen>>& menus() const { return menus_; }
    // Windows closed without a plan.
    int unplanned() const { return unplanned_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Look();
    void AnswerMessageBox(HWND box);
    void AnswerFileDialog(HWND dialog);
    void StepMenu(const std::vector<HWND>& menuWindows);

    struct MenuTrip {
        HWND window = nullptr;  // the top level's window
        HMENU top = nullptr;
        std::vector<int> path;  // positions from the top menu to the item; empty: dismiss
        bool done = false;      // the last key has been sent
    };

    UINT_PTR timer_ = 0;
    std::deque<int> boxPlans_;
    std::deque<std::wstring> filePlans_;
    std::deque<UINT> menuPlans_;
    std::vector<MessageBoxSeen> boxes_;
    std::vector<FileDialogSeen> fileDialogs_;
    std::vector<std::vector<MenuItemSeen>> menus_;
    MenuTrip trip_;
    std::vector<HWND> answered_;  // dialogs answered that have not closed yet
    int unplanned_ = 0;
};

}  // namespace rig
