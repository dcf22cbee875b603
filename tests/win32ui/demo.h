#pragma once
// The forms the checks run on: one with every kind of control of the widget model, and a small
// modal dialog. Every event handler records what it saw.
#include <string>
#include <vector>
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace demo {

// What the handlers saw, in order ("CheckBox1.OnClick", "Form.OnKeyDown 81", ...).
struct Events {
    std::vector<std::string> log;
    void Add(std::string entry) { log.push_back(std::move(entry)); }
    int Count(const std::string& entry) const;
    // Position of the first entry, -1 when absent.
    int IndexOf(const std::string& entry) const;
    void Clear() { log.clear(); }
};

struct MainForm {
    MainForm();
    ui::Form form{"TUiDemo"};
    ui::ToolBar toolBar{&form, "ToolBar1"};
    ui::BitBtn bitBtn1{&toolBar, "BitBtn1"};
    ui::BitBtn bitBtn2{&toolBar, "BitBtn2"};
    ui::BitBtn bitBtn3{&toolBar, "BitBtn3"};
    ui::Label label{&form, "Label1"};
    ui::SpeedButton speedButton{&form, "SpeedButton1"};
    ui::Button pictureButton{&form, "Button1"};
    ui::Button plainButton{&form, "Button2"};
    ui::ComboBox combo{&form, "ComboBox1"};
    ui::CheckBox check{&form, "CheckBox1"};
    ui::GroupBox group{&form, "GroupBox1"};
    ui::RadioButton radio1{&group, "RadioButton1"};
    ui::RadioButton radio2{&group, "RadioButton2"};
    ui::Edit edit{&form, "Edit1"};
    ui::SpinEdit spin{&form, "SpinEdit1"};
    ui::Edit edit2{&form, "Edit2"};
    ui::UpDown upDown{&form, "UpDown1"};
    ui::ProgressBar progress{&form, "ProgressBar1"};
    ui::TrackBar track{&form, "TrackBar1"};
    ui::Panel panel{&form, "Panel1"};
    ui::PageControl pages{&form, "PageControl1"};
    ui::TabSheet sheet1{&pages, "TabSheet1"};
    ui::TabSheet sheet2{&pages, "TabSheet2"};
    ui::CheckBox sheetCheck{&sheet2, "CheckBox2"};
    ui::StatusBar status{&form, "StatusBar1"};
    ui::PopupMenu menu{"PopupMenu1"};
    ui::MenuItem hiddenItem{&menu, "Hidden1", "&Hidden"};
    ui::MenuItem openItem{&menu, "Open1", "&Open", ui::Ctrl('K')};
    ui::MenuItem separator{&menu, "N1", "-"};
    ui::MenuItem checkedItem{&menu, "Checked1", "&Checked"};
    ui::MenuItem greyItem{&menu, "Grey1", "&Grey"};
    ui::MenuItem subItem{&menu, "Sub1", "&More"};
    ui::MenuItem radioItem{&subItem, "Radio1", "&Radio"};
    ui::MenuItem exitItem{&menu, "Exit1", "E&xit", ui::Ctrl('X')};
    Events events;
    // Form.OnKeyDown swallows this key (sets it to 0).
    ui::Key swallowKey = 'Q';
};

struct ModalForm {
    ModalForm();
    ui::Form form{"TUiModal"};
    ui::Edit edit{&form, "ModalEdit"};
    ui::Button ok{&form, "OkButton"};
    ui::Button cancel{&form, "CancelButton"};
};

}  // namespace demo
