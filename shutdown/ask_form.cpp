#include "shutdown/ask_form.h"

namespace shutdown {
namespace {

constexpr int kOk = 1;
constexpr int kCancel = 2;

}  // namespace

TForm3::TForm3(AskView view)
    : ui::Form("TForm3"),
      RadioGroup1(this, "RadioGroup1"),
      StatusBar1(this, "StatusBar1"),
      Panel1(this, "Panel1"),
      ScrollBox1(&Panel1, "ScrollBox1"),
      CheckBox2(&ScrollBox1, "CheckBox2"),
      CheckBox3(&ScrollBox1, "CheckBox3"),
      CheckBox4(&ScrollBox1, "CheckBox4"),
      CheckBox1(&ScrollBox1, "CheckBox1"),
      CheckBox5(&ScrollBox1, "CheckBox5"),
      SpeedButton1(this, "SpeedButton1"),
      BitBtn1(this, "BitBtn1"),
      BitBtn2(this, "BitBtn2"),
      PopupMenu1("PopupMenu1"),
      Checkall1(&PopupMenu1, "Checkall1", "&Check all enabled", ui::Ctrl('E')),
      Uncheckall1(&PopupMenu1, "Uncheckall1", "&UnCheck all enabled", ui::Ctrl('U')),
      N1(&PopupMenu1, "N1", "-"),
      Resettolastshutdown1(&PopupMenu1, "Resettolastshutdown1", "Reset to &last shutdown", ui::Ctrl('L')),
      Resettodefault1(&PopupMenu1, "Resettodefault1", "&Reset to default", ui::Ctrl('D')),
      view_(std::move(view)) {
    SetCaption("                                Ravelin HOW?");
    borderStyle = ui::BorderStyle::Single;
    minimizeBox = false;
    maximizeBox = false;
    helpButton = true;
    SetClientSize(426, 296);

    RadioGroup1.SetCaption(" Selections: ");
    RadioGroup1.SetColumns(2);
    RadioGroup1.SetBounds(8, 4, 410, 138);
    RadioGroup1.SetHint(" Choose how you want to shut down.");

    StatusBar1.SetAlign(ui::Align::None);
    StatusBar1.SetBounds(8, 146, 410, 19);
    StatusBar1.italic = true;

    Panel1.SetBounds(8, 170, 410, 86);
    ScrollBox1.SetAlign(ui::Align::Client);
    ScrollBox1.popupMenu = &PopupMenu1;
    struct Box {
        ui::CheckBox& box;
        const char* caption;
        int left, top;
        const char* hint;
    };
    for (
        const Box& b : {
            Box{CheckBox2, "- &Run Application", 8, 6,
                " If checked, the application which you\r have specified on \"Watchdogs\" p. 1/3\r will be "
                "started before shutdown."},
            Box{CheckBox3, "&No Warning", 28, 26,
                " If checked, no: \"Warning - you have\r started another application ...\" message\r will be "
                "displayed."},
            Box{CheckBox4, "- &Init local Drives", 8, 46,
                " If checked, all local drives will\r be initialized, if their power is off."},
            Box{CheckBox1, "- Empty &Directories", 8, 66,
                " If checked, you will get a dialog (if not disabled)\r where you can empty the directories, "
                "as\r specified on \"Watchdogs\" p. 2/3."},
            Box{CheckBox5, "- &Eject (&& Retract) Devices", 8, 86,
                " If checked, all devices will be ejected\r (... and retracted after the specified\r period "
                "of "
                "time) before shutdown."},
        }) {
        b.box.SetCaption(b.caption);
        b.box.SetBounds(b.left, b.top, 240, 17);
        b.box.SetHint(b.hint);
        b.box.SetEnabled(false);
    }

    SpeedButton1.SetCaption("&Settings...");
    SpeedButton1.SetBounds(8, 264, 97, 25);
    SpeedButton1.SetHint(" Directs you to the\r Settings-Notebook!");
    BitBtn1.SetCaption("&OK");
    BitBtn1.SetBounds(250, 264, 80, 25);
    BitBtn1.SetHint(" Shutdown with the chosen options.");
    BitBtn1.SetDefault(true);
    BitBtn1.SetModalResult(kOk);
    BitBtn2.SetCaption("&Cancel");
    BitBtn2.SetBounds(338, 264, 80, 25);
    BitBtn2.SetHint(" Do not shutdown and go back.");
    BitBtn2.SetModalResult(kCancel);

    Checkall1.hint = "Checks all enabled checkboxes.";
    Uncheckall1.hint = "Clears all enabled checkboxes.";
    Resettolastshutdown1.hint = "Resets all to the values of the last shutdown.";
    Resettodefault1.hint = "Resets all values to defaults.";
    Resettodefault1.isDefault = true;
    AddShortCutMenu(&PopupMenu1);

    RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
    CheckBox2.OnClick = [this] { CheckBox2Click(); };
    SpeedButton1.OnClick = [this] { SpeedButton1Click(); };
    Checkall1.OnClick = [this] { Checkall1Click(); };
    Uncheckall1.OnClick = [this] { Uncheckall1Click(); };
    Resettolastshutdown1.OnClick = [this] { Resettolastshutdown1Click(); };
    Resettodefault1.OnClick = [this] { Resettodefault1Click(); };
    OnShow = [this] { FormShow(); };
    OnActivate = [this] { FormActivate(); };
    OnClose = [this](ui::CloseAction& action) { FormClose(action); };
}

ui::CheckBox* TForm3::Box(int number) {
    switch (number) {
        case 1:
            return &CheckBox1;
        case 2:
            return &CheckBox2;
        case 3:
            return &CheckBox3;
        case 4:
            return &CheckBox4;
        case 5:
            return &CheckBox5;
        default:
            return nullptr;
    }
}

}  // namespace shutdown
