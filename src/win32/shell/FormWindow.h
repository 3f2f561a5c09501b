// The native window of one form: its top-level window, one child window per
// control, the mirroring of the form's state into them, and the routing of
// native events back to the form's handlers.
#pragma once

#include "win32/shell/Win32.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "win32/shell/BrowserHost.h"
#include "win32/shell/FontCache.h"
#include "win32/shell/Gdi.h"
#include "win32/shell/WindowBase.h"
#include "ui/forms/Form.h"

namespace vantrel::win32 {

class Shell;

class FormWindow final : public WindowBase {
public:
    FormWindow(Shell& shell, Form& form);
    ~FormWindow() override;

    // Creates the window (hidden) and its controls and pushes the form's state.
    bool Create();
    // Mirrors every state change since the last push.
    void Push();
    // The form is unloaded: stop its timers, unbind and destroy the window.
    void Close();
    // Gives the window an owner (or none), which decides its taskbar button.
    void SetOwner(HWND owner);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Child {
        FormWindow* owner = nullptr;
        Control* control = nullptr;
        HWND hwnd = nullptr;
        WNDPROC original = nullptr;        // the control class's procedure
        HWND edit = nullptr;               // a combo box's edit field
        WNDPROC editOriginal = nullptr;
        std::uint64_t pushed = 0;          // revision last mirrored
        std::vector<std::wstring> shown;   // items the list or combo box holds
        std::vector<int> keysDown;         // a chooser's keys whose KeyDown ran, not yet up
        std::unique_ptr<BrowserHost> browser;  // a web browser's control
        bool tipAdded = false;
    };

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
    RECT PixelRect(const Control& control) const;
    RECT PixelRect(const Rect& twips) const;
    Child* ChildOf(HWND hwnd);
    Child* ChildById(int id);
    HFONT FontOf(const Control& control);

    // FormChildren.cpp: the control windows and their mirroring.
    void CreateChildren();
    void StackChildren();
    HWND CreateChild(Child& child, int index);
    void PushChild(Child& child, int index);
    void PushLabel(Child& child);
    // False when the items were already shown.
    bool PushItems(Child& child, const std::vector<std::wstring>& items, bool list);
    void FitListExtent(Child& child);
    void PushComboText(Child& child);
    void PushTimer(Child& child, int index);
    void PushToolTip(Child& child);
    void SizeDropDown(Child& child);
    void RepaintArea(const Child& child);

    // FormEvents.cpp: native events to handlers.
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR id);
    void OnFormMouseMove(WPARAM wParam, LPARAM lParam);
    // Control windows are subclassed by replacing their procedure (the
    // comctl32 subclass helpers cost a server call a message on Wine, which
    // made filling a long list take seconds).
    static void Subclass(Child& child, HWND hwnd, WNDPROC& original);
    static LRESULT CALLBACK ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnChildMouse(Child& child, UINT message, WPARAM wParam, LPARAM lParam);
    void RelayToToolTip(const Child& child, UINT message, WPARAM wParam, LPARAM lParam);

    // FormKeys.cpp: the keyboard: choosers, actions on focused controls, mnemonics.
    bool OnChildKey(Child& child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnComboEditKey(Child& child, UINT message, WPARAM& wParam, LPARAM lParam);
    void ReleaseChooserKeys(Child& child);
    bool OnMnemonic(wchar_t typed);

    // FormPaint.cpp: background, transparent captions, picture faces, image buttons.
    LRESULT OnControlColour(HDC dc, HWND control);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void DrawStatic(const Child& child, const DRAWITEMSTRUCT& item);
    void DrawImageButton(const Child& child, const DRAWITEMSTRUCT& item);
    void PaintBackdrop(HDC dc, const Child& label);
    void DrawFocusOf(const Child& child, HDC dc);
    HBRUSH BrushFor(Colour colour);

    Shell& shell_;
    Form& form_;
    std::vector<Child> children_;
    std::uint64_t formPushed_ = 0;
    bool shownOnce_ = false;
    bool enabledShown_ = true;  // the form's Enabled as last mirrored
    int cornerShown_ = 0;       // corner radius (twips) the window's shape has
    bool pushing_ = false;  // notifications caused by our own pushes are not user actions
    bool closed_ = false;
    bool swallowChars_ = false;  // a key the handler swallowed: drop its characters too
    int dpi_ = 96;
    FontCache fonts_;
    Icon bigIcon_, smallIcon_;  // the program's icon at the window's DPI
    Font tipFont_;              // the tooltip's, the system's status font at the window's DPI
    Brush backBrush_;
    Colour backShown_{};
    std::map<COLORREF, Brush> brushes_;  // labels' own back colours
    UniqueWindow toolTip_;
    HWND lastFocus_ = nullptr;  // the control with the focus when the window was deactivated
};

}  // namespace vantrel::win32
