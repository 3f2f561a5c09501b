// One adapter per control kind: everything the shell does with a control of
// that kind sits in it (its native window, its state pushed into that window,
// native events turned into the control's handlers, its painting, and the
// name screen readers announce). The form window keeps what belongs to the
// form and asks AdapterFor(kind) for everything about a control.
#pragma once

#include "win32/shell/Win32.h"

#include <functional>
#include <string>

#include "win32/shell/controls/ChildWindow.h"
#include "ui/forms/Controls.h"

namespace vantrel::win32 {

class BitmapCache;

// What an adapter may ask of the form window its control lives in.
class ControlSite {
public:
    virtual HWND FormHandle() const = 0;
    virtual HINSTANCE Instance() const = 0;
    virtual int Dpi() const = 0;
    // A rectangle of the form's layout in the window's pixels.
    virtual RECT PixelRect(const Rect& twips) const = 0;
    virtual HFONT FontFor(const FontSpec& font) = 0;
    // Runs handlers of a native event, then mirrors the forms' state.
    virtual void Dispatch(const std::function<void()>& handlers) = 0;
    // The control's window no longer shows its state (the user typed into
    // it, a refused pick): the next pass mirrors the whole state again.
    virtual void MirrorAgain(ChildWindow& child) = 0;
    // True while the shell puts the forms' own state into the windows: the
    // notifications that causes are not the user's.
    virtual bool Pushing() const = 0;
    // The form is unloaded: no handler runs any more.
    virtual bool Closed() const = 0;
    virtual HBRUSH BackBrush() const = 0;
    virtual Colour BackColour() const = 0;
    virtual HBRUSH BrushFor(Colour colour) = 0;
    virtual BitmapCache& Bitmaps() = 0;
    // Paints what lies below the control (the form and the faces placed
    // before it), in the control's coordinates.
    virtual void PaintBackdrop(HDC dc, const ChildWindow& over) = 0;
    // Gives a control window the shell's procedure, which hands its messages
    // to the adapter's Route first.
    virtual void Subclass(ChildWindow& child, HWND hwnd, WNDPROC& original) = 0;
    // A key a chooser's handler swallowed: its characters are dropped too.
    virtual bool& SwallowChars() = 0;

protected:
    ~ControlSite() = default;
};

class ControlAdapter {
public:
    virtual ~ControlAdapter() = default;
    // Makes the native window at `place` (pixels in the form), named for
    // screen readers; nullptr for a kind that has none.
    virtual HWND Create(ControlSite& site, ChildWindow& child, const RECT& place) const = 0;
    // Whether the kind has a window of its own (a timer has none).
    virtual bool Windowed() const { return true; }
    // Mirrors the control's state (its revision moved) into its window.
    virtual void Push(ControlSite& site, ChildWindow& child) const = 0;
    // The window was placed and given its font anew (a DPI change).
    virtual void Fit(ControlSite&, ChildWindow&) const {}
    // A message to one of the control's windows before its class sees it;
    // true when answered here, with `result`. May change the key code.
    virtual bool Route(ControlSite&, ChildWindow&, HWND, UINT, WPARAM&, LPARAM, LRESULT&) const {
        return false;
    }
    // A notification the control sent its form (WM_COMMAND).
    virtual void Notify(ControlSite&, ChildWindow&, UINT) const {}
    // The form's timer of this control fired.
    virtual void Tick(ControlSite&, ChildWindow&) const {}
    // Draws an owner-drawn control.
    virtual void Paint(ControlSite&, const ChildWindow&, const DRAWITEMSTRUCT&) const {}
    // Whether the form may draw the control itself, with no window (a
    // picture, a label without text: nothing a screen reader would read).
    virtual bool Drawable(const Control&) const { return false; }
    // Draws the control into `dc` at `place`, over what lies below it: for
    // a control the form draws, and below a caption placed over it.
    virtual void Draw(ControlSite&, const ChildWindow&, HDC, const RECT&) const {}
    // Colours for a static-looking window `from` (the control or a part of
    // it); nullptr leaves them to the system.
    virtual HBRUSH Colours(ControlSite&, const ChildWindow&, HWND, HDC) const { return nullptr; }
    // The window text: what the control shows, or else its accessible name,
    // so screen readers and tools find every clickable control by name.
    virtual std::wstring Name(const Control& control) const { return control.AccessibleName(); }
    // The caption whose "&" letter is the control's access key, if any.
    virtual const std::wstring* AccessKeyCaption(const Control&) const { return nullptr; }
    virtual HFONT Font(ControlSite& site, const Control&) const { return site.FontFor(FontSpec{}); }
    // A picture the control shows, which captions placed over it let show through.
    virtual const Picture* Face(const Control&) const { return nullptr; }
    // The form is unloaded: the adapter lets go of what it started.
    virtual void Close(ControlSite&, ChildWindow&) const {}
};

// The adapter of each kind, from one table.
const ControlAdapter& AdapterFor(ControlKind kind);

}  // namespace vantrel::win32
