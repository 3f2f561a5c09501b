// The native window of one form: its top-level window, one child window per
// control, the mirroring of the form's state into them, and the routing of
// native events back to the form's handlers.
#pragma once

#include "platform/win32/shell/Win32.h"

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/shell/Gdi.h"
#include "platform/win32/shell/WindowBase.h"
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
        bool tipAdded = false;
        bool buttonCaption = false;        // a caption centred over its face
    };

    // FormWindow.cpp: window, layout and form-level state.
    void Layout(int dpi);
    void PushForm(bool force);
    void CentreOnScreen();
    RECT PixelRect(const Control& control) const;
    Child* ChildOf(HWND hwnd);
    Child* ChildById(int id);

    // FormChildren.cpp: the control windows and their mirroring.
    void CreateChildren();
    HWND CreateChild(Child& child, int index);
    void PushChild(Child& child, int index);
    void PushItems(Child& child, const std::vector<std::wstring>& items, bool list);
    void PushComboText(Child& child);
    void PushTimer(Child& child, int index);
    void PushToolTip(Child& child);
    void SizeDropDown(Child& child);
    void RepaintArea(const Child& child);

    // FormEvents.cpp: native events to handlers.
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR id);
    // Control windows are subclassed by replacing their procedure (the
    // comctl32 subclass helpers cost a server call a message on Wine, which
    // made filling a long list take seconds).
    static void Subclass(Child& child, HWND hwnd, WNDPROC& original);
    static LRESULT CALLBACK ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnChildMouse(Child& child, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnComboKey(Child& child, UINT message, WPARAM& wParam);
    void RelayToToolTip(const Child& child, UINT message, WPARAM wParam, LPARAM lParam);

    // FormPaint.cpp: background, transparent captions, picture faces.
    LRESULT OnControlColour(HDC dc, HWND control);
    void DrawFace(const DRAWITEMSTRUCT& item);
    void PaintBackdrop(HDC dc, const Child& label);

    Shell& shell_;
    Form& form_;
    std::vector<Child> children_;
    std::uint64_t formPushed_ = 0;
    bool shownOnce_ = false;
    bool pushing_ = false;  // notifications caused by our own pushes are not user actions
    bool closed_ = false;
    bool swallowChars_ = false;  // a key the handler swallowed: drop its characters too
    int dpi_ = 96;
    Font font_;
    Brush backBrush_;
    Colour backShown_{};
    HWND toolTip_ = nullptr;
};

}  // namespace vantrel::win32
