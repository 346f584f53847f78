// Owners for the Win32, COM, OLE and GDI+ resources of the module, the host
// and the simulated player: each bound to its one release call, movable,
// never copied.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <gdiplus.h>

#include "common/unique_handle.h"

// Files and searches say "none" with INVALID_HANDLE_VALUE, not null.
struct InvalidIsEmpty {
    static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
};

// DestroyMenu also destroys the submenus attached to the menu.
struct MenuTraits : NullIsEmpty<HMENU> {
    static void Close(HMENU menu) { DestroyMenu(menu); }
};
struct MemoryDcTraits : NullIsEmpty<HDC> {
    static void Close(HDC dc) { DeleteDC(dc); }
};
struct GdiObjectTraits : NullIsEmpty<HGDIOBJ> {
    static void Close(HGDIOBJ object) { DeleteObject(object); }
};
struct WindowTraits : NullIsEmpty<HWND> {
    static void Close(HWND window) { DestroyWindow(window); }
};
struct LibraryTraits : NullIsEmpty<HMODULE> {
    static void Close(HMODULE module) { FreeLibrary(module); }
};
struct FileTraits : InvalidIsEmpty {
    static void Close(HANDLE file) { CloseHandle(file); }
};
struct EventTraits : NullIsEmpty<HANDLE> {
    static void Close(HANDLE event) { CloseHandle(event); }
};
struct FindTraits : InvalidIsEmpty {
    static void Close(HANDLE search) { FindClose(search); }
};
// Sockets say "none" with INVALID_SOCKET (the socket calls come with windows.h).
struct SocketTraits {
    static SOCKET Empty() { return INVALID_SOCKET; }
    static void Close(SOCKET socket) { closesocket(socket); }
};
// Blocks Wine hands out from the process heap.
template <class Block>
struct ProcessHeapTraits : NullIsEmpty<Block*> {
    static void Close(Block* block) { HeapFree(GetProcessHeap(), 0, block); }
};
struct ClassObjectTraits {
    static DWORD Empty() { return 0; }
    static void Close(DWORD cookie) { CoRevokeClassObject(cookie); }
};
// A timer of the thread, with a callback rather than a window.
struct ThreadTimerTraits {
    static UINT_PTR Empty() { return 0; }
    static void Close(UINT_PTR id) { KillTimer(nullptr, id); }
};

using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using UniqueBitmap = UniqueHandle<HGDIOBJ, GdiObjectTraits>;
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;
using UniqueLibrary = UniqueHandle<HMODULE, LibraryTraits>;
using UniqueFile = UniqueHandle<HANDLE, FileTraits>;
using UniqueFind = UniqueHandle<HANDLE, FindTraits>;
using UniqueEvent = UniqueHandle<HANDLE, EventTraits>;
using UniqueSocket = UniqueHandle<SOCKET, SocketTraits>;
template <class Block>
using UniqueHeapBlock = UniqueHandle<Block*, ProcessHeapTraits<Block>>;
using ClassObjectRegistration = UniqueHandle<DWORD, ClassObjectTraits>;
using UniqueThreadTimer = UniqueHandle<UINT_PTR, ThreadTimerTraits>;

// COM for the calling thread while the value lives; uninitialised only if
// this value's initialisation counted, so the calls always balance.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

// The screen's DC, released with ReleaseDC.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// An object selected into a DC; the previous one comes back on scope exit.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// OLE for the host's thread: drag-and-drop needs it, and it brings COM (STA).
class OleSession {
public:
    OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (ok_) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    bool ok() const { return ok_; }

private:
    bool ok_;
};

// Sockets for this process: Winsock started while this object lives.
class WinsockSession {
public:
    WinsockSession() {
        WSADATA data = {};
        ok_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~WinsockSession() {
        if (ok_) WSACleanup();
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    bool ok() const { return ok_; }

private:
    bool ok_ = false;
};

// GDI+ belongs to the host process: started before the module loads, stopped last.
class GdiplusSession {
public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession() {
        if (ok_) Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool ok() const { return ok_; }

private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};
