#include "fake/FakePort.h"

#include <stdexcept>

#include "fake/GbkCodec.h"
#include "platform/TextLines.h"

namespace vantrel::testing {

void FakePort::PutText(const std::wstring& relative, const std::wstring& text) {
    PutFile(relative, EncodeGbk(text).value());
}

std::vector<std::wstring> FakePort::CallsTo(const std::wstring& prefix) const {
    std::vector<std::wstring> found;
    for (auto& c : calls)
        if (c.compare(0, prefix.size(), prefix) == 0) found.push_back(c);
    return found;
}

std::int16_t FakePort::AsyncKeyState(int virtualKey) {
    keyQueries.push_back(virtualKey);
    const bool down = keysDown.count(virtualKey) != 0;
    const bool wentDown = tappedSinceQuery.erase(virtualKey) != 0 ||
                          (down && downAtLastQuery.count(virtualKey) == 0);
    if (down) downAtLastQuery.insert(virtualKey);
    else downAtLastQuery.erase(virtualKey);
    return static_cast<std::int16_t>((down ? 0x8000 : 0) | (wentDown ? 0x0001 : 0));
}

void FakePort::ShellExecute(WindowHandle owner, const std::wstring& operation,
                            const std::wstring& file, const std::wstring& parameters,
                            const std::wstring& directory, int showCommand) {
    Record(L"ShellExecute(" + std::to_wstring(owner) + L"," + operation + L"," + file + L"," +
           parameters + L"," + directory + L"," + std::to_wstring(showCommand) + L")");
}

bool FakePort::ExitWindows(unsigned flags) {
    Record(L"ExitWindows(" + std::to_wstring(flags) + L")");
    return exitWindowsResult;
}

void FakePort::StartScreenSaver(WindowHandle window) {
    Record(L"StartScreenSaver(" + std::to_wstring(window) + L")");
}

void FakePort::DragWindow(WindowHandle window) { Record(L"DragWindow(" + std::to_wstring(window) + L")"); }

unsigned FakePort::MciCommand(const std::wstring& command) {
    Record(L"MciCommand(" + command + L")");
    return 0;
}

std::wstring FakePort::KeyPath(std::wstring subKey) {
    // The registry reads "Run\" and "Run" as the same key.
    while (!subKey.empty() && subKey.back() == L'\\') subKey.pop_back();
    return subKey;
}

std::optional<RegValue> FakePort::RegQuery(RegRoot root, const std::wstring& subKey,
                                           const std::wstring& valueName) {
    auto it = registry.find({root, KeyPath(subKey), valueName});
    if (it == registry.end()) return std::nullopt;
    return it->second;
}

void FakePort::RegSetString(RegRoot root, const std::wstring& subKey, const std::wstring& valueName,
                            const std::wstring& data) {
    Record(L"RegSetString(" + RootName(root) + subKey + L"," + valueName + L"," + data + L")");
    if (readOnlyRoots.count(root)) return;
    registry[{root, KeyPath(subKey), valueName}] = RegValue{kRegSz, data + L'\0'};
}

void FakePort::RegDelete(RegRoot root, const std::wstring& subKey, const std::wstring& valueName) {
    Record(L"RegDelete(" + RootName(root) + subKey + L"," + valueName + L")");
    if (readOnlyRoots.count(root)) return;
    registry.erase({root, KeyPath(subKey), valueName});
}

void FakePort::ThrowIfScripted(const std::wstring& path) const {
    if (throwingPaths.count(path)) throw std::runtime_error("scripted failure");
}

bool FakePort::FileExists(const std::wstring& path) {
    ThrowIfScripted(path);
    return files.count(path) > 0;
}

std::optional<std::vector<std::wstring>> FakePort::ReadLines(const std::wstring& path) {
    const auto bytes = ReadBytes(path);
    if (!bytes) return std::nullopt;
    std::vector<std::wstring> lines;
    for (auto& line : SplitLines(*bytes)) lines.push_back(DecodeGbk(line));
    return lines;
}

IoResult FakePort::WriteLine(const std::wstring& path, const std::wstring& line) {
    Record(L"WriteLine(" + path + L")");
    const auto bytes = EncodeGbk(line);
    if (!bytes) return IoResult::Fail(L"内容含有无法以 GBK 编码保存的字符");
    if (unwritable.count(path)) return IoResult::Fail(L"没有写入权限");
    files[path] = *bytes + "\r\n";
    return IoResult::Ok();
}

IoResult FakePort::MoveFileOver(const std::wstring& from, const std::wstring& to) {
    Record(L"MoveFileOver(" + from + L"," + to + L")");
    auto it = files.find(from);
    if (it == files.end()) return IoResult::Fail(L"找不到文件");
    if (unwritable.count(to)) return IoResult::Fail(L"没有写入权限");
    files[to] = std::move(it->second);
    files.erase(from);
    return IoResult::Ok();
}

IoResult FakePort::RemoveFile(const std::wstring& path) {
    Record(L"RemoveFile(" + path + L")");
    if (unwritable.count(path)) return IoResult::Fail(L"没有写入权限");
    files.erase(path);
    return IoResult::Ok();
}

void FakePort::TraceCaughtException(const wchar_t* where) noexcept {
    std::wstring what = L"unknown";
    try {
        throw;
    } catch (const std::exception& e) {
        what.assign(e.what(), e.what() + std::char_traits<char>::length(e.what()));
    } catch (...) {
    }
    Record(L"Trace(" + std::wstring(where) + L": " + what + L")");
}

void FakePort::EndProcess() {
    Record(L"EndProcess()");
    ended = true;
}

int FakePort::MessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                         unsigned style) {
    Record(L"MessageBox(" + caption + L")");
    messages.push_back({owner, text, caption, style});
    return messageAnswer;
}

void FakePort::SetTopmost(WindowHandle window, bool topmost) {
    Record(L"SetTopmost(" + std::to_wstring(window) + L"," + (topmost ? L"1" : L"0") + L")");
}

std::optional<std::string> FakePort::ReadBytes(const std::wstring& path) {
    ThrowIfScripted(path);
    auto it = files.find(path);
    if (it == files.end() || unreadable.count(path)) return std::nullopt;
    if (*FileSize(path) > kMaxFileBytes) return std::nullopt;
    reads.push_back(path);
    return it->second;
}

std::optional<std::uint64_t> FakePort::FileSize(const std::wstring& path) {
    ThrowIfScripted(path);
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    auto size = sizes.find(path);
    return size != sizes.end() ? size->second : it->second.size();
}

std::optional<std::wstring> FakePort::ReadText(const std::wstring& path) {
    auto bytes = ReadBytes(path);
    if (!bytes) return std::nullopt;
    return DecodeGbk(*bytes);
}

void FakePort::PlaySound(const std::wstring& file, unsigned flags) {
    Record(L"PlaySound(" + file + L"," + std::to_wstring(flags) + L")");
}

IoResult FakePort::WriteBytes(const std::wstring& path, const std::string& bytes) {
    Record(L"WriteBytes(" + path + L")");
    if (unwritable.count(path)) return IoResult::Fail(L"没有写入权限");
    files[path] = bytes;
    return IoResult::Ok();
}

bool FakePort::CanStore(const std::wstring& text) { return EncodeGbk(text).has_value(); }

std::optional<std::wstring> FakePort::DecodeExact(const std::string& bytes) {
    return DecodeGbkExact(bytes);
}

std::optional<std::string> FakePort::Encode(const std::wstring& text) { return EncodeGbk(text); }

void FakePort::RunModal(WindowHandle window) {
    modals.push_back(window);
    Record(L"RunModal(" + std::to_wstring(window) + L")");
}

std::wstring FakePort::OpenFileDialog(WindowHandle owner, const std::wstring& title,
                                      const std::wstring& filter) {
    fileDialogs.push_back({owner, title, filter});
    Record(L"OpenFileDialog(" + title + L")");
    return fileDialogAnswer;
}

int FakePort::PopupMenu(WindowHandle owner, const std::vector<PopupItem>& items, int xTwips,
                        int yTwips) {
    popups.push_back({owner, items, xTwips, yTwips});
    Record(L"PopupMenu(" + std::to_wstring(owner) + L"," + std::to_wstring(xTwips) + L"," +
           std::to_wstring(yTwips) + L")");
    return popupAnswer;
}

int FakePort::PopupMenuAtCursor(WindowHandle owner, const std::vector<PopupItem>& items) {
    popups.push_back({owner, items, -1, -1});
    Record(L"PopupMenuAtCursor(" + std::to_wstring(owner) + L")");
    return popupAnswer;
}

bool FakePort::AddTrayIcon(const std::wstring& tip, std::function<void(TrayMouse)> onEvent) {
    Record(L"AddTrayIcon(" + tip + L")");
    trayShown = true;
    trayEvent = std::move(onEvent);
    return true;
}

void FakePort::DeleteTrayIcon() {
    Record(L"DeleteTrayIcon()");
    trayShown = false;
    trayEvent = nullptr;
}

}  // namespace vantrel::testing
