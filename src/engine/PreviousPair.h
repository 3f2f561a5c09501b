// The pair of key files a save replaced, kept so that "恢复上一次保存的设置"
// can put it back. Every save of Function.dll and Custom.dll also writes
// what they held before (or that one was absent) into files of their own,
// in the same all-or-nothing save; a restore swaps the two pairs the same
// way, so a second restore swaps back.
#pragma once

#include <string>
#include <vector>

#include "engine/SaveTransaction.h"
#include "platform/Port.h"

namespace vantrel {

inline constexpr wchar_t kPreviousFunction[] = L"Function.dll.prev";
inline constexpr wchar_t kPreviousCustom[] = L"Custom.dll.prev";
// One line: which of the two files the earlier pair had, "Function.dll=1,Custom.dll=0".
inline constexpr wchar_t kPreviousRecord[] = L"Previous.pair";

// Every file name a save of the pair may touch, for finishing one cut short.
std::vector<std::wstring> PairFileNames();

// The changes that keep the pair as it is now beside `pairChanges` (the
// changes of Function.dll and Custom.dll in the folder). False, with nothing
// added, when a file of the pair is there but cannot be read.
bool KeepCurrentPair(Port& port, const std::wstring& folder, std::vector<FileChange>& pairChanges);

// Whether an earlier pair is kept that a restore could bring back: not when
// there is none, nor when it had neither file (that is the first start).
bool HasPreviousPair(Port& port, const std::wstring& folder);

// Swaps the kept pair with the current one, all or nothing.
SaveOutcome RestorePreviousPair(Port& port, const std::wstring& folder);

}  // namespace vantrel
