// The commands of the main window in one table: which control or menu item
// starts each, its caption, its key and what it calls. The window builds its
// menu items from the table and binds its buttons by name; a row whose name,
// menu or key matches nothing stops the program at start-up.
#pragma once

#include <span>
#include <string_view>

namespace vextor::app {

class MainWindow;

// A pop-up menu of the window (object name, caption), in the order the
// window keeps them.
struct AppMenu {
    std::string_view name;
    std::string_view caption;
};

struct AppCommand {
    using Handler = void (*)(MainWindow&);
    using Toggle = void (*)(MainWindow&, bool on);

    // Object name of the control or menu item; "" for a separator.
    std::string_view name = {};
    // Menu item: its caption ("-": a separator). Button with a picture, or
    // another control: its tool tip. Button without a picture: its text.
    std::string_view caption = {};
    // Object name of the menu the item is added to, in table order; "" for a
    // control of the window, found by its name.
    std::string_view menu = {};
    // Shortcut in portable text ("Ctrl+O", "Alt+F", "F1"); "" for none. It
    // clicks a button (a menu it opens drops below it), triggers an enabled
    // item or runs the handler of another control.
    std::string_view key = {};
    // What the command does; nullptr: nothing (the "Cancel" items).
    Handler handler = nullptr;
    // While AutoSolve runs the command says "Cancel AutoSolve first" instead.
    bool refusedWhileSolving = false;
    // A check item: kept in the program's settings under this key and handed
    // to `toggle` at start-up and whenever it changes.
    std::string_view setting = {};
    Toggle toggle = nullptr;
    // The item is shown but never enabled.
    bool shownDisabled = false;
    // A second key that does the same; the menu shows only `key`.
    std::string_view otherKey = {};
    // A check item's state before it was ever changed.
    bool settingDefault = false;
};

std::span<const AppMenu> appMenus();
std::span<const AppCommand> appCommands();

// Builds the menu items of `commands` into the window's menus, binds its
// controls, keys and handlers. Throws std::logic_error, naming the row, when
// a name, menu or key matches nothing or a name or key is used twice;
// nothing is bound then.
void installCommands(MainWindow& window, std::span<const AppCommand> commands);

} // namespace vextor::app
