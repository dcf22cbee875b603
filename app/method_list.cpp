#include "app/method_list.h"

#include "app/form1.h"

namespace app {

const std::array<const char*, 12> kMethodDesignEntries = {
    "ShutDown   (+Power OFF)",       "ShutDown    and ReBoot",
    "LogOFF        and LogON again", "FORCE         ShutDown* (+Pw. OFF)",
    "FORCE         ReBoot*",         "FORCE         Close(/ReLog)*",
    "Power OFF (APM/Battery)",       "TEST             with MessageBox",
    "ShutDown     into MS-DOS mode", "ASK                always how...",
    "Windows NT - Commandline",      "Restart          Windows 95/98",
};

std::vector<std::string> MethodListTexts(OsKind kind) {
    std::vector<std::string> texts(kMethodDesignEntries.begin(), kMethodDesignEntries.end());
    if (IsWin9x(kind)) {
        texts.erase(texts.begin() + 10);
    } else {
        texts[0] = "ShutDown";
        texts[3] = "FORCE         ShutDown";
        texts[4] = "FORCE         ReBoot";
        texts[5] = "FORCE         ReLog";
        texts.erase(texts.begin() + 11);
        texts.erase(texts.begin() + 8);
    }
    return texts;
}

// The list goes to the control once, in its final form: every change of it refills the native list.
void PrepareMethodList(TForm1& form) {
    form.ComboBox1.SetItems(MethodListTexts(form.program.osKind));
}

int DefaultMethodIndex(OsKind kind) {
    return IsWin9x(kind) ? 9 : 8;
}

std::uint8_t MethodCodeForPosition(OsKind kind, int position) {
    static constexpr std::uint8_t kCommon[8] = {1, 2, 0, 5, 6, 4, 8, 20};
    if (position >= 0 && position < 8) return kCommon[position];
    if (IsWin9x(kind)) {
        if (position == 8) return 21;
        if (position == 9) return 22;
        if (position == 10) return 24;
    } else {
        if (position == 8) return 22;
        if (position == 9) return 23;
    }
    return 255;
}

bool IsForcePosition(int position) {
    return position >= 3 && position <= 5;
}

void UpdateStatusLabel(TForm1& form) {
    const int position = form.ComboBox1.ItemIndex();
    if (!IsForcePosition(position)) {
        form.Label1.SetColor(ui::kDefaultColor);
        form.Label1.SetCaption("");
    } else if (form.CheckBox4.Checked()) {
        form.Label1.SetColor(ui::kDefaultColor);
        form.Label1.SetCaption(" ");
    } else if (IsWin9x(form.program.osKind)) {
        form.Label1.SetColor(ui::kLime);
        form.Label1.SetCaption("*resident programs might hang!");
    } else {
        form.Label1.SetColor(ui::kDefaultColor);
        form.Label1.SetCaption("");
    }
}

}  // namespace app
