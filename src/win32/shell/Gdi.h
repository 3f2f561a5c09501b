// Small move-only owners for the GDI objects and DCs the shell creates.
#pragma once

#include "win32/port/Handles.h"
#include "win32/shell/Win32.h"

#include <utility>

namespace vantrel::win32 {

// Owners of GDI objects (font, brush, bitmap), deleted with DeleteObject.
template <class Handle>
struct GdiObjectTraits {
    using Value = Handle;
    static Value Invalid() { return nullptr; }
    static void Close(Value h) { DeleteObject(h); }
};

using Font = UniqueResource<GdiObjectTraits<HFONT>>;
using Brush = UniqueResource<GdiObjectTraits<HBRUSH>>;
using Bitmap = UniqueResource<GdiObjectTraits<HBITMAP>>;
using Icon = UniqueIcon;

// A memory DC compatible with another DC, deleted on scope exit.
class MemoryDc {
public:
    explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// A window's DC from GetDC, released on scope exit.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back on scope exit.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (previous_) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Saves a DC's state (mode, colours, origin) and restores it on scope exit.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;
    ~SavedDc() {
        if (id_) RestoreDC(dc_, id_);
    }

private:
    HDC dc_;
    int id_;
};

}  // namespace vantrel::win32
