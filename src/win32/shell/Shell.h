// The native shell: gives each loaded form a real window, mirrors the forms'
// state into those windows and turns native events into handler calls.
#pragma once

#include "win32/shell/Win32.h"

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "win32/port/EndMessages.h"
#include "win32/shell/WindowBase.h"
#include "ui/forms/Application.h"
#include "ui/forms/FormHost.h"

namespace vantrel::win32 {

class FormWindow;

class Shell final : public FormHost {
public:
    explicit Shell(HINSTANCE instance);
    ~Shell() override;
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // The application whose forms this shell shows (set once, before any event).
    void SetApplication(Application* app) { app_ = app; }

    void Attach(Form& form) override;
    void Detach(Form& form) override;
    // Out of the task list, the forms' windows are owned by a hidden window
    // of the shell's: owned windows get no taskbar button.
    void SetTaskVisible(bool visible) override;
    // The owner a form's window gets. While the main window is loaded the
    // other forms' windows belong to it, so they stand above it, topmost
    // included, and a click on it while it is disabled brings them forward.
    // Otherwise, and for the main window itself, the hidden owner window
    // out of the task list, nullptr in it.
    HWND OwnerFor(const Form& form) const;

    // What a close request from outside or the end of the Windows session
    // does, through any of the forms' windows or the hidden owner window.
    void SetEndRequest(EndRequest end) { end_ = std::move(end); }
    void RequestEnd(EndCause cause) {
        if (end_) end_(cause);
    }

    // Pushes every state change of every loaded form to its window; a pass
    // with nothing changed since the last one costs one comparison.
    void Sync();
    // The next pass walks the windows even if no state changed: a window
    // was found showing something else than its control's state.
    void WalkNextPass() { walkNext_ = true; }
    // How many passes walked the forms' windows (for the tests).
    std::uint64_t WalkedPasses() const { return walked_; }

    // Runs the handlers of one native event, then brings the windows up to
    // date. Forms unloaded meanwhile are destroyed once no handler is running
    // any more; when no form is left the message loop is told to end.
    void Dispatch(const std::function<void()>& handlers);

    // The user closed a form's window (close box, Alt+F4): unload the form,
    // which may refuse.
    void UnloadByUser(Form& form);

    // Held while a native message is processed: windows and forms unloaded
    // meanwhile are destroyed only when the outermost one is done.
    class Busy {
    public:
        explicit Busy(Shell& shell) : shell_(shell) { shell_.Enter(); }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;
        ~Busy() {
            if (--shell_.depth_ == 0) shell_.Collect();
        }

    private:
        Shell& shell_;
    };

    HINSTANCE Instance() const { return instance_; }
    // Milliseconds since the outermost event being handled began.
    double MillisecondsIntoEvent() const;

private:
    // The hidden window that owns the forms' windows out of the task list.
    class TaskOwnerWindow final : public WindowBase {
    public:
        TaskOwnerWindow(Shell& shell, HINSTANCE instance);
        ~TaskOwnerWindow() override { DestroyBound(); }

    protected:
        LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        Shell& shell_;
    };

    // One level deeper into native events; the outermost one starts the clock.
    void Enter();
    FormWindow* WindowOf(const Form& form) const;
    // Gives every form's window the owner OwnerFor names.
    void Reown();
    void Collect();

    HINSTANCE instance_;
    Application* app_ = nullptr;
    std::unordered_map<const Form*, std::unique_ptr<FormWindow>> windows_;
    // Windows of unloaded forms; their handlers may still be on the stack.
    std::vector<std::unique_ptr<FormWindow>> closed_;
    int depth_ = 0;
    LARGE_INTEGER eventStart_{};  // when the outermost Dispatch began
    bool syncing_ = false;
    std::uint64_t syncedChanges_ = 0;  // StateChanges() when the last pass began
    std::uint64_t walked_ = 0;
    bool walkNext_ = true;
    bool taskVisible_ = true;
    std::unique_ptr<TaskOwnerWindow> taskOwner_;
    const Form* main_ = nullptr;  // the loaded main window's form
    EndRequest end_;
};

}  // namespace vantrel::win32
