// The user's options of "个性化设置", kept in Vantrel.ini beside the exe: one
// "name=0" or "name=1" a line. Every option is off until the user turns it
// on, so a missing file is the program as it always was. A line this
// program does not understand is read as nothing and written back as it was.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/Port.h"

namespace vantrel {

inline const std::wstring kOptionsFile = L"\\Vantrel.ini";

enum class Option {
    FullScreenPause,    // 全屏程序在前台时暂停热键
    ShutdownCountdown,  // 关机和重启前倒数 5 秒（可取消）
    OneLaunchPerPress,  // 按住热键不重复启动
    SwitchToRunning,    // 程序已在运行时切换到它的窗口
};
inline constexpr std::size_t kOptionCount = 4;

class Options {
public:
    bool On(Option option) const { return on_[static_cast<std::size_t>(option)]; }
    void Set(Option option, bool on) { on_[static_cast<std::size_t>(option)] = on; }

    // From the file's lines: "name=0" and "name=1" of a known name set its
    // option (the first such line of a name); any other line, bad, unknown
    // or repeated, is kept as it is and sets nothing. Blank lines go.
    static Options Parse(const std::vector<std::wstring>& lines);
    // The file's lines: every option, then the kept lines as they were.
    std::vector<std::wstring> Lines() const;

private:
    std::array<bool, kOptionCount> on_{};
    std::vector<std::wstring> kept_;
};

// Reads Vantrel.ini in the folder; every option off when it is missing or
// cannot be read.
Options ReadOptions(Port& port, const std::wstring& programFolder);
// Saves Vantrel.ini all or nothing. On failure the file keeps its bytes and
// the outcome says why.
IoResult SaveOptions(Port& port, const std::wstring& programFolder, const Options& options);

}  // namespace vantrel
