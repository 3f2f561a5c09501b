// Form1's load handler: the program's start-up. It runs again on the same
// window after every save and on a new window after a pause, so every step is
// harmless to repeat.
#include "engine/KeyTable.h"
#include "engine/PreviousPair.h"
#include "engine/SaveJournal.h"
#include "engine/SaveTransaction.h"
#include "system/Registry.h"
#include "ui/forms/Pictures.h"
#include "ui/forms/Steps.h"
#include "ui/main/Form1.h"
#include "ui/main/WindowLook.h"
#include "ui/tray/frmMenuForm.h"
#include "ui/tray/icon1.h"
#include "ui/voice/Form4.h"

namespace vantrel {

void Form1::Form_Load() {
    if (port.AnotherInstanceRunning()) {
        // This copy never monitors: no key may act while the refusal is shown.
        Timer1.SetEnabled(false);
        Timer2.SetEnabled(false);
        port.MessageBox(hWnd(), L"程序已经运行，请不要运行多个《Vantrel》", L"程序已经运行", MbOk);
        app.Unload(*this);
        port.EndProcess();
        return;
    }

    // Every later step is skipped when it fails and the start goes on: an
    // unreadable file or a missing value leaves its defaults.
    RunStep(port, L"start-up: splash form", [&] { app.Get<frmMenuForm>(); });
    RunStep(port, L"start-up: window look", [&] { ApplyWindowLook(*this); });
    RunStep(port, L"start-up: tray icon", [&] { app.Get<icon1>().Hide(); });
    RunStep(port, L"start-up: always on top", [&] { Check1.SetValue(1); });
    RunStep(port, L"start-up: key choosers", [&] {
        for (auto& chooser : cmbChooseKey) {
            if (!chooser.Text().empty()) continue;
            chooser.SetText(kNoKey);
            for (auto& name : ChooserKeyNames()) chooser.AddItem(name);
        }
    });
    RunStep(port, L"start-up: interrupted save", [&] {
        // The key files, the pair kept beside them, and the options.
        std::vector<std::wstring> names = PairFileNames();
        names.push_back(NameOf(kOptionsFile));
        FinishInterruptedSave(port, port.ProgramFolder(), names);
    });
    RunStep(port, L"start-up: Function.dll", [&] { LoadFunctionKeys(); });
    RunStep(port, L"start-up: Custom.dll", [&] { LoadEntries(); });
    RunStep(port, L"start-up: options", [&] { options_ = ReadOptions(port, port.ProgramFolder()); });
    RunStep(port, L"start-up: buttons", [&] {
        cmdApplyt.SetEnabled(false);
        cmdApply.SetPicture(Bef.GetPicture());
        cmdOk.SetPicture(Bauto.GetPicture());
        cmddelt.SetEnabled(false);
        cmddel.SetPicture(Bef.GetPicture());
    });
    RunStep(port, L"start-up: voice keys", [&] {
        if (port.FileExists(DataPath(L"\\tools\\yy\\set1.dll"))) app.Get<Form4>().Hide();
    });
    RunStep(port, L"start-up: status line", [&] { zt.SetCaption(L""); });
    RunStep(port, L"start-up: start page", [&] {
        Text4.SetText(GetRegString(port, RegRoot::CurrentUser,
                                   L"Software\\Microsoft\\Internet Explorer\\Main", L"Start Page"));
    });
    RunStep(port, L"start-up: greeting", [&] {
        if (port.FileExists(DataPath(kFunctionFile)) || port.FileExists(DataPath(kCustomFile)))
            return;
        Show();
        port.MessageBox(hWnd(), L"第一次启动，请配置，然后按“保存”", L"第一次启动",
                        MbOk | MbIconInformation);
    });
    RunStep(port, L"start-up: files too large", [&] { TellFilesTooLarge(); });
}

}  // namespace vantrel
