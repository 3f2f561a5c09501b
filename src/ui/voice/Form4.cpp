#include "ui/voice/Form4.h"

#include "engine/VoiceFiles.h"
#include "engine/VoiceKeys.h"
#include "ui/main/Form1.h"
#include "ui/settings/Form2.h"

namespace vantrel {

Form4::Form4(Application& application)
    : Form(application, L"Form4", L"语音热键设置", {0, 0, 5400, 3120}) {
    for (Control* c : std::initializer_list<Control*>{&ys1, &Check1, &setlist1, &Label2, &verdll[0],
                                                      &verdll[1], &sb1, &Label1, &Label3, &Label4,
                                                      &Command2, &Command6})
        c->SetVisible(false);
    Label4.SetForeColor(kLinkColour);
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(false);
    Check1.Click = [this] { Check1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    Command6.SetCancel(true);  // without the add-on; with it, only "确定" closes
    Timer1.Tick = [this] { Timer1_Timer(); };
    Timer2.Tick = [this] { Timer2_Timer(); };
    for (Control* c : std::initializer_list<Control*>{&Timer1, &Timer2, &ys1, &sb1, &setlist1,
                                                      &Check1, &Label2, &Label1, &Label3, &Label4})
        Add(*c);
    AddArray(verdll);
    Add(Command2);
    Add(Command6);
}

void Form4::ShowAddOnPanel(bool present) {
    for (Control* c : std::initializer_list<Control*>{&ys1, &Check1, &Command2}) c->SetVisible(present);
    for (Control* c : std::initializer_list<Control*>{&sb1, &Label1, &Label3, &Label4, &Command6})
        c->SetVisible(!present);
}

void Form4::ShowVersionPanel(bool visible) {
    for (Control* c : std::initializer_list<Control*>{&setlist1, &Label2, &verdll[0], &verdll[1]})
        c->SetVisible(visible);
}

void Form4::Form_Load() {
    const bool present = port.FileExists(DataPath(kVoiceMarkerFile));
    ShowAddOnPanel(present);
    if (present) {
        Timer1.SetEnabled(true);
        const auto switchPath = DataPath(kVoiceSwitchFile);
        if (port.FileExists(switchPath))
            if (const auto text = port.ReadText(switchPath))
                if (const auto state = ReadSwitchState(*text)) Check1.SetValue(*state);
    }
    const auto versionPath = DataPath(kVoiceVersionFile);
    if (!port.FileExists(versionPath)) return;
    const auto text = port.ReadText(versionPath);
    if (!text) return;
    const auto labels = ReadVersionLabels(*text);
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (labels[i]) verdll[i].SetCaption(*labels[i]);
}

void Form4::Check1_Click() {
    if (Check1.Value() == 1) ShowVersionPanel(true);
    else if (Check1.Value() == 0) ShowVersionPanel(false);
}

void Form4::Command2_Click() {
    const auto switchPath = DataPath(kVoiceSwitchFile);
    if (Check1.Value() == 1) {
        const IoResult written = port.WriteLine(switchPath, L"1");
        if (!written.ok) return ReportSwitchFailure(L"保存", written.reason);
        Form_Load();
        Hide();
        app.Unload<Form2>();
        Form1::GiveBack(app);
    } else if (Check1.Value() == 0) {
        if (port.FileExists(switchPath)) {
            const IoResult removed = port.RemoveFile(switchPath);
            if (!removed.ok) return ReportSwitchFailure(L"删除", removed.reason);
        }
        Form1::GiveBack(app);
        app.Unload(*this);
    }
}

void Form4::ReportSwitchFailure(const std::wstring& what, const std::wstring& reason) {
    port.MessageBox(hWnd(),
                    L"无法" + what + L"语音热键设置文件“" + DataPath(kVoiceSwitchFile) + L"”：" + reason +
                        L"\r\n\r\n设置没有改变，请处理后再按“确定”。",
                    L"提示", MbOk | MbIconExclamation);
}

void Form4::Command6_Click() {
    app.Unload(*this);
    Form1::GiveBack(app);
}

void Form4::Form_QueryUnload(int&, UnloadMode) { app.Unload<Form2>(); }

void Form4::Timer1_Timer() {
    const auto key = PollVoiceKeys(port);
    if (!key) return;
    PlayWav(port, port.ProgramFolder() + L"\\" + key->sound, 0);
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(true);
}

void Form4::Timer2_Timer() {
    Timer1.SetEnabled(true);
    Timer2.SetEnabled(false);
}

}  // namespace vantrel
