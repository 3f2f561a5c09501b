// What the endurance run measures of its own process: GUI objects, private
// bytes and the notification-area icons.
//
// Wine's GetGuiResources is a stub (0, ERROR_CALL_NOT_IMPLEMENTED), so the
// objects are also counted directly: GDI objects in the process's GDI handle
// table (the PEB's GdiSharedHandleTable, laid out as on Windows), USER
// objects as this process's windows (every top-level, child and
// message-only window) plus the menus and icons/cursors found in the
// 16-bit USER handle space. Likewise its PrivateUsage is the swap figure,
// so private bytes are summed from the committed private regions.
#pragma once

#include "win32/port/Win32Api.h"

#include <cstddef>
#include <string>

namespace vantrel::endurance {

struct Figures {
    // GetGuiResources; -1 when the call is not implemented.
    long gdiApi = -1;
    long userApi = -1;
    // Counted directly.
    long gdiObjects = 0;
    long windows = 0;
    long menus = 0;
    long icons = 0;
    // GetProcessMemoryInfo's PrivateUsage (Wine: swap, mostly 0), and the
    // committed private memory (VirtualQuery).
    std::size_t privateUsage = 0;
    std::size_t privateBytes = 0;
    // Bytes of the heap blocks in use (HeapWalk), headers left out, and
    // of those the program's own (OwnHeap.h).
    std::size_t heapBytes = 0;
    std::size_t ownHeapBytes = 0;
    // Icons the notification area holds for this process's windows, and
    // this process's tray windows (class VantrelTray).
    long trayIcons = 0;
    long trayWindows = 0;

    long UserObjects() const { return windows + menus + icons; }
};

Figures Measure();

// Heap bytes in use the system itself keeps for each static control that
// was given a font and then destroyed, measured over a thousand: Wine 8's
// comctl32 6 static control allocates a 24-byte block on WM_SETFONT and
// frees it only for icon statics; 0 on a system without that leak.
std::size_t StaticControlLeakBytes();

// Whether the direct counts follow GDI and USER objects made and destroyed
// (checked once, before relying on them); `why` says what went wrong.
bool CountersWork(std::wstring& why);

}  // namespace vantrel::endurance
