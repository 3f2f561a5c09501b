// The native window of one form: its top-level window and what belongs to the
// form (frame, DPI, z-order of its controls, tooltips, the form's own state).
// Everything about one control is its kind's adapter's (controls/), which
// the window asks through the ControlSite it offers.
#pragma once

#include "win32/shell/Win32.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "win32/shell/BitmapCache.h"
#include "win32/shell/FontCache.h"
#include "win32/shell/Gdi.h"
#include "win32/shell/WindowBase.h"
#include "win32/shell/controls/ControlAdapter.h"
#include "ui/forms/Form.h"

namespace vantrel::win32 {

class Shell;

class FormWindow final : public WindowBase, private ControlSite {
public:
    FormWindow(Shell& shell, Form& form);
    ~FormWindow() override;

    // Creates the window (hidden) and pushes the form's state. The controls'
    // windows, with their fonts and pictures, are made when the window is
    // first shown: a form that stays hidden (the main window in the tray, the
    // voice keys' window) costs one window and its timers.
    bool Create();
    // Mirrors every state change since the last push.
    void Push();
    // The form is unloaded: stop its timers, unbind and destroy the window.
    void Close();
    // Gives the window an owner (or none), which decides its taskbar button.
    void SetOwner(HWND owner);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ControlSite: what the controls' adapters ask of the window.
    HWND FormHandle() const override { return Handle(); }
    HINSTANCE Instance() const override;
    int Dpi() const override { return dpi_; }
    RECT PixelRect(const Rect& twips) const override;
    HFONT FontFor(const FontSpec& font) override { return fonts_.Get(font); }
    void Dispatch(const std::function<void()>& handlers) override;
    void MirrorAgain(ChildWindow& child) override;
    bool Pushing() const override { return pushing_; }
    bool Closed() const override { return closed_; }
    HBRUSH BackBrush() const override { return backBrush_.get(); }
    Colour BackColour() const override { return backShown_; }
    HBRUSH BrushFor(Colour colour) override;
    BitmapCache& Bitmaps() override { return bitmaps_; }
    void PaintBackdrop(HDC dc, const ChildWindow& over) override;
    void Subclass(ChildWindow& child, HWND hwnd, WNDPROC& original) override;
    bool& SwallowChars() override { return swallowChars_; }

private:
    using Child = ChildWindow;

    // FormWindow.cpp: window, layout and form-level state.
    // Sizes, fonts, icons and shape at `dpi`; the window keeps its place, or
    // takes `place` (its new rectangle) when given.
    void Layout(int dpi, const RECT* place = nullptr);
    SIZE FrameSize(int dpi) const;
    void FitClientArea();
    void SetIcons();
    void SetToolTipFont();
    void PushForm(bool force);
    void ApplyCorners();
    void CentreOnWorkArea();
    Child* ChildOf(HWND hwnd);
    Child* ChildById(int id);

    // FormChildren.cpp: the control windows, their order, and mirroring.
    // ListChildren knows every control from the start (timers run in hidden
    // forms); CreateChildWindows decides which controls the form draws
    // itself and makes the other visible controls' windows, once, before the
    // first show, and PushChild a hidden one's when it shows.
    void ListChildren();
    void PlanDrawnChildren();
    void CreateChildWindows();
    bool MakeChildWindow(Child& child);
    // Each control window at its place with its font at the window's DPI.
    void FitChildren();
    void StackChildren();
    void PushChild(Child& child);
    void PushToolTip(Child& child);

    // FormEvents.cpp: native events handed to the controls' adapters.
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR id);
    // The mouse on the form: on a control it draws (which takes it as its
    // window would, holding it from a press to the release) or on the form.
    bool OnFormMouse(UINT message, WPARAM wParam, LPARAM lParam);
    Child* DrawnChildAt(POINT at);
    void OnFormMouseMove(WPARAM wParam, LPARAM lParam);
    bool OnMnemonic(wchar_t typed);
    // Control windows are subclassed by replacing their procedure (the
    // comctl32 subclass helpers cost a server call a message on Wine, which
    // made filling a long list take seconds).
    static LRESULT CALLBACK ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void RelayToToolTip(const Child& child, UINT message, WPARAM wParam, LPARAM lParam);

    // FormPaint.cpp: the form's colours, owner drawing and control colours
    // handed to the adapters.
    LRESULT OnControlColour(HDC dc, HWND control);
    // Paints the controls the form draws itself (those in `area`), over the
    // erased background.
    void DrawControls(HDC dc, const RECT& area);
    void OnPaint();
    void OnDrawItem(const DRAWITEMSTRUCT& item);

    Shell& shell_;
    Form& form_;
    std::vector<Child> children_;
    std::uint64_t formPushed_ = 0;
    bool shownOnce_ = false;
    bool childWindowsMade_ = false;
    bool enabledShown_ = true;  // the form's Enabled as last mirrored
    int cornerShown_ = 0;       // corner radius (twips) the window's shape has
    bool pushing_ = false;  // notifications caused by our own pushes are not user actions
    bool closed_ = false;
    bool swallowChars_ = false;  // a key the handler swallowed: drop its characters too
    int dpi_ = 96;
    FontCache fonts_;
    // The bitmaps its pictures show: loaded with the first paint, let go
    // with the window (the splash's picture goes with the splash).
    BitmapCache bitmaps_;
    Icon bigIcon_, smallIcon_;  // the program's icon at the window's DPI
    Font tipFont_;              // the tooltip's, the system's status font at the window's DPI
    Brush backBrush_;
    Colour backShown_{};
    std::map<COLORREF, Brush> brushes_;  // labels' own back colours
    UniqueWindow toolTip_;
    HWND lastFocus_ = nullptr;  // the control with the focus when the window was deactivated
    Child* mouseOwner_ = nullptr;  // the drawn control pressed, while the form holds the mouse for it
};

}  // namespace vantrel::win32
