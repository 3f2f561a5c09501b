// Move-only owners of kernel handles, find handles, registry keys, menus,
// windows, hooks and COM interfaces: each closes what it holds exactly once, when it goes
// out of scope or is reset.
#pragma once

#include "win32/port/Win32Api.h"

#include <utility>

namespace vantrel::win32 {

// Traits name the value meaning "nothing held" and how to close a held value.
template <typename Traits>
class UniqueResource {
public:
    using Value = typename Traits::Value;

    UniqueResource() = default;
    explicit UniqueResource(Value value) : value_(value) {}
    ~UniqueResource() { reset(); }

    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Value get() const { return value_; }
    explicit operator bool() const { return value_ != Traits::Invalid(); }

    // Gives up ownership without closing.
    Value release() { return std::exchange(value_, Traits::Invalid()); }

    void reset(Value value = Traits::Invalid()) {
        const Value old = std::exchange(value_, value);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

    // For out-parameters of creating calls; closes whatever was held before.
    Value* put() {
        reset();
        return &value_;
    }

private:
    Value value_ = Traits::Invalid();
};

// CreateFileW reports failure with INVALID_HANDLE_VALUE.
struct FileHandleTraits {
    using Value = HANDLE;
    static Value Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Value h) { ::CloseHandle(h); }
};

// Mutexes, tokens, processes and events report failure with nullptr.
struct KernelHandleTraits {
    using Value = HANDLE;
    static Value Invalid() { return nullptr; }
    static void Close(Value h) { ::CloseHandle(h); }
};

struct FindHandleTraits {
    using Value = HANDLE;
    static Value Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Value h) { ::FindClose(h); }
};

struct HKeyTraits {
    using Value = HKEY;
    static Value Invalid() { return nullptr; }
    static void Close(Value h) { ::RegCloseKey(h); }
};

// A menu destroys the submenus attached to it with it.
struct MenuTraits {
    using Value = HMENU;
    static Value Invalid() { return nullptr; }
    static void Close(Value h) { ::DestroyMenu(h); }
};

// A window the program created on its own (not a child, which its parent
// destroys), such as a tool tip.
struct WindowTraits {
    using Value = HWND;
    static Value Invalid() { return nullptr; }
    static void Close(Value h) { ::DestroyWindow(h); }
};

// A hook procedure installed with SetWindowsHookExW.
struct HookTraits {
    using Value = HHOOK;
    static Value Invalid() { return nullptr; }
    static void Close(Value h) { ::UnhookWindowsHookEx(h); }
};

// Icons made by LoadImage without LR_SHARED, destroyed with DestroyIcon.
struct IconTraits {
    using Value = HICON;
    static Value Invalid() { return nullptr; }
    static void Close(Value h) { DestroyIcon(h); }
};

// An owned reference to a COM interface, released once.
template <class Interface>
struct ComTraits {
    using Value = Interface*;
    static Value Invalid() { return nullptr; }
    static void Close(Value p) { p->Release(); }
};
template <class Interface>
using ComPtr = UniqueResource<ComTraits<Interface>>;

using UniqueFile = UniqueResource<FileHandleTraits>;
using UniqueHandle = UniqueResource<KernelHandleTraits>;
using UniqueFind = UniqueResource<FindHandleTraits>;
using UniqueHKey = UniqueResource<HKeyTraits>;
using UniqueMenu = UniqueResource<MenuTraits>;
using UniqueWindow = UniqueResource<WindowTraits>;
using UniqueHook = UniqueResource<HookTraits>;
using UniqueIcon = UniqueResource<IconTraits>;

}  // namespace vantrel::win32
