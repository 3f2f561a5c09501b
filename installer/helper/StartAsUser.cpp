#include "StartAsUser.h"

#include "win32/port/Handles.h"

#include <exdisp.h>
#include <shldisp.h>
#include <shlobj.h>
#include <shlguid.h>

namespace vantrel::setup {
namespace {

using win32::ComPtr;
using win32::UniqueHandle;

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool Elevated() {
    UniqueHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put())) return false;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    return ::GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size) &&
           elevation.TokenIsElevated != 0;
}

// Out-parameter of QueryInterface and its kin.
template <class Interface>
void** Out(ComPtr<Interface>& p) {
    return reinterpret_cast<void**>(p.put());
}

// The desktop's shell (Explorer, running as the user) executes the program:
// the desktop folder view's IShellDispatch2::ShellExecute.
bool ShellStart(const std::wstring& program) {
    ComPtr<IShellWindows> windows;
    if (FAILED(::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                                  Out(windows))))
        return false;
    VARIANT desktop{};
    desktop.vt = VT_I4;
    desktop.lVal = CSIDL_DESKTOP;
    VARIANT empty{};
    long hwnd = 0;
    ComPtr<IDispatch> dispatch;
    if (windows.get()->FindWindowSW(&desktop, &empty, SWC_DESKTOP, &hwnd, SWFO_NEEDDISPATCH, dispatch.put()) != S_OK)
        return false;
    ComPtr<IServiceProvider> provider;
    ComPtr<IShellBrowser> browser;
    ComPtr<IShellView> view;
    ComPtr<IDispatch> background;
    ComPtr<IShellFolderViewDual> folderView;
    ComPtr<IDispatch> application;
    ComPtr<IShellDispatch2> shell;
    if (FAILED(dispatch.get()->QueryInterface(IID_IServiceProvider, Out(provider))) ||
        FAILED(provider.get()->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, Out(browser))) ||
        FAILED(browser.get()->QueryActiveShellView(view.put())) ||
        FAILED(view.get()->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, Out(background))) ||
        FAILED(background.get()->QueryInterface(IID_IShellFolderViewDual, Out(folderView))) ||
        FAILED(folderView.get()->get_Application(application.put())) ||
        FAILED(application.get()->QueryInterface(IID_IShellDispatch2, Out(shell))))
        return false;
    BSTR file = ::SysAllocString(program.c_str());
    BSTR folder = ::SysAllocString(FolderOf(program).c_str());
    VARIANT args{}, dir{}, verb{}, show{};
    dir.vt = VT_BSTR;
    dir.bstrVal = folder;
    show.vt = VT_I4;
    show.lVal = SW_SHOWNORMAL;
    const HRESULT hr = shell.get()->ShellExecute(file, args, dir, verb, show);
    ::SysFreeString(file);
    ::SysFreeString(folder);
    return SUCCEEDED(hr);
}

bool DirectStart(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    const std::wstring folder = FolderOf(program);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        return false;
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return true;
}

}  // namespace

bool StartAsUser(const std::wstring& program) {
    if (!Elevated()) return DirectStart(program);
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) return false;
    const bool started = ShellStart(program);
    ::CoUninitialize();
    return started;
}

}  // namespace vantrel::setup
