// Colour schemes: reading a scheme file into the scheme table and painting the
// cells from it; the Color Scheme menu.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

#include <array>
#include <string>
#include <string_view>

namespace vextor {

// The captions of the Color Scheme menu, in menu order; item i reads the file
// named by its caption plus ".sch".
constexpr std::array<std::string_view, 24> kSchemeNames = {
    "bandw", "blue",   "brick",  "default", "dessert", "egg",        "gold", "green",
    "lilac", "maple",  "orange", "plum",    "pumpkin", "rain",       "red",  "rose",
    "slate", "spruce", "storm",  "teal",    "wheat",   "winclassic", "xp",   "custom"};

// Reads scheme file s (normalised in place: empty -> "default", ".sch" added
// when it has no dot, any-case "default.sch" -> "default.sch") from the
// application folder into slots 0..12 of st.schemecolours. Returns 1 when
// read, 0 on failure; a failure shows "Color Scheme File: <s> not found" and
// sets st.schemefile to "Default.sch". Slots read before the failure keep
// their new values.
int LoadColorFile(AppState& st, UserInterface& ui, std::string& s);

// whitecol and greycol from the table (pure white and light grey, with the
// button colour for panels, for the default and black-and-white schemes), and
// every cell recoloured by its kind; counts the call in st.schemesApplied.
// Panels are painted by the program from slot 2, dialogs from slots 2 and 5.
void ApplyScheme(AppState& st);

// Color Scheme menu item i: schemefile = its caption + ".sch", load it and,
// when it was read, apply it. Returns true when the scheme was applied.
bool ColourSchemeCommand(AppState& st, UserInterface& ui, int index);

// The menu item whose scheme file is `schemefile` (letter case ignored), or -1.
int SchemeIndexOf(std::string_view schemefile);

} // namespace vextor
