#pragma once
// Menus: items with captions, shortcuts, checks and sub-items. They have no peer; a backend builds
// the native menu from the items each time it pops one up.
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "ui/keys.h"

namespace ui {

class MenuItem {
  public:
    MenuItem(MenuItem* parent, std::string name, std::string caption = {}, ShortCut shortCut = {});
    ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    MenuItem* Parent() const { return parent_; }
    const std::vector<MenuItem*>& Items() const { return items_; }
    bool IsSeparator() const { return caption == "-"; }
    // The item with this shortcut among this item's enabled and visible descendants.
    MenuItem* FindShortCut(ShortCut key);
    void Click() {
        if (enabled && OnClick) OnClick();
    }

    std::string caption;
    ShortCut shortCut;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    bool isDefault = false;
    bool radioItem = false;
    // The item starts a new column, with a vertical bar before it.
    bool barBreak = false;
    int helpContext = 0;
    std::string hint;
    std::function<void()> OnClick;

  private:
    std::string name_;
    MenuItem* parent_;
    std::vector<MenuItem*> items_;
};

// Where the menu stands against the point it pops up at.
enum class PopupAlignment { Left, Right };

class PopupMenu : public MenuItem {
  public:
    explicit PopupMenu(std::string name) : MenuItem(nullptr, std::move(name)) {}
    // Runs before the menu opens, so that entries can follow the program's state. The backend
    // runs it, whoever pops the menu up.
    std::function<void()> OnPopup;
    PopupAlignment alignment = PopupAlignment::Left;
};

// Text of a shortcut as a menu shows it ("Ctrl+X").
std::string ShortCutText(ShortCut shortCut);

}  // namespace ui
