#include "ui/forms/Form.h"

#include "ui/forms/Application.h"

namespace vantrel {

Form::Form(Application& application, std::wstring name, std::wstring caption, Rect client)
    : app(application), port(application.GetPort()), name_(std::move(name)),
      caption_(std::move(caption)), client_(client) {}

void Form::ShowModal() {
    Show();
    Application::ModalRun running(app, *this);
    port.RunModal(hWnd());
}

bool Form::PressCancel() {
    for (Control* control : controls_)
        if (control->Cancel() && control->Visible() && control->Enabled() && control->Click) {
            control->Click();
            return true;
        }
    return false;
}

void Form::PopupMenu(MenuItem& menu, int x, int y) {
    int firstId = 1;
    RunChosen(menu, port.PopupMenu(hWnd(), menu.Popup(firstId), x, y));
}

void Form::PopupMenuAtCursor(MenuItem& menu) {
    int firstId = 1;
    RunChosen(menu, port.PopupMenuAtCursor(hWnd(), menu.Popup(firstId)));
}

void Form::MouseMoveAt(const MouseArgs& args) {
    // Later controls lie on top.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control& frame = **it;
        if (frame.Kind() != ControlKind::Frame || !frame.Visible()) continue;
        const Rect& r = frame.Bounds();
        if (args.x < r.left || args.y < r.top || args.x >= r.left + r.width || args.y >= r.top + r.height)
            continue;
        MouseArgs inside = args;
        inside.x -= static_cast<float>(r.left);
        inside.y -= static_cast<float>(r.top);
        if (frame.MouseMove) frame.MouseMove(inside);
        return;
    }
    if (MouseMove) MouseMove(args);
}

void Form::RunChosen(MenuItem& menu, int chosen) {
    MenuItem* item = chosen ? menu.ItemWithId(chosen) : nullptr;
    if (item && item->Enabled() && !item->Separator() && item->Click) item->Click();
}

}  // namespace vantrel
