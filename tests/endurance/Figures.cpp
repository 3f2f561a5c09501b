#include "Figures.h"

#include "OwnHeap.h"

#include <commctrl.h>
#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace vantrel::endurance {
namespace {

// One entry of the GDI handle table (64-bit layout): the entry of handle h
// is number LOWORD(h).
struct GdiCell {
    ULONG64 object;
    USHORT processId;
    USHORT count;
    USHORT unique;  // bit 7: stock object
    UCHAR type;     // 0: free
    UCHAR flags;
    ULONG64 user;
};
static_assert(sizeof(GdiCell) == 24, "GDI handle table entry");

constexpr std::size_t kGdiTableSlot = 0xF8;  // PEB::GdiSharedHandleTable (x64)
constexpr std::size_t kGdiTableEntries = 0x10000;
constexpr USHORT kStockFlag = 0x80;

// MinGW's inline NtCurrentTeb reads gs:[0x30], which GCC's bounds check
// takes for an empty array.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
const BYTE* ProcessBlock() {
    return reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
}
#pragma GCC diagnostic pop

long CountGdiObjects() {
    const BYTE* peb = ProcessBlock();
    const auto* table = *reinterpret_cast<const GdiCell* const*>(peb + kGdiTableSlot);
    if (!table) return -1;
    // Only as much of the table as is there to read.
    MEMORY_BASIC_INFORMATION region{};
    if (!VirtualQuery(table, &region, sizeof region) || region.State != MEM_COMMIT) return -1;
    const auto available = (reinterpret_cast<const BYTE*>(region.BaseAddress) + region.RegionSize -
                            reinterpret_cast<const BYTE*>(table)) / sizeof(GdiCell);
    const std::size_t entries = available < kGdiTableEntries ? available : kGdiTableEntries;
    const USHORT self = static_cast<USHORT>(GetCurrentProcessId());
    long live = 0;
    for (std::size_t i = 0; i < entries; ++i) {
        const GdiCell& cell = table[i];
        if (cell.type == 0 || (cell.unique & kStockFlag)) continue;
        // Windows names the owner; Wine leaves it 0 (its table is per process).
        if (cell.processId != 0 && cell.processId != self) continue;
        ++live;
    }
    return live;
}

struct WindowCounts {
    DWORD self = 0;
    std::vector<HWND> ours;
    long trayWindows = 0;
};

bool HasClass(HWND hwnd, const wchar_t* name) {
    wchar_t buffer[64]{};
    GetClassNameW(hwnd, buffer, static_cast<int>(std::size(buffer)));
    return lstrcmpW(buffer, name) == 0;
}

void CountWindow(HWND hwnd, WindowCounts& counts) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != counts.self) return;
    // The thread's default IME window comes and goes with the system's
    // choosing, not the program's.
    if (HasClass(hwnd, L"IME")) return;
    counts.ours.push_back(hwnd);
    if (HasClass(hwnd, L"VantrelTray")) ++counts.trayWindows;
}

// The icons the notification area holds for these windows, asked of the
// taskbar itself: a modify that changes nothing succeeds only for an icon it
// has (it goes by window and id). Ids 0 to 7 of every window of the process.
long CountTrayIcons(const std::vector<HWND>& windows) {
    constexpr UINT kIds = 8;
    long icons = 0;
    for (HWND hwnd : windows) {
        for (UINT id = 0; id < kIds; ++id) {
            NOTIFYICONDATAW data{};
            data.cbSize = sizeof data;
            data.hWnd = hwnd;
            data.uID = id;
            data.uFlags = 0;
            if (Shell_NotifyIconW(NIM_MODIFY, &data)) ++icons;
        }
    }
    return icons;
}

BOOL CALLBACK OnChild(HWND hwnd, LPARAM param) {
    CountWindow(hwnd, *reinterpret_cast<WindowCounts*>(param));
    return TRUE;
}

BOOL CALLBACK OnTopLevel(HWND hwnd, LPARAM param) {
    CountWindow(hwnd, *reinterpret_cast<WindowCounts*>(param));
    EnumChildWindows(hwnd, &OnChild, param);  // every descendant
    return TRUE;
}

WindowCounts CountWindows() {
    WindowCounts counts;
    counts.self = GetCurrentProcessId();
    EnumWindows(&OnTopLevel, reinterpret_cast<LPARAM>(&counts));
    for (HWND hwnd = nullptr; (hwnd = FindWindowExW(HWND_MESSAGE, hwnd, nullptr, nullptr));)
        OnTopLevel(hwnd, reinterpret_cast<LPARAM>(&counts));
    return counts;
}

using CursorFrameInfo = HCURSOR(WINAPI*)(HCURSOR, DWORD, DWORD, DWORD*, DWORD*);

// Menus and icons/cursors of this process: USER handles are an index in the
// low word (0x20, 0x22, ... 0xFFEE) and are found by it alone.
void CountMenusAndIcons(long& menus, long& icons) {
    static const auto frameInfo = reinterpret_cast<CursorFrameInfo>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetCursorFrameInfo")));
    menus = icons = 0;
    for (UINT_PTR low = 0x20; low < 0xFFF0; low += 2) {
        const auto handle = reinterpret_cast<HANDLE>(low);
        if (IsMenu(static_cast<HMENU>(handle))) {
            ++menus;
            continue;
        }
        DWORD rate = 0, steps = 0;
        if (frameInfo && frameInfo(static_cast<HCURSOR>(handle), 0, 0, &rate, &steps)) ++icons;
    }
}

// Committed private memory, region by region: what Windows counts as
// private bytes. Wine's PrivateUsage is its swap figure, mostly 0.
std::size_t CommittedPrivateBytes() {
    std::size_t total = 0;
    const BYTE* address = nullptr;
    MEMORY_BASIC_INFORMATION region{};
    while (VirtualQuery(address, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        const BYTE* next = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize;
        if (next <= address) break;
        address = next;
    }
    return total;
}

// Bytes of the blocks in use in every heap of the process, headers left out:
// unlike committed pages, it does not depend on where a block lands.
std::size_t HeapBytesInUse() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(static_cast<DWORD>(std::size(heaps)), heaps);
    std::size_t total = 0;
    for (DWORD i = 0; i < count && i < std::size(heaps); ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return total;
}

long GuiResources(DWORD which) {
    SetLastError(0);
    const DWORD count = GetGuiResources(GetCurrentProcess(), which);
    return count == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED ? -1 : static_cast<long>(count);
}

}  // namespace

Figures Measure() {
    Figures f;
    f.gdiApi = GuiResources(GR_GDIOBJECTS);
    f.userApi = GuiResources(GR_USEROBJECTS);
    f.gdiObjects = CountGdiObjects();
    const WindowCounts windows = CountWindows();
    f.windows = static_cast<long>(windows.ours.size());
    f.trayIcons = CountTrayIcons(windows.ours);
    f.trayWindows = windows.trayWindows;
    CountMenusAndIcons(f.menus, f.icons);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory))
        f.privateUsage = memory.PrivateUsage;
    f.privateBytes = CommittedPrivateBytes();
    f.ownHeapBytes = OwnHeapBytes();
    f.heapBytes = HeapBytesInUse();
    return f;
}

std::size_t StaticControlLeakBytes() {
    constexpr int kBatch = 100, kBatches = 10;
    HWND parent = CreateWindowExW(0, WC_STATICW, L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    if (!parent) return 0;
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    auto batch = [&] {
        for (int i = 0; i < kBatch; ++i) {
            HWND label = CreateWindowExW(0, WC_STATICW, L"x", WS_CHILD | SS_LEFT, 0, 0, 10, 10, parent,
                                         nullptr, nullptr, nullptr);
            SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            DestroyWindow(label);
        }
    };
    batch();  // first-use allocations
    const std::size_t before = HeapBytesInUse();
    for (int i = 0; i < kBatches; ++i) batch();
    const std::size_t after = HeapBytesInUse();
    DestroyWindow(parent);
    return after > before ? (after - before) / (kBatch * kBatches) : 0;
}

bool CountersWork(std::wstring& why) {
    constexpr int kMade = 7;
    const long before = CountGdiObjects();
    if (before < 0) {
        why = L"no GDI handle table in the PEB";
        return false;
    }
    std::vector<HGDIOBJ> made;
    for (int i = 0; i < kMade; ++i) made.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    const long with = CountGdiObjects();
    for (HGDIOBJ object : made) DeleteObject(object);
    const long after = CountGdiObjects();
    if (with - before != kMade || after != before) {
        why = L"the GDI count does not follow " + std::to_wstring(kMade) + L" brushes: " +
              std::to_wstring(before) + L" -> " + std::to_wstring(with) + L" -> " +
              std::to_wstring(after);
        return false;
    }

    // One window, one menu, one icon; the thread's windows also bring the
    // thread's own (IME) windows, so one stays meanwhile.
    auto makeWindow = [] {
        return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                               nullptr);
    };
    HWND anchor = makeWindow();
    const Figures start = Measure();
    HWND window = makeWindow();
    HMENU menu = CreatePopupMenu();
    const BYTE andMask[4 * 4]{}, xorMask[4 * 4]{};
    HICON icon = CreateIcon(nullptr, 4, 4, 1, 1, andMask, xorMask);
    const Figures made3 = Measure();
    DestroyWindow(window);
    DestroyMenu(menu);
    DestroyIcon(icon);
    const Figures end = Measure();
    DestroyWindow(anchor);
    if (made3.windows - start.windows == 1 && made3.menus - start.menus == 1 &&
        made3.icons - start.icons == 1 && end.UserObjects() == start.UserObjects())
        return true;
    why = L"the USER count does not follow a window, a menu and an icon: windows " +
          std::to_wstring(start.windows) + L" -> " + std::to_wstring(made3.windows) + L", menus " +
          std::to_wstring(start.menus) + L" -> " + std::to_wstring(made3.menus) + L", icons " +
          std::to_wstring(start.icons) + L" -> " + std::to_wstring(made3.icons);
    return false;
}

}  // namespace vantrel::endurance
