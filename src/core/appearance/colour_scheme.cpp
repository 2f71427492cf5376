#include "appearance/colour_scheme.h"

#include "base/text.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace vextor {

namespace {

constexpr int kSlotsInFile = 13;

// Reads up to `count` lines, without their line ends. False when the file
// cannot be opened.
bool readLines(const std::string& path, int count, std::vector<std::string>& lines) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (static_cast<int>(lines.size()) < count && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return true;
}

// One general-form field: a number prefix converted to a 16-bit integer, then
// clamped into 0..255 for the colour. False when it does not fit 16 bits.
bool field16(const std::string& text, int& out) {
    const double v = roundHalfEven(leadingNumber(text));
    if (v > 32767.0 || v < -32768.0)
        return false;
    out = std::clamp(static_cast<int>(v), 0, 255);
    return true;
}

} // namespace

int LoadColorFile(AppState& st, UserInterface& ui, std::string& s) {
    if (s.empty())
        s = "default";
    if (s.find('.') == std::string::npos)
        s += ".sch";
    const bool isDefault = upper(s) == "DEFAULT.SCH";
    if (isDefault)
        s = "default.sch";

    bool ok = true;
    std::vector<std::string> lines;
    if (!readLines(st.apppath + s, kSlotsInFile, lines))
        ok = false;
    for (std::size_t k = 0; ok && k < lines.size(); ++k) {
        if (isDefault) {
            const std::string first = split(lines[k], ';')[0];
            const double v = roundHalfEven(leadingNumber(first));
            if (v < 0.0 || v > 4294967295.0) {
                ok = false;
                break;
            }
            st.schemecolours[k] = static_cast<Colour>(v);
        } else {
            const auto parts = split(lines[k], ';');
            if (parts.size() < 3) {
                ok = false;
                break;
            }
            int r = 0, g = 0, b = 0;
            if (!field16(parts[0], r) || !field16(parts[1], g) || !field16(parts[2], b)) {
                ok = false;
                break;
            }
            st.schemecolours[k] = packColour(r, g, b);
        }
    }
    if (ok && static_cast<int>(lines.size()) < kSlotsInFile)
        ok = false;
    if (!ok) {
        ui.message("Color Scheme File: " + s + " not found");
        st.schemefile = "Default.sch";
        return 0;
    }
    return 1;
}

void ApplyScheme(AppState& st) {
    auto& slot = st.schemecolours;
    const std::string name = upper(st.schemefile);
    if (name == "DEFAULT.SCH" || name == "BANDW.SCH") {
        slot[1] = packColour(255, 255, 255);
        slot[3] = packColour(192, 192, 192);
        slot[2] = st.buttoncol;
    }
    st.whitecol = slot[1];
    st.greycol = slot[3];
    ++st.schemesApplied;
    Grid& g = st.grid;
    for (int i = 1; i <= g.ncells; ++i) {
        Square& c = g[i];
        if (c.Black)
            c.BackColor = st.blackcol;
        else if (!c.known)
            c.BackColor = slot[1];
        else
            c.BackColor = slot[3];
    }
}

bool ColourSchemeCommand(AppState& st, UserInterface& ui, int index) {
    if (index < 0 || index >= static_cast<int>(kSchemeNames.size()))
        return false;
    BusyPointer busy(ui);
    st.schemefile = std::string(kSchemeNames[static_cast<std::size_t>(index)]) + ".sch";
    if (LoadColorFile(st, ui, st.schemefile) != 1)
        return false;
    ApplyScheme(st);
    return true;
}

int SchemeIndexOf(std::string_view schemefile) {
    const std::string want = upper(schemefile);
    for (std::size_t i = 0; i < kSchemeNames.size(); ++i)
        if (upper(kSchemeNames[i]) + ".SCH" == want)
            return static_cast<int>(i);
    return -1;
}

} // namespace vextor
