#include "files/puzzle_file.h"

#include "base/text.h"
#include "files/safe_file.h"
#include "state/grid_commands.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace vextor {

namespace {

bool isHeader(const std::string& line) {
    return !line.empty() && line[0] == '#';
}

// A header line counts as a record when the number after "#" is above 0.
bool isCountedHeader(const std::string& line) {
    return isHeader(line) && leadingNumber(std::string_view(line).substr(1)) > 0.0;
}

bool validSize(const RecordSize& size) {
    return size.rows >= 1 && size.rows <= kMaxRows && size.cols >= 1 && size.cols <= kMaxCols;
}

bool isWhite(const Square& s, Colour whitecol) {
    return !s.Black && s.BackColor == whitecol;
}

std::string clueToken(const Square& s) {
    return plainNumber(s.across) + "," + plainNumber(s.down);
}

// Runs found on the cells that were here before name other cells.
void dropRuns(Square& s) {
    s.cellsacross.clear();
    s.cellsdown.clear();
    s.lenacross = 0;
    s.lendown = 0;
}

// Steps 6 to 10 of loading a record from its lines: false on any fault. The
// title, the size label and the cells keep what was written before the fault.
bool loadRecordLines(AppState& st, const RecordLines& record) {
    const std::vector<std::string>& lines = record.lines;
    if (lines.empty())
        return false;
    st.texts.title = parseTitle(lines[0]);
    if (lines.size() < 2)
        return false;
    const RecordSize size = parseSize(lines[1]);
    st.texts.gridSize = plainNumber(size.rows) + "x" + plainNumber(size.cols);
    if (!validSize(size))
        return false;

    Grid& g = st.grid;
    g.resize(size.rows, size.cols, st.whitecol);
    st.maxtries = 2 * g.rows * g.cols;
    for (int i = 1; i <= g.ncells; ++i) {
        Square& s = g[i];
        s.across = 0;
        s.down = 0;
        s.Black = false;
        s.known = true;
        s.Choices.clear();
        s.Choices0.clear();
        s.Enabled = false;
        s.tick = 0;
        s.BackColor = st.whitecol;
        s.acrosscol = st.blackcol;
        s.downcol = st.blackcol;
        dropRuns(s);
    }

    int counter = 0;
    for (int r = 1; r <= g.rows; ++r) {
        const std::size_t at = static_cast<std::size_t>(r) + 1;
        if (at >= lines.size())
            return false;
        for (const LayoutToken& t : parseLayout(lines[at])) {
            if (t.kind == LayoutToken::Kind::White) {
                if (t.count <= 0)
                    continue;
                const int room = g.ncells - counter;
                const int filled = t.count < room ? t.count : room;
                for (int k = 0; k < filled; ++k) {
                    Square& s = g[++counter];
                    s.known = false;
                    s.BackColor = st.whitecol;
                    s.Black = false;
                }
                if (t.count > room)
                    return false;
                continue;
            }
            if (counter >= g.ncells)
                return false;
            Square& s = g[++counter];
            if (t.kind == LayoutToken::Kind::Black) {
                s.Black = true;
                s.BackColor = st.blackcol;
            } else {
                s.across = t.across;
                s.BackColor = st.greycol;
                s.down = t.down;
            }
        }
    }
    // Row lines that leave cells without a token (a blank row line, a count of
    // 0) are damaged: such cells would be neither white nor sum cells, and the
    // record would be written back as a different puzzle.
    return counter == g.ncells;
}

// Steps 3 to 10 of loading record n through a reader.
bool loadFrom(AppState& st, PuzzleFileReader& reader, int n) {
    st.npuzzles = 0;
    if (!reader.ok())
        return false;
    st.npuzzles = reader.count();
    const auto record = reader.record(n);
    return record && loadRecordLines(st, *record);
}

// The empty 9 x 9 grid asked for with n = -1.
void loadEmpty(AppState& st) {
    st.puznum = 1;
    st.npuzzles = 1;
    Grid& g = st.grid;
    g.resize(9, 9, st.whitecol);
    for (int i = 1; i <= g.ncells; ++i) {
        Square& s = g[i];
        s.across = 0;
        s.down = 0;
        s.Black = false;
        s.Choices.clear();
        s.Choices0.clear();
        s.Enabled = false;
        s.BackColor = st.whitecol;
        s.acrosscol = st.blackcol;
        s.downcol = st.blackcol;
        s.known = false;
        dropRuns(s);
    }
}

} // namespace

bool readRecordLine(std::istream& in, std::string& line) {
    const bool atStart = in.tellg() == std::streampos(0);
    if (!std::getline(in, line))
        return false;
    // A UTF-8 byte-order mark before the first line is not part of it.
    if (atStart && line.starts_with("\xEF\xBB\xBF"))
        line.erase(0, 3);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

int CountPuzzles(const std::string& file, UserInterface& ui) {
    BusyPointer busy(ui);
    std::error_code ec;
    const auto length = std::filesystem::file_size(file, ec);
    if (ec || length == 0)
        return 0;
    std::ifstream in(file, std::ios::binary);
    int count = 0;
    std::string line;
    while (readRecordLine(in, line))
        if (isCountedHeader(line))
            ++count;
    return count;
}

std::optional<int> FindPuzzle(std::istream& in, int n) {
    int counter = 0;
    std::string line;
    while (readRecordLine(in, line)) {
        if (!isHeader(line))
            continue;
        ++counter;
        if (counter >= n)
            return leadingInt(std::string_view(line).substr(1));
    }
    return std::nullopt;
}

namespace {

// ReadPuzzle around the loading of record n by `load`.
template <class Load>
bool readPuzzleWith(AppState& st, UserInterface& ui, const std::string& file, int n, Load&& load) {
    // A solve still running on the grid (reached through its event pumping)
    // must stop before it touches the replaced cells.
    if (st.autosolving)
        st.cancelsolve = true;
    const unsigned generation = st.grid.generation;
    bool ok = true;
    {
        BusyPointer busy(ui);
        HiddenGrid hidden(ui);
        if (n == -1)
            loadEmpty(st);
        else
            ok = load();
        // Cells replaced by a load that failed later are placed all the same,
        // and the modes that worked on the old cells end with them.
        if (ok || st.grid.generation != generation) {
            st.grid.place();
            FitGridWindow(st);
            st.solver.clearLists();
            st.manualmode = false;
            st.editmode = false;
            st.interactive = false;
            st.texts.status.clear(); // it told about the cells replaced
        }
        if (ok) {
            if (n != -1)
                st.puznum = n;
            st.texts.puzNumNow = plainNumber(st.puznum);
            st.texts.puzNumber = " of" + spacedNumber(st.npuzzles);
            st.texts.caption = st.puzfile;
        }
    }
    if (!ok) {
        ui.message("Error reading puzzle#" + spacedNumber(n) + " from file " + file);
        st.puznum = leadingInt(st.texts.puzNumNow);
    }
    return ok;
}

} // namespace

bool ReadPuzzle(AppState& st, UserInterface& ui, const std::string& file, int n) {
    return readPuzzleWith(st, ui, file, n, [&] {
        PuzzleFileReader reader(file);
        return loadFrom(st, reader, n);
    });
}

bool ReadPuzzle(AppState& st, UserInterface& ui, PuzzleFileReader& reader, int n) {
    return readPuzzleWith(st, ui, reader.file(), n, [&] { return loadFrom(st, reader, n); });
}

bool AppendPuzzle(const AppState& st, const std::string& title, int n, bool withSolution,
                  const std::string& file) {
    std::string text = recordText(st.grid, st.whitecol, title, n, withSolution);
    // A last line without its line end would swallow the new header.
    {
        std::ifstream in(file, std::ios::binary | std::ios::ate);
        if (in && in.tellg() > 0) {
            in.seekg(-1, std::ios::end);
            if (in.get() != '\n')
                text.insert(0, "\r\n");
        }
    }
    std::error_code ec;
    const bool existed = fs::exists(fs::symlink_status(file, ec));
    const long long before = FileLength(file);
    std::ofstream out(file, std::ios::binary | std::ios::app);
    if (!out)
        return false;
    out << text;
    out.flush();
    if (out.good())
        return true;
    out.close();
    // Whatever part of the record reached the file goes again.
    if (!existed && fs::is_regular_file(file, ec))
        fs::remove(file, ec);
    else if (before >= 0 && FileLength(file) > before)
        fs::resize_file(file, static_cast<std::uintmax_t>(before), ec);
    return false;
}

std::string titleLine(std::string_view title) {
    std::string t(title);
    for (char& ch : t)
        if (ch == '\r' || ch == '\n')
            ch = ' ';
    // Reading cuts a title at a comma, trims it and takes a leading quote as
    // quoting; a leading "#" would make the title line count as a header.
    const bool plain = parseTitle(t) == t && (t.empty() || t[0] != '#');
    if (plain)
        return t;
    std::string quoted = "\"";
    for (char ch : t) {
        if (ch == '"')
            quoted += '"';
        quoted += ch;
    }
    quoted += '"';
    return quoted;
}

std::string parseTitle(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    if (i < line.size() && line[i] == '"') {
        std::string title;
        for (++i; i < line.size(); ++i) {
            if (line[i] == '"') {
                if (i + 1 < line.size() && line[i + 1] == '"') {
                    title += '"';
                    ++i;
                    continue;
                }
                break;
            }
            title += line[i];
        }
        return title;
    }
    const std::size_t comma = line.find(',', i);
    return trim(
        line.substr(i, comma == std::string_view::npos ? std::string_view::npos : comma - i));
}

RecordSize parseSize(std::string_view line) {
    RecordSize size;
    const std::size_t comma = line.find(',');
    if (comma != std::string_view::npos) {
        size.rows = leadingInt(line.substr(0, comma));
        size.cols = leadingInt(line.substr(comma + 1));
        return size;
    }
    std::vector<std::string> numbers;
    for (const std::string& piece : split(line, ' '))
        if (!trim(piece).empty())
            numbers.push_back(piece);
    if (!numbers.empty())
        size.rows = leadingInt(numbers[0]);
    if (numbers.size() > 1)
        size.cols = leadingInt(numbers[1]);
    return size;
}

std::string sizeLine(int rows, int cols) {
    return spacedNumber(rows) + "," + spacedNumber(cols);
}

std::vector<LayoutToken> parseLayout(std::string_view rowLine) {
    std::vector<LayoutToken> tokens;
    const std::string_view layout = rowLine.substr(0, rowLine.find('|'));
    for (const std::string& piece : split(layout, ' ')) {
        const std::string t = upper(trim(piece));
        if (t.empty())
            continue;
        LayoutToken token;
        if (t == "X") {
            token.kind = LayoutToken::Kind::Black;
        } else if (t.find(',') != std::string::npos) {
            const auto fields = split(t, ',');
            token.kind = LayoutToken::Kind::Sum;
            token.across = leadingInt(fields[0]);
            token.down = leadingInt(fields[1]);
        } else {
            token.kind = LayoutToken::Kind::White;
            token.count = leadingInt(t);
        }
        tokens.push_back(token);
    }
    return tokens;
}

std::vector<std::string> parseSolution(std::string_view rowLine) {
    const std::size_t bar = rowLine.find('|');
    if (bar == std::string_view::npos)
        return {};
    const std::string part = trim(rowLine.substr(bar + 1));
    if (part.empty())
        return {};
    return split(part, ' ');
}

namespace {

bool isDigits(const std::string& t) {
    return std::all_of(t.begin(), t.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// Whether the tokens, laid from column offset + 1 on, agree with the kinds
// of the row's cells: "X" on black cells, a,d on sum cells, digits (or
// nothing) on white cells.
bool tokensFit(const Grid& grid, Colour whitecol, int r, int offset,
               const std::vector<std::string>& tokens) {
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const int c = offset + static_cast<int>(k) + 1;
        if (c > grid.cols)
            return false;
        const Square& s = grid[grid.CellIndex(r, c)];
        const std::string t = upper(tokens[k]);
        const bool fits = s.Black                ? t == "X"
                          : isWhite(s, whitecol) ? isDigits(t)
                                                 : t.find(',') != std::string::npos;
        if (!fits)
            return false;
    }
    return true;
}

} // namespace

void applySolution(Grid& grid, Colour whitecol, const std::vector<std::string>& lines) {
    const int rows = std::min(grid.rows, static_cast<int>(lines.size()));
    for (int r = 1; r <= rows; ++r) {
        const auto tokens = parseSolution(lines[static_cast<std::size_t>(r - 1)]);
        const int n = static_cast<int>(tokens.size());
        // Trimming loses an empty token at either end of a solution part:
        // with fewer tokens than cells, lay them from the right when only
        // that matches the row's cell kinds.
        int offset = 0;
        if (n < grid.cols && !tokensFit(grid, whitecol, r, 0, tokens) &&
            tokensFit(grid, whitecol, r, grid.cols - n, tokens))
            offset = grid.cols - n;
        for (int k = 0; k < n && offset + k < grid.cols; ++k) {
            Square& s = grid[grid.CellIndex(r, offset + k + 1)];
            const std::string& t = tokens[static_cast<std::size_t>(k)];
            if (isWhite(s, whitecol) && isDigits(t))
                s.Choices = t;
        }
    }
}

std::vector<std::string> rowLines(const Grid& grid, Colour whitecol, bool withSolution) {
    // Length of every white run, stored at the run's first cell; runs go on
    // across row ends.
    std::vector<int> runLength(static_cast<std::size_t>(grid.ncells) + 1, 0);
    for (int i = 1; i <= grid.ncells; ++i) {
        if (!isWhite(grid[i], whitecol) || (i > 1 && isWhite(grid[i - 1], whitecol)))
            continue;
        int j = i;
        while (j <= grid.ncells && isWhite(grid[j], whitecol))
            ++j;
        runLength[static_cast<std::size_t>(i)] = j - i;
    }

    std::vector<std::string> lines;
    for (int r = 1; r <= grid.rows; ++r) {
        std::string layout, solution;
        for (int c = 1; c <= grid.cols; ++c) {
            const int i = grid.CellIndex(r, c);
            const Square& s = grid[i];
            if (s.Black) {
                layout += "X ";
                solution += "X ";
            } else if (s.BackColor == whitecol) {
                if (const int len = runLength[static_cast<std::size_t>(i)]; len > 0)
                    layout += plainNumber(len) + " ";
                solution += s.Choices + " ";
            } else {
                layout += clueToken(s) + " ";
                solution += clueToken(s) + " ";
            }
        }
        lines.push_back(withSolution ? trim(layout) + "|" + trim(solution) : trim(layout));
    }
    return lines;
}

std::string recordText(const Grid& grid, Colour whitecol, std::string_view title, int n,
                       bool withSolution) {
    std::string text = "#" + plainNumber(n) + "\r\n";
    text += titleLine(title) + "\r\n";
    text += sizeLine(grid.rows, grid.cols) + "\r\n";
    for (const std::string& line : rowLines(grid, whitecol, withSolution))
        text += line + "\r\n";
    return text;
}

std::optional<PuzzleRecord> readRecord(PuzzleFileReader& reader, int n) {
    const auto text = reader.record(n);
    if (!text || text->lines.size() < 2)
        return std::nullopt;
    const RecordSize size = parseSize(text->lines[1]);
    const auto rows = static_cast<std::size_t>(size.rows);
    if (!validSize(size) || text->lines.size() < 2 + rows)
        return std::nullopt;
    PuzzleRecord record;
    record.number = text->number;
    record.title = parseTitle(text->lines[0]);
    record.rows = size.rows;
    record.cols = size.cols;
    record.lines.assign(text->lines.begin() + 2, text->lines.begin() + 2 + size.rows);
    return record;
}

std::optional<PuzzleRecord> readRecord(const std::string& file, int n) {
    PuzzleFileReader reader(file);
    return readRecord(reader, n);
}

} // namespace vextor
