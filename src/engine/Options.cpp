#include "engine/Options.h"

#include "engine/SaveTransaction.h"

namespace vantrel {
namespace {

constexpr std::array<const wchar_t*, kOptionCount> kNames{
    L"FullScreenPause", L"ShutdownCountdown", L"OneLaunchPerPress", L"SwitchToRunning"};

}  // namespace

Options Options::Parse(const std::vector<std::wstring>& lines) {
    Options options;
    std::array<bool, kOptionCount> named{};
    for (const std::wstring& line : lines) {
        if (line.empty()) continue;
        bool taken = false;
        for (std::size_t i = 0; i < kOptionCount && !taken; ++i) {
            const std::wstring name = kNames[i];
            if (named[i] || (line != name + L"=0" && line != name + L"=1")) continue;
            options.on_[i] = line.back() == L'1';
            named[i] = taken = true;
        }
        if (!taken) options.kept_.push_back(line);
    }
    return options;
}

std::vector<std::wstring> Options::Lines() const {
    // The options first: a kept repeat of a name comes after its real line,
    // so reading the file back finds the real one first.
    std::vector<std::wstring> lines;
    for (std::size_t i = 0; i < kOptionCount; ++i)
        lines.push_back(std::wstring(kNames[i]) + (on_[i] ? L"=1" : L"=0"));
    lines.insert(lines.end(), kept_.begin(), kept_.end());
    return lines;
}

Options ReadOptions(Port& port, const std::wstring& programFolder) {
    const std::wstring path = programFolder + kOptionsFile;
    if (!port.FileExists(path)) return {};
    const auto lines = port.ReadLines(path);
    return lines ? Options::Parse(*lines) : Options{};
}

IoResult SaveOptions(Port& port, const std::wstring& programFolder, const Options& options) {
    std::wstring text;
    for (const std::wstring& line : options.Lines()) text += (text.empty() ? L"" : L"\r\n") + line;
    const std::wstring path = programFolder + kOptionsFile;
    // A kept line with a character GBK has no bytes for came from a file
    // that held them: never the case, but never written as "?" either.
    const auto bytes = port.Encode(text);
    if (!bytes) return IoResult::Fail(L"其中有 GBK 不能保存的字符");
    const SaveOutcome outcome = ReplaceTogether(port, {{path, *bytes}});
    if (outcome.kind == SaveOutcome::Kind::Saved) return IoResult::Ok();
    return IoResult::Fail(outcome.reason);
}

}  // namespace vantrel
