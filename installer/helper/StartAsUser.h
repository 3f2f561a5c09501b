// Starting the program again after the files were replaced, as the signed-in
// user: never with the rights of an installer that was run as administrator.
#pragma once

#include <string>

namespace vantrel::setup {

// Starts the program in its own folder. An elevated caller hands the start to
// the desktop's shell, which runs it with the user's ordinary rights; false
// when that is not possible (no desktop shell), rather than start it elevated.
bool StartAsUser(const std::wstring& program);

}  // namespace vantrel::setup
