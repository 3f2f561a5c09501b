# shellcheck shell=bash
# Seeded faults in the logic (engine/, system/, ui/), each caught by the
# native unit tests. Sourced by scripts/mutants.sh; one fault a call:
#   fault FILE 'old text' 'new text' 'what goes wrong' [CHECK]
# CHECK defaults to "unit" (build/native's unit_tests).
# Key table
fault src/engine/KeyTable.cpp 'static_cast<KeyCode>(0x71 + (i - 1))' 'static_cast<KeyCode>(0x70 + (i - 1))' \
      'key table: F2 is given the code of F1'
fault src/engine/KeyTable.cpp 'TrimBlanks(entry.substr(5))' 'TrimBlanks(entry.substr(6))' \
      'key table: the target starts one character late'
fault src/engine/KeyTable.cpp 'TrimBlanks(entry.substr(0, 4))' 'TrimBlanks(entry.substr(0, 2))' \
      'key table: the key name is cut to two characters'
fault src/engine/KeyTable.cpp 'KeyCodeOf(text) != 0 ? text : kNoKey' 'KeyCodeOf(text) != 0 ? kNoKey : text' \
      'key table: the chooser shows "无" for a key and the field for anything else'
fault src/engine/KeyTable.cpp 'if (i) line += L'"','"';' 'if (i) line += L'"';'"';' \
      'key table: entries are joined with ";"'
# Key monitor
fault src/engine/KeyMonitor.cpp 'slot < 6; ++slot' 'slot < 5; ++slot' \
      'monitor: the start-page slot is never polled'
fault src/engine/KeyMonitor.cpp 'port.AsyncKeyState(code) < 0' 'port.AsyncKeyState(code) <= 0' \
      'monitor: a key that is up counts as down'
fault src/engine/KeyMonitor.cpp 'port.AsyncKeyState(code) < 0' '(port.AsyncKeyState(code) & 1)' \
      'monitor: reads "pressed since the last query" instead of "down now"'
fault src/ui/main/Form1_Monitor.cpp $'    Timer1.SetEnabled(false);\n    Timer2.SetEnabled(true);' \
      $'    Timer2.SetEnabled(true);' 'monitor: polling is not paused after an action'
fault src/ui/main/Form1.h 'Timer Timer2{L"Timer2", 500};' 'Timer Timer2{L"Timer2", 50};' \
      'monitor: the pause after an action lasts 50 ms'
# System actions
fault src/engine/SystemActions.cpp 'port.ExitWindows(kEwxShutdown);' 'port.ExitWindows(kEwxReboot);' \
      'system actions: shut down restarts'
fault src/engine/SystemActions.cpp 'L"set CDAudio door open"' 'L"set CDAudio door closed"' \
      'system actions: open the CD door closes it'
fault src/engine/SystemActions.cpp 'if (TrimBlanks(context.startPage).empty()) break;' '' \
      'system actions: an empty start page is handed to the shell'
# Save transaction and its journal
fault src/engine/SaveTransaction.cpp 'for (std::size_t k = 0; k < done; ++k) {' 'for (std::size_t k = 1; k < done; ++k) {' \
      'save: the first file is not put back after a later one fails'
fault src/engine/SaveTransaction.cpp 'if (before.existed) {' 'if (!before.existed) {' \
      'save: putting back restores what was absent and deletes what existed'
fault src/engine/SaveTransaction.cpp '} else if (previous[i].existed) {' '} else if (true) {' \
      'save: a missing file is deleted anyway'
fault src/engine/SaveTransaction.cpp 'outcome.kind = SaveOutcome::Kind::Mixed;' 'outcome.kind = SaveOutcome::Kind::Unchanged;' \
      'save: a file that could not be put back is not reported'
fault src/engine/SaveTransaction.cpp $'                RemoveStaged(port, folder, names);\n                return Unchanged(change.path, staged.reason);' \
      $'                return Unchanged(change.path, staged.reason);' \
      'save: a staged copy is left behind when the disk is full'
fault src/engine/SaveJournal.cpp 'if (journal && !CarryOut(port, folder, *journal).io.ok) return false;' \
      'if (!journal) return false;' 'journal: the next start drops an interrupted save half-done'
fault src/engine/SaveJournal.cpp 'if (!IsPlainName(name)) return std::nullopt;' '' \
      'journal: a record may name a file outside its folder'
fault src/ui/main/Form1_Load.cpp 'RunStep(port, L"start-up: Function.dll", [&] { LoadFunctionKeys(); });' \
      'LoadFunctionKeys();' 'start-up: a step that throws ends the start'
# Voice files and player
fault src/engine/VoiceFiles.cpp 'text.substr(0, text.find(L'"'\\r'"'))' 'text.substr(0, text.find(L'"'\\n'"'))' \
      'voice files: the first line ends at LF instead of CR'
fault src/engine/VoiceFiles.cpp 'if (value > 2) return std::nullopt;' 'if (value > 3) return std::nullopt;' \
      'voice files: a switch state of 3 is accepted'
fault src/engine/VoiceFiles.cpp 'EndsInDigit(fields[i]) ? fields[i] : kUnknownVersion' 'EndsInDigit(fields[i]) ? kUnknownVersion : fields[i]' \
      'voice files: version labels flipped'
fault src/engine/VoiceKeys.cpp 'std::wstring(L"1234567890")' 'std::wstring(L"0123456789")' \
      'voice player: 0 is polled before 1 to 9'
fault src/engine/VoiceKeys.cpp 'wait == 0 ? kSndFilename | kSndAsync : kSndFilename' 'wait == 0 ? kSndFilename : kSndFilename | kSndAsync' \
      'voice player: sounds play synchronously'
# Editor
fault src/ui/main/Form1_Editor.cpp 'if (keyCode == kUpArrow || keyCode == kDownArrow) keyCode = 0;' 'if (keyCode == kUpArrow) keyCode = 0;' \
      'editor: the down arrow changes a chooser'
fault src/ui/main/Form1_Editor.cpp 'key != kNoKey && j != index' 'key != kNoKey' \
      'editor: a chooser clashes with itself'
fault src/ui/main/Form1_Editor.cpp 'List1.AddItem(key + L"   " + file)' 'List1.AddItem(key + L"  " + file)' \
      'editor: a new entry has two blanks after its key'
fault src/ui/main/Form1_Editor.cpp "if (path.find(L',') != std::wstring::npos)" "if (path.find(L';') != std::wstring::npos)" \
      'editor: a path with a comma is accepted'
# Chrome
fault src/ui/main/Form1_Chrome.cpp 'if (!button.Enabled()) return false;' 'if (button.Enabled()) return false;' \
      'chrome: only disabled buttons react to hover'
fault src/ui/main/Form1_Chrome.cpp 'b == &cmdgd || b == &ok1 || b == &cmdcancelt' 'b == &cmdgd || b == &ok1' \
      'chrome: the exit button takes the right mouse button'
fault src/ui/main/Form1_Chrome.cpp 'if (Check1.Value() == 1) cp.SetPicture(c4.GetPicture());' 'if (Check1.Value() == 1) cp.SetPicture(c3.GetPicture());' \
      'chrome: the always-on-top box rests with the wrong picture'
# Tray
fault src/ui/tray/icon1.cpp 'if (mouse != TrayMouse::RightDown) return;' 'if (mouse != TrayMouse::RightUp) return;' \
      'tray: the menu opens on the right button release'
fault src/ui/tray/icon1.cpp 'if (Form* modal = app.ModalForm()) {' 'if (Form* modal = nullptr) {' \
      'tray: the menu opens behind a modal dialog'
fault src/ui/tray/icon1.cpp 'if (!app.Unload<Form1>()) return;' 'app.Unload<Form1>();' \
      'tray: the menu says paused while the main window stays'
fault src/ui/forms/Application.cpp 'unloading_.end(), &form) != unloading_.end()) return false;' 'unloading_.end(), &form) != unloading_.end()) return true;' \
      'forms: a form whose unload is under way counts as gone'
fault src/ui/main/Form1.cpp $'    Show();\n    port.RaiseWindow(hWnd());' '    Show();' \
      'main window: F12 only shows it, a covered window stays covered'
fault src/ui/main/Form1_Monitor.cpp $'        port.EarnForeground();\n        BringUp();' '        BringUp();' \
      'monitor: F12 takes the foreground without earning it'
fault src/ui/forms/Form.cpp 'if (control->Cancel() && control->Visible()' 'if (!control->Cancel() && control->Visible()' \
      'forms: Esc clicks the first control that is not the cancelling choice'
fault src/ui/tray/icon1.cpp 'goonlook1.SetEnabled(!monitoring);' 'goonlook1.SetEnabled(monitoring);' \
      'tray: resume is enabled while monitoring'
fault src/ui/tray/icon1.cpp $'app.Unload<icon1>();\n    app.GetPort().EndProcess();' $'app.GetPort().EndProcess();\n    app.Unload<icon1>();' \
      'tray: the process ends before the icon goes'
fault src/ui/tray/endset01.cpp 'if (Form1* main = app.Find<Form1>()) main->Hide();' '' \
      'tray: closing the window leaves it shown'
# Options (个性化设置) and the kept pair
fault src/ui/main/Form1_Monitor.cpp 'if (options_.On(Option::FullScreenPause) && IsFullScreen(port.ForegroundWindowFacts())) return;' '' \
      'options: a full-screen program in front does not keep its keys'
fault src/ui/main/Form1_Monitor.cpp $'    const TickDecision decision = PollKeys(port, table_, heldKeys_);\n    if (decision.kind == TickDecision::Kind::Nothing) return;' $'    const bool fullScreen = IsFullScreen(port.ForegroundWindowFacts());\n    const TickDecision decision = PollKeys(port, table_, heldKeys_);\n    if (decision.kind == TickDecision::Kind::Nothing || fullScreen) return;' \
      'options: the window in front is looked at on every tick'
fault src/ui/main/Form1_Monitor.cpp 'for (KeyCode code : KeysActing(decision, table_)) heldKeys_.push_back(code);' ';' \
      'options: a held key fires again with one launch per press on'
fault src/engine/FullScreen.cpp 'w.bottom >= m.bottom' 'w.bottom >= m.bottom - 40' \
      'full screen: covering the work area is taken for full screen'
fault src/engine/Options.cpp 'if (named[i] || (line' 'if ((line' \
      'options: a repeated name overrides the first'
fault src/ui/main/Form1_Table.cpp '    KeepCurrentPair(port, port.ProgramFolder(), changes);' '' \
      'restore: a save does not keep the pair it replaced'
fault src/engine/PreviousPair.cpp 'return presence && (presence->function || presence->custom);' 'return presence.has_value();' \
      'restore: a first start (neither file) can be brought back'
fault src/ui/main/Form1_Load.cpp '        std::vector<std::wstring> names = PairFileNames();' '        std::vector<std::wstring> names{L"Function.dll", L"Custom.dll"};' \
      'restore: a restore cut short is not finished at the next start'
# Countdown before a shut-down, and switching to an open program
fault src/ui/main/frmCountdown.cpp '    if (--left_ <= 0) return GoAhead();' '    if (--left_ < 0) return GoAhead();' \
      'countdown: the shut-down comes a second late'
fault src/ui/main/frmCountdown.cpp '    if (!keyReleased_) return 0;' '' \
      'countdown: the press that began it calls it off'
fault src/ui/main/Form1_Monitor.cpp $'    if (frmCountdown* countdown = app.Find<frmCountdown>()) {\n        if (const KeyCode key = countdown->WatchKeys()) heldKeys_.push_back(key);\n        return;\n    }' '' \
      'countdown: keys act as ever while it runs'
fault src/ui/main/Form1_Monitor.cpp 'if (const KeyCode key = countdown->WatchKeys()) heldKeys_.push_back(key);' 'countdown->WatchKeys();' \
      'countdown: the press that calls it off, held on, begins another'
fault src/ui/main/Form1_Monitor.cpp 'if (switchToRunning && IsProgramPath(target))' 'if (switchToRunning)' \
      'switch: a document already open is not opened again'
# Voice window
fault src/ui/voice/Form4.cpp 'port.WriteLine(switchPath, L"1")' 'port.WriteLine(switchPath, L"1 ")' \
      'voice window: set1.dll is written with a trailing blank'
fault src/ui/voice/Form4.cpp 'if (Check1.Value() == 1) ShowVersionPanel(true);' 'if (Check1.Value() == 2) ShowVersionPanel(true);' \
      'voice window: checking the box does not show the versions'
fault src/ui/voice/Form4.h 'Timer Timer1{L"Timer1", 55};' 'Timer Timer1{L"Timer1", 50};' \
      'voice window: the key poll runs every 50 ms'
# Settings
fault src/ui/settings/Form2.cpp 'ShowChoice(StartsAtLogOn(port, port.ProgramPath()));' 'ShowChoice(!StartsAtLogOn(port, port.ProgramPath()));' \
      'settings: the start-at-log-on choice shows the opposite'
fault src/ui/settings/StartAtLogOn.cpp '        if (RunValueAt(port, root) != command) continue;' '' \
      'settings: a per-machine value that could not be written is taken as written (the per-user key is never tried)'
fault src/system/Registry.cpp 'if (!value || value->type != kRegSz) return {};' 'if (!value) return {};' \
      'registry: a value of another type is read as text'
# Form runtime and the native list's edit plan
fault src/ui/forms/Application.cpp $'    if (cancel != 0) {\n        done();' $'    if (false) {\n        done();' \
      'forms: a form whose Form_QueryUnload refuses unloads anyway'
fault src/ui/forms/Controls.h $'        if (v == value_) return;\n        value_ = v;' $'        value_ = v;' \
      'forms: a check box raises Click when set to the value it has'
fault src/ui/forms/Controls.h '    else if (selected_ > index) --selected_;' '' \
      'forms: removing a line above the selection moves the selection down a line'
fault src/win32/shell/ItemEdit.h 'while (tail < shorter - head &&' 'while (tail < shorter &&' \
      'list edit: the common tail may overlap the common head'
# Start-up, files and menus
fault src/ui/main/Form1_Load.cpp $'        Timer1.SetEnabled(false);\n        Timer2.SetEnabled(false);\n        port.MessageBox' '        port.MessageBox' \
      'start-up: a second copy polls keys while it shows its refusal'
fault src/engine/KeyTable.cpp 'for (std::size_t i = 1; i < names.size(); ++i)' 'for (std::size_t i = 0; i < names.size(); ++i)' \
      'key table: "无" is given a key code'
fault src/ui/main/Form1_Table.cpp 'SplitFieldBytes(FirstLineBytes(bytes))' 'SplitFieldBytes(JoinedLineBytes(bytes))' \
      'Function.dll: a second line fills the slots the first left'
fault src/engine/TableBytes.cpp "if (c != '\\r' && c != '\\n') joined += c;" "if (c != '\\r') joined += c;" \
      'Custom.dll: a lone LF stays inside the entry it breaks'
fault src/engine/SaveTransaction.cpp 'size && *size > kMaxFileBytes) {' 'size && *size > 2 * kMaxFileBytes) {' \
      'save: a file grown past 16 MB is called unreadable, not too large'
fault src/ui/main/Form1_Editor.cpp $'    MarkEdited();\n    cmddelt.SetEnabled(false);' '    MarkEdited();' \
      'editor: delete stays enabled after a delete, with no line pressed'
fault src/ui/tray/frmMenuForm.cpp '    if (port.FileExists(pages)) {' '    if (!port.FileExists(folder + L"\\Vantrel.hlp") && port.FileExists(pages)) {' \
      'help: the classic help file wins over the HTML help'
fault src/ui/settings/StartAtLogOn.cpp $'    for (RegRoot root : kRoots)\n        if (auto left = Remove(port, root)) {' $'    for (RegRoot root : {RegRoot::CurrentUser})\n        if (auto left = Remove(port, root)) {' \
      'settings: "no" leaves the per-machine value'
fault src/ui/tray/icon1.cpp '    app.Get<logo>().Show();' '    app.Get<logo>();' \
      'tray: the splash is loaded but never shown'
fault src/ui/main/Form1_Load.cpp '            if (!chooser.Text().empty()) continue;' '' \
      'start-up: every reload adds the key names to the choosers again'
fault src/ui/tray/icon1.cpp $'    Hide();\n    app.SetTaskVisible(false);' '    Hide();' \
      'tray: the program keeps its task-list entry'
