// Owner of one menu handle: destroyed with DestroyMenu (which also destroys
// the submenus attached to it), never copied.
#pragma once

#include <windows.h>

class UniqueMenu {
public:
    UniqueMenu() = default;
    explicit UniqueMenu(HMENU menu) : menu_(menu) {}
    ~UniqueMenu() {
        if (menu_) DestroyMenu(menu_);
    }
    UniqueMenu(const UniqueMenu&) = delete;
    UniqueMenu& operator=(const UniqueMenu&) = delete;
    UniqueMenu(UniqueMenu&& other) noexcept : menu_(other.release()) {}
    UniqueMenu& operator=(UniqueMenu&& other) noexcept {
        if (this != &other) {
            if (menu_) DestroyMenu(menu_);
            menu_ = other.release();
        }
        return *this;
    }

    HMENU get() const { return menu_; }
    // Gives up ownership, e.g. once the menu is attached to a parent menu.
    HMENU release() {
        HMENU menu = menu_;
        menu_ = nullptr;
        return menu;
    }

private:
    HMENU menu_ = nullptr;
};
