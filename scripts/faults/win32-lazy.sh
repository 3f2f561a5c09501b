# Seeded faults in what a hidden form costs (src/win32/shell): its control
# windows made with its window, a hidden control's window made anyway, a
# pass after a changeless event walking every window, a refused pick left in
# its window, the splash loading the common controls. Sourced by the fault
# runner (see win32-shell.sh for the form).
fault src/win32/shell/FormWindow.cpp '    ListChildren();
    Layout(dpi_);' '    ListChildren();
    CreateChildWindows();
    Layout(dpi_);' 'a hidden form makes its control windows at once' 'port:ShellLazy.HiddenFormHasItsWindowAndTimersButNoControlWindowsUntilFirstShown'
fault src/win32/shell/FormChildren.cpp 'if (child.control->Visible() && AdapterFor(child.control->Kind()).Windowed()) {' 'if (AdapterFor(child.control->Kind()).Windowed()) {' 'hidden controls (the picture holders) get windows with the first show' 'port:ShellLazy.HiddenFormHasItsWindowAndTimersButNoControlWindowsUntilFirstShown'
fault src/win32/shell/Shell.cpp 'if (StateChanges() == syncedChanges_ && !walkNext_) return;' 'if (false) return;' 'every pass after an event walks every window of every form' 'port:ShellLazy.PassAfterAnEventThatChangedNothingWalksNoWindow'
fault src/win32/shell/FormWindow.cpp '    child.pushed = 0;
    shell_.WalkNextPass();' '    child.pushed = 0;' 'a refused pick stays in the chooser window: no pass looks at it' 'port:ShellKeyboard.LockedChooserRefusesAPickFromTheKeyboard'
fault src/win32/CMakeLists.txt 'shell32 winmm_delay advapi32' 'shell32 winmm advapi32' 'the sound DLL loads with the program instead of with the first sound' 'e2e:launch'
fault src/win32/shell/controls/Image.cpp 'place, kPictureClass, ChildStyle' 'place, WC_STATICW, SS_NOTIFY | SS_OWNERDRAW | ChildStyle' 'pictures are static controls: the splash alone loads the common controls' 'e2e:launch'
fault src/win32/shell/FormChildren.cpp '    for (std::size_t index : PlanZOrder(items)) MakeChildWindow(*made[index]);' '    for (Child* c : made) MakeChildWindow(*c);' 'control windows made in the form'"'"'s order stand stacked against it: Tab and overlaps go wrong' 'port:ShellControls.TabStopsComeFromTheControlsAndLaterControlsLieOnTop'
fault src/win32/shell/FormWindow.cpp '        ShowWindow(hwnd, SW_HIDE);
        EndMouseTracking(hwnd);' '        ShowWindow(hwnd, SW_HIDE);' 'a form hidden under the pointer leaves the mouse tracked for its button (Wine polls it)' 'port:ShellLazy.HiddenFormEndsTheMouseTrackingOfTheControlUnderThePointer'
