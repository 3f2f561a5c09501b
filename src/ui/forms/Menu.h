// Menus of a form: items with captions, shortcut labels, check marks and
// separators, raising Click when chosen. A form pops one up at a point of its
// own window through the port's popup menu.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Port.h"

namespace vantrel {

class MenuItem {
public:
    MenuItem(std::wstring name, std::wstring caption, std::wstring shortcut = L"")
        : name_(std::move(name)), caption_(std::move(caption)), shortcut_(std::move(shortcut)) {}
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::wstring& Name() const { return name_; }
    // "-" makes the item a separator.
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring v) { caption_ = std::move(v); }
    const std::wstring& Shortcut() const { return shortcut_; }
    bool Separator() const { return caption_ == L"-"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool v) { checked_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }

    // Sub-items in menu order; a top-level menu holds its items here.
    std::vector<MenuItem*> items;
    std::function<void()> Click;

    // The visible sub-items as the port shows them, numbered from `nextId`
    // in menu order.
    std::vector<PopupItem> Popup(int& nextId) const;
    // The visible sub-item that Popup numbered `id`, or nullptr.
    MenuItem* ItemWithId(int id);

private:
    std::wstring name_, caption_, shortcut_;
    bool checked_ = false, enabled_ = true, visible_ = true;
};

}  // namespace vantrel
