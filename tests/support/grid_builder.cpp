#include "support/grid_builder.h"

#include "base/text.h"

#include <sstream>

namespace vextor::test {

namespace {

void build(Grid& g, const std::vector<std::string>& rows, Colour white, Colour black, Colour grey) {
    std::vector<std::vector<std::string>> tokens;
    for (const auto& line : rows) {
        std::istringstream in(line);
        std::vector<std::string> row;
        for (std::string t; in >> t;)
            row.push_back(t);
        tokens.push_back(row);
    }
    const int r = static_cast<int>(tokens.size());
    const int c = r ? static_cast<int>(tokens[0].size()) : 0;
    g = Grid();
    g.resize(r, c, white);
    for (int y = 1; y <= r; ++y) {
        for (int x = 1; x <= c; ++x) {
            Square& s = g[g.CellIndex(y, x)];
            const std::string& t =
                tokens[static_cast<std::size_t>(y - 1)].at(static_cast<std::size_t>(x - 1));
            s = Square();
            if (t == "X") {
                s.Black = true;
                s.known = true;
                s.BackColor = black;
            } else if (t.find(',') != std::string::npos) {
                const auto parts = split(t, ',');
                s.known = true;
                s.BackColor = grey;
                s.across = leadingInt(parts[0]);
                s.down = leadingInt(parts[1]);
            } else {
                s.BackColor = white;
                if (t != ".")
                    s.Choices = t;
            }
        }
    }
    g.place();
}

} // namespace

void makeGrid(AppState& st, const std::vector<std::string>& rows) {
    build(st.grid, rows, st.whitecol, st.blackcol, st.greycol);
    st.maxtries = 2 * st.grid.rows * st.grid.cols;
}

Grid makeGrid(const std::vector<std::string>& rows) {
    Grid g;
    build(g, rows, 0, 0, 0);
    return g;
}

std::vector<std::string> gridRows(const AppState& st) {
    std::vector<std::string> out;
    const Grid& g = st.grid;
    for (int y = 1; y <= g.rows; ++y) {
        std::string line;
        for (int x = 1; x <= g.cols; ++x) {
            const Square& s = g[g.CellIndex(y, x)];
            if (x > 1)
                line += ' ';
            if (s.Black)
                line += 'X';
            else if (s.known)
                line += plainNumber(s.across) + "," + plainNumber(s.down);
            else
                line += s.Choices.empty() ? "-" : s.Choices;
        }
        out.push_back(line);
    }
    return out;
}

} // namespace vextor::test
