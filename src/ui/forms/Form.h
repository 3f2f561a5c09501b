// A form: one window of the program as a plain C++ object. Its controls are
// state objects, its handlers are member functions named after the control and
// the event. Forms are created and destroyed only through the Application.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Port.h"
#include "ui/forms/Controls.h"
#include "ui/forms/Menu.h"

namespace vantrel {

class Application;

// Why a form is being unloaded, as Form_QueryUnload is told.
enum class UnloadMode {
    FromControlMenu = 0,  // the user closed the window (close box, Alt+F4)
    FromCode = 1,         // the program unloaded it
};

class Form {
public:
    Form(Application& app, std::wstring name, std::wstring caption, Rect client);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    // Lifetime events, run by the Application. Form_QueryUnload may set
    // `cancel` to non-zero to keep the form loaded.
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int& /*cancel*/, UnloadMode /*mode*/) {}
    virtual void Form_Unload() {}

    const std::wstring& Name() const { return name_; }
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring v) { Change(caption_, std::move(v)); }
    // The client area in twips.
    const Rect& ClientBounds() const { return client_; }
    Colour BackColor() const { return back_; }
    void SetBackColor(Colour c) { Change(back_, c); }
    // A window without system border and caption bar.
    bool Borderless() const { return borderless_; }
    // The program's main window: while it is loaded, the windows of the
    // other forms belong to it and stand above it, always-on-top included.
    bool IsMainWindow() const { return mainWindow_; }

    bool Visible() const { return visible_; }
    void Show() { Change(visible_, true); }
    void Hide() { Change(visible_, false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { Change(enabled_, v); }
    // Shows the form and returns once it is hidden or unloaded. Meanwhile it
    // is the application's ModalForm().
    void ShowModal();
    // Esc: clicks the form's cancelling choice where it has one that is
    // visible and enabled; returns whether it had.
    bool PressCancel();
    // Pops up a menu (of this or another form) at a point of this form's
    // window, in twips, and runs the chosen item's Click.
    void PopupMenu(MenuItem& menu, int x, int y);
    // The same at the mouse pointer.
    void PopupMenuAtCursor(MenuItem& menu);
    // Radius of the rounded corners the window's shape is cut to, in twips;
    // 0 keeps the full rectangle.
    int CornerRadius() const { return corner_; }
    void SetCornerRadius(int twips) { Change(corner_, twips); }

    // The mouse over the form's own background.
    std::function<void(const MouseArgs&)> MouseMove;
    // The mouse moved over the form's client area at a point (twips) that no
    // control's window took. A frame there raises its MouseMove, in its own
    // coordinates, rather than the form: frames take no mouse of their own,
    // so that they never keep it from the controls they surround.
    void MouseMoveAt(const MouseArgs& args);

    // The native window, 0 while no shell is attached.
    WindowHandle hWnd() const { return hwnd_; }
    void AttachHandle(WindowHandle h) { hwnd_ = h; }

    const std::vector<Control*>& Controls() const { return controls_; }
    std::uint64_t Revision() const { return revision_; }

protected:
    Application& app;
    Port& port;

    void SetBorderless(bool v) { Change(borderless_, v); }
    void SetMainWindow() { mainWindow_ = true; }
    // Registers controls with the form in creation (z) order.
    void Add(Control& c) { controls_.push_back(&c); }
    template <class Array>
    void AddArray(Array& controls) {
        int i = 0;
        for (auto& c : controls) {
            c.SetIndex(i++);
            Add(c);
        }
    }

private:
    void RunChosen(MenuItem& menu, int chosen);

    template <class T, class U>
    void Change(T& field, U&& value) {
        AssignCounted(field, std::forward<U>(value), revision_);
    }

    std::wstring name_, caption_;
    Rect client_;
    Colour back_{240, 240, 240};
    bool borderless_ = false;
    bool mainWindow_ = false;
    bool visible_ = false, enabled_ = true;
    int corner_ = 0;
    WindowHandle hwnd_ = 0;
    std::vector<Control*> controls_;
    std::uint64_t revision_ = 1;
};

}  // namespace vantrel
