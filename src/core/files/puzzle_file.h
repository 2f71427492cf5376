// The puzzle-file record format: counting, finding, reading and appending records.
//
// A record is a header line "#N", a title line, a size line " R, C" and one
// line per grid row: the layout tokens ("X", "a,d", or a count of white
// cells), optionally followed by "|" and one solution token per cell. Lines
// end in CRLF when written; CRLF and LF read alike.
#pragma once

#include "base/user_interface.h"
#include "files/puzzle_reader.h"
#include "model/grid.h"
#include "state/app_state.h"

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vextor {

// ---- Whole-file operations -------------------------------------------------

// Number of records: lines starting with "#" whose number after it is > 0.
// A missing or empty file gives 0.
int CountPuzzles(const std::string& file, UserInterface& ui);

// Reads lines from `in` up to the n-th line starting with "#" (n < 1 stops at
// the first) and returns the number written after that "#"; nullopt when the
// input ends first. Afterwards `in` stands at the line after the header.
std::optional<int> FindPuzzle(std::istream& in, int n);

// Loads record n of file into the grid (n = -1: an empty 9 x 9 grid, no file
// read). Sets npuzzles, puznum and the main-window texts. On failure shows
// "Error reading puzzle# N from file PATH", restores puznum from the number
// box and returns false; what was changed before the fault stays changed.
// A record whose row lines do not cover every cell is damaged and fails.
// Cells replaced before a fault are placed, and manual, edit and interactive
// solving end as after a load: none of them may go on over the new cells.
bool ReadPuzzle(AppState& st, UserInterface& ui, const std::string& file, int n);
// The same with the file already indexed: what commands over many records of
// one file use (see PuzzleFileReader).
bool ReadPuzzle(AppState& st, UserInterface& ui, PuzzleFileReader& reader, int n);

// Appends the current grid as record n (with the solution part when
// withSolution), creating the file when missing; a line end is written first
// when the file's last line has none. Returns false when the file cannot be
// written; a record cut short (a full disk) is taken off again, so the file
// is as it was.
bool AppendPuzzle(const AppState& st, const std::string& title, int n, bool withSolution,
                  const std::string& file);

// ---- Pure record text: no grid state, no files -----------------------------

// One line of a text stream: up to LF, a CR before the LF dropped, a UTF-8
// byte-order mark at the start of the stream dropped. False at the end of
// the input.
bool readRecordLine(std::istream& in, std::string& line);

// The title as written on a record's title line: unchanged, except that a
// title that reading would not give back whole (a comma, a leading double
// quote, leading or trailing blanks) or that starts with "#" is written in
// double quotes with its quotes doubled, and line breaks become spaces.
std::string titleLine(std::string_view title);
// The title read from a title line: the first comma-separated field, trimmed;
// a field starting with a double quote runs to the closing quote (a doubled
// quote inside stands for one quote).
std::string parseTitle(std::string_view line);

// Rows and columns of a size line: two numbers separated by a comma or spaces
// (a missing number reads as 0).
struct RecordSize {
    int rows = 0;
    int cols = 0;
};
RecordSize parseSize(std::string_view line);
std::string sizeLine(int rows, int cols); // " 9, 9"

// One layout token of a row line.
struct LayoutToken {
    enum class Kind { Black, Sum, White };
    Kind kind = Kind::White;
    int across = 0; // Sum
    int down = 0;   // Sum
    int count = 0;  // White: number of consecutive white cells (0 or less: none)
};
// The layout tokens of a row line: the text before the first "|", split at
// spaces, empty pieces skipped.
std::vector<LayoutToken> parseLayout(std::string_view rowLine);

// The solution tokens of a row line: the text after the first "|" split at
// single spaces (an empty token is a white cell without candidates). Empty
// when the line has no solution part.
std::vector<std::string> parseSolution(std::string_view rowLine);

// Writes the solution parts of a record's row lines into the grid: each white
// cell of a row gets the token at its column as Choices, when that token is
// a digit string (or empty). Tokens are matched to the cells of their row
// from the left, or from the right when a row has fewer tokens than cells
// and only that matches the kinds of its cells (an empty token lost at the
// start); a row line without a solution part, and cells without a token,
// stay unchanged.
void applySolution(Grid& grid, Colour whitecol, const std::vector<std::string>& lines);

// The row lines of the grid as a record holds them: the white-cell counts run
// across row ends; with the solution part when withSolution.
std::vector<std::string> rowLines(const Grid& grid, Colour whitecol, bool withSolution);

// The complete record text (header, title, size, rows), every line ending in
// CRLF: exactly what AppendPuzzle appends.
std::string recordText(const Grid& grid, Colour whitecol, std::string_view title, int n,
                       bool withSolution);

// Record n of a file as text: the header number, the title, the size and the
// `rows` row lines unchanged. nullopt when the file cannot be read, the record
// is missing or truncated, or the size is outside 1..maxrows x 1..maxcols.
struct PuzzleRecord {
    int number = 0;
    std::string title;
    int rows = 0;
    int cols = 0;
    std::vector<std::string> lines; // the row lines, top to bottom
};
std::optional<PuzzleRecord> readRecord(const std::string& file, int n);
std::optional<PuzzleRecord> readRecord(PuzzleFileReader& reader, int n);

} // namespace vextor
