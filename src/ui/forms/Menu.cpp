#include "ui/forms/Menu.h"

namespace vantrel {
namespace {

MenuItem* FindNumbered(MenuItem& menu, int id, int& nextId) {
    for (MenuItem* item : menu.items) {
        if (!item->Visible()) continue;
        if (nextId++ == id) return item;
        if (MenuItem* found = FindNumbered(*item, id, nextId)) return found;
    }
    return nullptr;
}

}  // namespace

std::vector<PopupItem> MenuItem::Popup(int& nextId) const {
    std::vector<PopupItem> shown;
    for (const MenuItem* item : items) {
        if (!item->Visible()) continue;
        PopupItem p;
        p.id = nextId++;
        p.caption = item->Caption();
        p.shortcut = item->Shortcut();
        p.separator = item->Separator();
        p.checked = item->Checked();
        p.enabled = item->Enabled();
        p.children = item->Popup(nextId);
        shown.push_back(std::move(p));
    }
    return shown;
}

MenuItem* MenuItem::ItemWithId(int id) {
    int nextId = 1;
    return FindNumbered(*this, id, nextId);
}

}  // namespace vantrel
