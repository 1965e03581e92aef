#pragma once

#include <QString>

#include <vector>

namespace fin::ui {

// How a menu command behaves.
enum class CommandKind {
    Window,        // opens its window; errors while it is created are swallowed
    WindowStrict,  // opens its window; errors while it is created reach the error box
    Report,        // opens a report's parameter window; errors before it shows are swallowed
    Inert,         // does nothing
    Message,       // shows "Em densenvolvimento, aguarde."
    Quit,          // ends the program
    Hidden,        // present but not shown
    Separator,     // a disabled item of 41 underscores
};

struct MenuEntry {
    QString menu;       // top-level menu caption
    QString submenu;    // empty, or the caption of a submenu inside it
    QString caption;    // the item's caption
    QString handler;    // the handler name, also the action's object name
    CommandKind kind;
};

// Every item of the main menu, in order.
const std::vector<MenuEntry>& mainMenuTable();

inline const QString kSeparatorCaption = QString(41, u'_');

} // namespace fin::ui
