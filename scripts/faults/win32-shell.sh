# Seeded faults in the shell's control adapters (src/win32/shell/controls).
# Sourced by the fault runner: each line replaces old literal text (found
# exactly once in the file) by new text, says what then goes wrong, and names
# the check that must fail: port:<gtest filter> of the shell tests, or
# e2e:<case>.
fault src/win32/shell/controls/ChooserEdit.cpp 'return wParam == FALSE;' 'return false;' 'a chooser field can be made writable again, and then takes pasted text' 'port:ShellKeyboard.ChooserHoldsOnlyItsNamesWhateverReachesItsEditField'
fault src/win32/shell/controls/Frame.cpp 'result = HTTRANSPARENT;' 'result = HTCLIENT;' 'a frame swallows the mouse moves over it, so its handler never runs' 'port:ShellGroups.FrameTakesNoMouseButPassesTheFormsMovesOverItToItsHandler'
fault src/win32/shell/controls/ImageButton.cpp 'return CaptionOrName(Of(control).Caption(), control);' 'return control.AccessibleName();' 'an image button is not named for screen readers by its caption' 'port:ShellControls.ImageButtonIsAnOwnerDrawnPushButtonNamedByItsCaption'
fault src/win32/shell/controls/ChildCommon.cpp 'EnableWindow(hwnd, control.Enabled());' 'EnableWindow(hwnd, TRUE);' 'a disabled control keeps an enabled window' 'port:ShellControls.ImageButtonIsAnOwnerDrawnPushButtonNamedByItsCaption'
fault src/win32/shell/controls/Label.cpp 'SetTextColor(dc, ToColorRef(label.ForeColor()));' 'SetTextColor(dc, RGB(0, 0, 0));' 'a label text is drawn black whatever its colour' 'port:ShellControls.LabelTextTakesItsColourOpaqueLabelItsBackTransparentOneWhatLiesBelow'
fault src/win32/shell/controls/Image.cpp 'return static_cast<const Image&>(control).GetPicture();' 'return nullptr;' 'a transparent caption over a face shows the form colour instead of the face' 'port:ShellControls.LabelTextTakesItsColourOpaqueLabelItsBackTransparentOneWhatLiesBelow'
fault src/win32/shell/controls/CheckBox.cpp 'check.Value() == 2 ? BST_INDETERMINATE : BST_UNCHECKED' 'check.Value() == 2 ? BST_UNCHECKED : BST_UNCHECKED' 'a grayed check box shows unchecked' 'port:ShellGroups.GrayedCheckBoxShowsGrayedAndAClickChecksIt'
