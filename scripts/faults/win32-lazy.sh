# Seeded faults in what a hidden form costs (src/win32/shell): its control
# windows made with its window, a hidden control's window made anyway, a
# pass after a changeless event walking every window, a refused pick left in
# its window, the splash loading the common controls; and the controls the
# form draws itself (no window): which they are, their painting and their
# mouse. Sourced by the fault runner (see win32-shell.sh for the form).
fault src/win32/shell/FormWindow.cpp '    ListChildren();
    Layout(dpi_);' '    ListChildren();
    CreateChildWindows();
    Layout(dpi_);' 'a hidden form makes its control windows at once' 'port:ShellLazy.HiddenFormHasItsWindowAndTimersButNoControlWindowsUntilFirstShown'
fault src/win32/shell/FormChildren.cpp 'if (child.control->Visible() && !child.drawn && AdapterFor(child.control->Kind()).Windowed()) {' 'if (!child.drawn && AdapterFor(child.control->Kind()).Windowed()) {' 'hidden controls (the picture holders) get windows with the first show' 'port:ShellLazy.HiddenFormHasItsWindowAndTimersButNoControlWindowsUntilFirstShown'
fault src/win32/shell/Shell.cpp 'if (StateChanges() == syncedChanges_ && !walkNext_) return;' 'if (false) return;' 'every pass after an event walks every window of every form' 'port:ShellLazy.PassAfterAnEventThatChangedNothingWalksNoWindow'
fault src/win32/shell/FormWindow.cpp '    child.pushed = 0;
    shell_.WalkNextPass();' '    child.pushed = 0;' 'a refused pick stays in the chooser window: no pass looks at it' 'port:ShellKeyboard.LockedChooserRefusesAPickFromTheKeyboard'
fault src/win32/CMakeLists.txt 'shell32 winmm_delay advapi32' 'shell32 winmm advapi32' 'the sound DLL loads with the program instead of with the first sound' 'e2e:launch'
fault src/win32/shell/controls/Image.cpp 'place, kPictureClass, ChildStyle' 'place, WC_STATICW, SS_NOTIFY | SS_OWNERDRAW | ChildStyle' 'pictures are static controls: the splash alone loads the common controls' 'e2e:launch'
fault src/win32/shell/FormChildren.cpp '    for (std::size_t index : PlanZOrder(items)) MakeChildWindow(*made[index]);' '    for (Child* c : made) MakeChildWindow(*c);' 'control windows made in the form'"'"'s order stand stacked against it: Tab and overlaps go wrong' 'port:ShellControls.TabStopsComeFromTheControlsAndLaterControlsLieOnTop'
fault src/win32/shell/FormWindow.cpp '        ShowWindow(hwnd, SW_HIDE);
        EndMouseTracking(hwnd);' '        ShowWindow(hwnd, SW_HIDE);' 'a form hidden under the pointer leaves the mouse tracked for its button (Wine polls it)' 'port:ShellLazy.HiddenFormEndsTheMouseTrackingOfTheControlUnderThePointer'
fault src/win32/shell/FormChildren.cpp 'placed[i]->drawn = drawn[i];' 'placed[i]->drawn = false;' 'every picture and rule gets a window again' 'port:ShellDrawn.PicturesAndRulesThatNeedNoWindowAreDrawnByTheFormAndRepaintWhenTheyChange'
fault src/win32/shell/DrawnControls.h 'covered = !drawn[j] && Overlap(items[j].rect, items[i].rect);' 'covered = false;' 'a picture placed over a control window is drawn by the form, under that window' 'port:ZOrder.FormDrawsWhatNeedsNoWindowWhereNoWindowLiesBelowIt'
fault src/win32/shell/DrawnControls.h 'return !control.Click && !control.TabStop()' 'return !control.TabStop()' 'a clickable picture is drawn by the form: screen readers no longer find it' 'port:ZOrder.FormDrawsWhatNeedsNoWindowWhereNoWindowLiesBelowIt'
fault src/win32/shell/FormChildren.cpp '    if (child.drawn) RepaintArea(*this, child);' '' 'a drawn picture changed or hidden keeps showing what it was' 'port:ShellDrawn.PicturesAndRulesThatNeedNoWindowAreDrawnByTheFormAndRepaintWhenTheyChange'
fault src/win32/shell/FormPaint.cpp 'if (IntersectRect(&overlap, &place, &area)) AdapterFor' 'if (false) AdapterFor' 'the form paints its background only: drawn pictures and rules are missing' 'port:ShellDrawn.PicturesAndRulesThatNeedNoWindowAreDrawnByTheFormAndRepaintWhenTheyChange'
fault src/win32/shell/FormPaint.cpp 'if (!below.drawn && !picture) continue;' 'if (below.drawn || !picture) continue;' 'a caption over a drawn picture shows the form'"'"'s colour instead of the picture' 'port:ShellDrawn.PicturesAndRulesThatNeedNoWindowAreDrawnByTheFormAndRepaintWhenTheyChange'
fault src/win32/shell/FormEvents.cpp 'MAKELPARAM(at.x - place.left, at.y - place.top), holder' 'lParam, holder' 'a drawn picture gets the mouse in the form'"'"'s coordinates' 'port:ShellDrawn.DrawnPictureTakesTheMouseAsItsWindowWouldHoldingItFromThePressToTheRelease'
fault src/win32/shell/FormEvents.cpp 'mouseOwner_ && GetCapture() == Handle() ? mouseOwner_ : DrawnChildAt(at)' 'DrawnChildAt(at)' 'a press on a drawn picture does not hold the mouse for it until the release' 'port:ShellDrawn.DrawnPictureTakesTheMouseAsItsWindowWouldHoldingItFromThePressToTheRelease'
fault src/win32/shell/controls/Label.cpp '        DrawTextW(dc, label.Caption().c_str(), -1, &area, format);' '' 'a label the form draws, given text later, shows none' 'port:ShellDrawn.PicturesAndRulesThatNeedNoWindowAreDrawnByTheFormAndRepaintWhenTheyChange'
