// The controls of a form as plain state: what the user sees of each control
// and the events it raises. Handlers change this state; a native shell, when
// one is attached, mirrors it into real windows and feeds native events back.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vantrel {

// A rectangle in twips (15 twips to a pixel at 96 dpi).
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Colour& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Mouse event arguments: button (1 left, 2 right, 4 middle), shift state, and
// the position in twips relative to the control.
struct MouseArgs {
    int button = 0, shift = 0;
    float x = 0, y = 0;
};

// An immutable picture, shared by identity: faces show a holder's picture and
// handlers compare pictures by address. `resource` names its bitmap.
struct Picture {
    std::wstring resource;
};

enum class ControlKind {
    Label, Image, ImageButton, TextBox, ComboBox, ListBox, CheckBox, Timer, CommandButton, Frame,
    WebBrowser
};

enum class Alignment { Left, Center, Right };

// A label's font. An empty face is the program's ordinary UI font; a named
// face that the system lacks falls back to a CJK face it has.
struct FontSpec {
    std::wstring face;
    int points = 9;
    bool bold = false;
    bool underline = false;
    bool operator==(const FontSpec& o) const {
        return face == o.face && points == o.points && bold == o.bold && underline == o.underline;
    }
};

// The bold 9-point 宋体 of headings and title texts, and the underlined one
// of links.
inline const FontSpec kHeadingFont{L"宋体", 9, true, false};
inline const FontSpec kLinkFont{L"宋体", 9, false, true};

// Link texts: pure blue at rest, pure red under the mouse.
constexpr Colour kLinkColour{0, 0, 255};
constexpr Colour kLinkHoverColour{255, 0, 0};

// Every change of any form's or control's state, counted process-wide: a
// native shell's pass after an event looks no further when it has not moved.
inline std::uint64_t& StateChanges() {
    static std::uint64_t changes = 0;
    return changes;
}

// Counts one change in `revision` and in StateChanges().
inline void CountChange(std::uint64_t& revision) {
    ++revision;
    ++StateChanges();
}

// Assigns a field and counts the change; an equal value is no change.
template <class T, class U>
void AssignCounted(T& field, U&& value, std::uint64_t& revision) {
    if (field == value) return;
    field = std::forward<U>(value);
    CountChange(revision);
}

// Base of every control. Every setter bumps `revision`, which is how a native
// shell learns that a control needs mirroring.
class Control {
public:
    Control(std::wstring name, ControlKind kind, Rect rect = {})
        : name_(std::move(name)), kind_(kind), rect_(rect) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::wstring& Name() const { return name_; }
    ControlKind Kind() const { return kind_; }
    const Rect& Bounds() const { return rect_; }
    // Index within a control array, or -1.
    int Index() const { return index_; }
    void SetIndex(int i) { index_ = i; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { Change(enabled_, v); }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { Change(visible_, v); }
    const std::wstring& ToolTipText() const { return tooltip_; }
    void SetToolTipText(std::wstring v) { Change(tooltip_, std::move(v)); }
    // What a screen reader announces for a clickable control whose caption
    // is empty or shows something else (design time only).
    const std::wstring& AccessibleName() const { return accessibleName_; }
    void SetAccessibleName(std::wstring v) { accessibleName_ = std::move(v); }
    // Whether Tab stops at the control (design time only). Lists, choosers,
    // check boxes, text boxes and image buttons stop by default.
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    // The form's cancelling choice: Esc clicks it (design time only).
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }

    std::uint64_t Revision() const { return revision_; }

    std::function<void()> Click;
    std::function<void(const MouseArgs&)> MouseDown, MouseMove, MouseUp;

protected:
    template <class T, class U>
    void Change(T& field, U&& value) {
        AssignCounted(field, std::forward<U>(value), revision_);
    }
    void Touch() { CountChange(revision_); }

private:
    std::wstring name_;
    ControlKind kind_;
    Rect rect_;
    int index_ = -1;
    bool enabled_ = true, visible_ = true, cancel_ = false;
    std::wstring tooltip_, accessibleName_;
    bool tabStop_ = kind_ != ControlKind::Label && kind_ != ControlKind::Image &&
                    kind_ != ControlKind::Timer && kind_ != ControlKind::Frame;
    std::uint64_t revision_ = 1;
};

class Label : public Control {
public:
    Label(std::wstring name, std::wstring caption, Rect rect = {})
        : Control(std::move(name), ControlKind::Label, rect), caption_(std::move(caption)) {}
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring v) { Change(caption_, std::move(v)); }
    Colour ForeColor() const { return fore_; }
    void SetForeColor(Colour c) { Change(fore_, c); }
    // The background shows only while the label is opaque; a transparent
    // label lets the form and the pictures below it show through.
    Colour BackColor() const { return back_; }
    void SetBackColor(Colour c) { Change(back_, c); }
    bool Opaque() const { return opaque_; }
    void SetOpaque(bool v) { Change(opaque_, v); }
    Alignment TextAlign() const { return align_; }
    void SetTextAlign(Alignment a) { Change(align_, a); }
    const FontSpec& Font() const { return font_; }
    void SetFont(FontSpec f) { Change(font_, std::move(f)); }

private:
    std::wstring caption_;
    Colour fore_{};
    Colour back_{255, 255, 255};
    bool opaque_ = false;
    Alignment align_ = Alignment::Left;
    FontSpec font_;
};

class Image : public Control {
public:
    Image(std::wstring name, Rect rect = {}, const Picture* picture = nullptr)
        : Control(std::move(name), ControlKind::Image, rect), picture_(picture) {}
    const Picture* GetPicture() const { return picture_; }
    void SetPicture(const Picture* p) { Change(picture_, p); }

private:
    const Picture* picture_;
};

// An image button: a face picture with a caption centred over it. The
// caption's strip (`LabelBounds`) lies within the face; the whole face takes
// the mouse, and the button is what is enabled or disabled.
class ImageButton : public Control {
public:
    ImageButton(std::wstring name, std::wstring caption, Rect face, Rect label)
        : Control(std::move(name), ControlKind::ImageButton, face),
          caption_(std::move(caption)), label_(label) {}
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring v) { Change(caption_, std::move(v)); }
    const Rect& LabelBounds() const { return label_; }
    const Picture* GetPicture() const { return picture_; }
    void SetPicture(const Picture* p) { Change(picture_, p); }

private:
    std::wstring caption_;
    Rect label_;
    const Picture* picture_ = nullptr;
};

// A standard push button of a dialog; "&" marks its access key.
class CommandButton : public Control {
public:
    CommandButton(std::wstring name, std::wstring caption, Rect rect = {})
        : Control(std::move(name), ControlKind::CommandButton, rect), caption_(std::move(caption)) {}
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring v) { Change(caption_, std::move(v)); }

private:
    std::wstring caption_;
};

// A captioned group frame around other controls (drawn only).
class Frame : public Control {
public:
    Frame(std::wstring name, std::wstring caption, Rect rect = {})
        : Control(std::move(name), ControlKind::Frame, rect), caption_(std::move(caption)) {}
    const std::wstring& Caption() const { return caption_; }

private:
    std::wstring caption_;
};

// An embedded web browser. Its commands (navigate, back, forward, stop,
// refresh) queue up in order until the shell hands them to the real control;
// `History` keeps every command for tests.
class WebBrowser : public Control {
public:
    enum class Command { Navigate, GoBack, GoForward, Stop, Refresh };
    struct Request {
        Command command;
        std::wstring url;  // for Navigate
    };
    WebBrowser(std::wstring name, Rect rect = {})
        : Control(std::move(name), ControlKind::WebBrowser, rect) {}
    void Navigate(std::wstring url) { Queue({Command::Navigate, std::move(url)}); }
    void GoBack() { Queue({Command::GoBack, {}}); }
    void GoForward() { Queue({Command::GoForward, {}}); }
    void Stop() { Queue({Command::Stop, {}}); }
    void Refresh() { Queue({Command::Refresh, {}}); }
    // The requests not yet handed on, oldest first; taking them empties the queue.
    std::vector<Request> TakePending() { return std::exchange(pending_, {}); }
    const std::vector<Request>& History() const { return history_; }

private:
    void Queue(Request r) {
        history_.push_back(r);
        pending_.push_back(std::move(r));
        Touch();
    }
    std::vector<Request> pending_, history_;
};

class TextBox : public Control {
public:
    TextBox(std::wstring name, Rect rect = {}) : Control(std::move(name), ControlKind::TextBox, rect) {}
    const std::wstring& Text() const { return text_; }
    void SetText(std::wstring v) { Change(text_, std::move(v)); }

private:
    std::wstring text_;
};

// An editable drop-down list. Items are appended in order; the text is free.
class ComboBox : public Control {
public:
    ComboBox(std::wstring name, Rect rect = {}) : Control(std::move(name), ControlKind::ComboBox, rect) {}
    const std::wstring& Text() const { return text_; }
    void SetText(std::wstring v) { Change(text_, std::move(v)); }
    const std::vector<std::wstring>& Items() const { return items_; }
    void AddItem(std::wstring item) { items_.push_back(std::move(item)); Touch(); }
    bool Locked() const { return locked_; }
    void SetLocked(bool v) { Change(locked_, v); }

    // Raised when the user picks an item (after the text has taken it).
    std::function<void()> ItemPicked;
    // Raised for keys pressed or released while the box has the focus. The
    // handler may set the key code to 0 to swallow the key.
    std::function<void(int& keyCode, int shift)> KeyDown, KeyUp;

private:
    std::wstring text_;
    std::vector<std::wstring> items_;
    bool locked_ = false;
};

// An unsorted list box with a single selection.
class ListBox : public Control {
public:
    ListBox(std::wstring name, Rect rect = {}) : Control(std::move(name), ControlKind::ListBox, rect) {}
    const std::vector<std::wstring>& Items() const { return items_; }
    int ListCount() const { return static_cast<int>(items_.size()); }
    void AddItem(std::wstring item) { items_.push_back(std::move(item)); Touch(); }
    void RemoveItem(int index);
    void Clear();
    // The selected line, or -1.
    int ListIndex() const { return selected_; }
    void SetListIndex(int i) { Change(selected_, (i >= 0 && i < ListCount()) ? i : -1); }
    // The selected line's text, or empty.
    std::wstring SelectedText() const { return selected_ >= 0 ? items_[selected_] : std::wstring(); }

private:
    std::vector<std::wstring> items_;
    int selected_ = -1;
};

// A check box whose value is 0 (off), 1 (on) or 2 (grayed). Changing the
// value, by the user or by code, raises Click.
class CheckBox : public Control {
public:
    CheckBox(std::wstring name, std::wstring caption, Rect rect = {})
        : Control(std::move(name), ControlKind::CheckBox, rect), caption_(std::move(caption)) {}
    const std::wstring& Caption() const { return caption_; }
    // 0 unchecked, 1 checked, 2 grayed.
    int Value() const { return value_; }
    void SetValue(int v) {
        if (v == value_) return;
        value_ = v;
        Touch();
        if (Click) Click();
    }
    // The user clicks the box: checked becomes unchecked; unchecked and
    // grayed become checked.
    void UserClick() { SetValue(value_ == 1 ? 0 : 1); }

private:
    std::wstring caption_;
    int value_ = 0;
};

// A timer: raises Tick every `interval` milliseconds while enabled and while
// its form is loaded.
class Timer : public Control {
public:
    Timer(std::wstring name, unsigned interval)
        : Control(std::move(name), ControlKind::Timer), interval_(interval) {}
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms) { Change(interval_, ms); }
    std::function<void()> Tick;

private:
    unsigned interval_;
};

inline void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) return;
    items_.erase(items_.begin() + index);
    if (selected_ == index) selected_ = -1;
    else if (selected_ > index) --selected_;
    Touch();
}

inline void ListBox::Clear() {
    if (items_.empty() && selected_ < 0) return;
    items_.clear();
    selected_ = -1;
    Touch();
}

}  // namespace vantrel
