#include "manual/saved_game.h"

#include "base/silent_user_interface.h"
#include "base/text.h"
#include "files/puzzle_file.h"
#include "files/safe_file.h"
#include "manual/manual_solve.h"
#include "manual/play_aids.h"
#include "model/grid_checks.h"
#include "state/cursor.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vextor {

namespace fs = std::filesystem;

namespace {

// The saved file: one "word value" per line, in this order, the last line
// "end" and the check sum of the lines before it (their texts, each
// followed by "\n"):
//   vextor game 1 / key K / path P / cells N / start SNAPSHOT / now SNAPSHOT /
//   marks C=M ... / notes 0|1 / cursor C / undo ENTRY (newest first) /
//   mark DEPTH C=M ... (newest first) / redo ENTRY C=M ... (next first) /
//   time SECONDS / end SUM
// Pencil marks are given as the cells whose mask differs: "marks" from
// none, every "mark" and "redo" line from the marks of the line before it
// ("marks" for the first).
constexpr const char* kFirstLine = "vextor game 1";
constexpr std::uintmax_t kLargestFile = 4u << 20;
constexpr long long kLongestTime = 1000000000;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

std::uint64_t fnv1a(std::string_view text, std::uint64_t hash = 0xcbf29ce484222325ull) {
    for (const unsigned char c : text) {
        hash ^= c;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

std::string hex16(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::string resolvedPath(const std::string& path) {
    std::error_code ec;
    const fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? path : resolved.string();
}

// A whole number 0..max written plainly.
bool readNumber(std::string_view text, long long max, long long& value) {
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != text.npos)
        return false;
    value = std::stoll(std::string(text));
    return value <= max;
}

bool isDigits(std::string_view text) {
    return text.size() <= 9 && text.find_first_not_of("123456789") == text.npos;
}

bool isOpenable(const Square& s) {
    return !s.known && !s.Black;
}

// " C=M" for every cell whose mask in `to` differs from `from`.
std::string marksText(const std::vector<PencilMask>& from, const std::vector<PencilMask>& to) {
    std::string text;
    for (std::size_t i = 1; i < to.size(); ++i)
        if (i >= from.size() || from[i] != to[i])
            text += " " + std::to_string(i) + "=" + std::to_string(to[i]);
    return text;
}

// Applies "C=M C=M ..." to marks; false on anything else.
bool readMarks(std::string_view text, std::vector<PencilMask>& marks) {
    for (const std::string& word : split(text, ' ')) {
        if (word.empty())
            continue;
        const std::size_t eq = word.find('=');
        long long cell = 0, mask = 0;
        if (eq == std::string::npos ||
            !readNumber(std::string_view(word).substr(0, eq),
                        static_cast<long long>(marks.size()) - 1, cell) ||
            cell < 1 || !readNumber(std::string_view(word).substr(eq + 1), 0x3FE, mask) ||
            (mask & 1) != 0)
            return false;
        marks[static_cast<std::size_t>(cell)] = static_cast<PencilMask>(mask);
    }
    return true;
}

// An undo entry as the undo list writes it, naming open cells of the grid.
bool validEntry(const Grid& g, const std::string& entry) {
    const std::vector<UndoChange> changes = undoChanges(entry);
    const bool group = entry.starts_with("G");
    if (!group && changes.size() != 1)
        return false;
    std::string again = group ? "G" : "";
    for (const UndoChange& c : changes) {
        if (!g.valid(c.cell) || !isOpenable(g[c.cell]) || !isDigits(c.choices))
            return false;
        again += (group ? ";" : "") + std::to_string(c.cell) + "," + c.choices;
    }
    return again == entry;
}

std::string gameBody(const AppState& st) {
    const Grid& g = st.grid;
    const PlayAids& a = st.aids;
    std::ostringstream out;
    out << kFirstLine << "\n";
    out << "key " << PuzzleKey(st) << "\n";
    out << "path " << resolvedPath(st.puzfile) << "\n";
    out << "cells " << g.ncells << "\n";
    out << "start " << snapshotLine(g, true) << "\n";
    out << "now " << snapshotLine(g) << "\n";
    out << "marks" << marksText(std::vector<PencilMask>(a.pencil.size(), 0), a.pencil) << "\n";
    out << "notes " << (a.notesStartedEmpty ? 1 : 0) << "\n";
    out << "cursor " << st.curcell << "\n";
    for (const std::string& entry : st.undolist)
        out << "undo " << entry << "\n";
    // Only records of entries still in the undo list are read back.
    const std::vector<PencilMask>* before = &a.pencil;
    std::size_t depth = st.undolist.size() + 1;
    for (auto u = a.undo.rbegin(); u != a.undo.rend(); ++u) {
        if (u->depth >= depth || u->depth < 1 || u->pencil.size() != a.pencil.size())
            continue;
        depth = u->depth;
        out << "mark " << depth << marksText(*before, u->pencil) << "\n";
        before = &u->pencil;
    }
    before = &a.pencil;
    for (auto r = a.redo.rbegin(); r != a.redo.rend(); ++r) {
        const std::vector<PencilMask>& marks = r->pencil.empty() ? *before : r->pencil;
        out << "redo " << r->entry << marksText(*before, marks) << "\n";
        before = &marks;
    }
    return out.str();
}

std::string withTime(const std::string& body, long long seconds) {
    const std::string text = body + "time " + std::to_string(seconds) + "\n";
    return text + "end " + hex16(fnv1a(text)) + "\n";
}

// The saved text's lines, "\r\n" or "\n" ended; the check sum is taken off.
// False when the last line is not the right "end" line.
bool checkedLines(const std::string& text, std::vector<std::string>& lines) {
    std::string plain;
    plain.reserve(text.size());
    for (const char c : text)
        if (c != '\r')
            plain += c;
    if (!plain.ends_with("\n"))
        return false;
    plain.pop_back();
    const std::size_t last = plain.rfind('\n');
    if (last == std::string::npos || plain.compare(last + 1, 4, "end ") != 0 ||
        plain.substr(last + 5) != hex16(fnv1a(std::string_view(plain).substr(0, last + 1))))
        return false;
    lines = split(std::string_view(plain).substr(0, last), '\n');
    return true;
}

// What manual solving started over: given back when a saved game does not fit.
struct Before {
    Grid grid;
    int curcell = 0;
    std::vector<int> acrossowner, downowner;

    explicit Before(const AppState& st)
        : grid(st.grid), curcell(st.curcell), acrossowner(st.solver.acrossowner),
          downowner(st.solver.downowner) {}
    void putBack(AppState& st) const {
        st.grid = grid;
        st.curcell = curcell;
        st.solver.acrossowner = acrossowner;
        st.solver.downowner = downowner;
        st.manualmode = false;
        st.undolist.clear();
        st.aids.pencil.clear();
        st.aids.undo.clear();
        st.aids.redo.clear();
    }
};

// The saved game read into st, already in manual solving on the same grid.
bool readGame(AppState& st, const std::vector<std::string>& lines) {
    Grid& g = st.grid;
    PlayAids& a = st.aids;
    const std::size_t size = at(g.ncells) + 1;
    std::size_t n = 0;
    // The next line, when it is `word` alone or followed by a blank and the
    // value.
    std::string_view value;
    auto next = [&](std::string_view word) {
        if (n >= lines.size() || !lines[n].starts_with(word))
            return false;
        const std::string_view line = lines[n];
        if (line.size() > word.size() && line[word.size()] != ' ')
            return false;
        value = line.size() > word.size() ? line.substr(word.size() + 1) : std::string_view();
        ++n;
        return true;
    };
    auto nextIs = [&](std::string_view word, const std::string& expected) {
        return next(word) && value == expected;
    };
    long long number = 0;
    if (lines.empty() || lines[n++] != kFirstLine || !nextIs("key", PuzzleKey(st)) ||
        !nextIs("path", resolvedPath(st.puzfile)) || !nextIs("cells", std::to_string(g.ncells)) ||
        !nextIs("start", snapshotLine(g, true)) || !next("now"))
        return false;
    const std::vector<std::string> now = split(value, ',');
    if (now.size() != size || !now.back().empty())
        return false;
    for (int i = 1; i <= g.ncells; ++i) {
        const std::string& c = now[at(i - 1)];
        if (c != g[i].Choices0 && !(isOpenable(g[i]) && isDigits(c)))
            return false;
    }
    std::vector<PencilMask> marks(size, 0);
    if (!next("marks") || !readMarks(value, marks))
        return false;
    if (!next("notes") || (value != "0" && value != "1"))
        return false;
    const bool notesEmpty = value == "1";
    if (!next("cursor") || !readNumber(value, g.ncells, number))
        return false;
    const int cursor = static_cast<int>(number);
    std::deque<std::string> undo;
    while (next("undo")) {
        if (!validEntry(g, std::string(value)))
            return false;
        undo.emplace_back(value);
    }
    std::vector<PlayAids::Saved> saved; // newest first
    std::vector<PencilMask> chain = marks;
    std::size_t depth = undo.size() + 1;
    while (next("mark")) {
        const std::size_t blank = value.find(' ');
        if (!readNumber(value.substr(0, blank), static_cast<long long>(depth) - 1, number) ||
            number < 1 || (blank != value.npos && !readMarks(value.substr(blank + 1), chain)))
            return false;
        depth = static_cast<std::size_t>(number);
        saved.push_back({depth, chain});
    }
    std::vector<PlayAids::Redo> redo; // next first
    chain = marks;
    while (next("redo")) {
        const std::size_t blank = value.find(' ');
        const std::string entry(value.substr(0, blank));
        if (!validEntry(g, entry) ||
            (blank != value.npos && !readMarks(value.substr(blank + 1), chain)))
            return false;
        redo.push_back({entry, chain});
    }
    if (!next("time") || !readNumber(value, kLongestTime, number) || n != lines.size())
        return false;

    for (int i = 1; i <= g.ncells; ++i)
        g[i].Choices = now[at(i - 1)];
    st.undolist = std::move(undo);
    a.pencil = std::move(marks);
    a.notesStartedEmpty = notesEmpty;
    a.undo.assign(saved.rbegin(), saved.rend());
    a.redo.assign(redo.rbegin(), redo.rend());
    st.game.seconds = number;
    st.game.finished = false;
    ColourRunSums(st);
    if (g.valid(cursor) && !g[cursor].known)
        MoveCursor(st, cursor);
    return true;
}

bool readSmallFile(const std::string& file, std::string& text) {
    std::error_code ec;
    const auto length = fs::file_size(file, ec);
    if (ec || length > kLargestFile)
        return false;
    std::ifstream in(file, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return static_cast<bool>(in);
}

void removeQuietly(const std::string& file) {
    std::error_code ec;
    fs::remove(file, ec);
}

} // namespace

std::string PuzzleKey(const AppState& st) {
    std::string record = resolvedPath(st.puzfile) + "\n" + st.texts.title + "\n" +
                         sizeLine(st.grid.rows, st.grid.cols) + "\n";
    for (const std::string& row : rowLines(st.grid, st.whitecol, false))
        record += row + "\n";
    return hex16(fnv1a(record));
}

std::string SavedGameFile(const AppState& st) {
    if (st.savefolder.empty())
        return {};
    return (fs::path(st.savefolder) / (PuzzleKey(st) + ".game")).string();
}

std::string SavedGameText(const AppState& st) {
    return withTime(gameBody(st), st.game.seconds);
}

bool RestoreGame(AppState& st, const std::string& text) {
    std::vector<std::string> lines;
    if (!checkedLines(text, lines))
        return false;
    const Before before(st);
    BeginManualMode(st);
    if (readGame(st, lines))
        return true;
    before.putBack(st);
    return false;
}

void AutoSaveGame(AppState& st, bool now) {
    GameProgress& p = st.game;
    if (st.savefolder.empty() || !st.manualmode || st.autosolving || p.finished ||
        !playAidsCurrent(st))
        return;
    const std::string file = SavedGameFile(st);
    if (!p.savedFile.empty() && p.savedFile != file) { // the puzzle's key changed
        removeQuietly(p.savedFile);
        p.savedFile.clear();
    }
    if (!HasManualEntries(st) && st.undolist.empty() && st.aids.redo.empty()) {
        if (!p.savedFile.empty())
            removeQuietly(p.savedFile);
        p.savedFile.clear();
        return;
    }
    const std::string body = gameBody(st);
    const long long moved = p.seconds - p.savedSeconds;
    if (p.savedFile == file && p.savedBody == body &&
        (now ? moved == 0 : moved < kTimeSaveStep && moved >= 0))
        return;
    std::error_code ec;
    fs::create_directories(st.savefolder, ec);
    ReplacingWriter out(file);
    out.out() << withTime(body, p.seconds);
    if (!out.commit())
        return;                // tried again after the next change
    if (p.savedFile != file) { // the newest game: where the next start finds it
        ReplacingWriter last(st.savefolder + "/" + kLastGameFile);
        last.out() << st.puzfile << "\n" << st.puznum << "\n";
        last.commit();
    }
    p.savedFile = file;
    p.savedBody = body;
    p.savedSeconds = p.seconds;
}

bool OfferResume(AppState& st, UserInterface& ui) {
    GameProgress& p = st.game;
    if (st.grid.generation == p.seenGeneration)
        return false;
    p.seenGeneration = st.grid.generation;
    p.savedFile.clear();
    p.savedBody.clear();
    if (st.savefolder.empty() || st.manualmode || st.editmode || st.autosolving || st.shuttingdown)
        return false;
    const std::string file = SavedGameFile(st);
    std::string text;
    if (!readSmallFile(file, text))
        return false;
    const Before before(st);
    if (!RestoreGame(st, text)) {
        removeQuietly(file);
        return false;
    }
    const unsigned generation = st.grid.generation;
    if (!ui.askYesNo("Resume where you left off?")) {
        if (st.grid.generation == generation)
            before.putBack(st);
        removeQuietly(file);
        return false;
    }
    if (st.grid.generation != generation)
        return false; // another puzzle was loaded meanwhile
    p.savedFile = file;
    p.savedBody = gameBody(st);
    p.savedSeconds = p.seconds;
    CheckAsYouGo(st, ui);
    return true;
}

bool ResumeLastGame(AppState& st, UserInterface& ui) {
    std::string text;
    if (st.savefolder.empty() || !readSmallFile(st.savefolder + "/" + kLastGameFile, text))
        return false;
    std::istringstream in(text);
    std::string path, number;
    std::getline(in, path);
    std::getline(in, number);
    const int n = leadingInt(number);
    if (number != std::to_string(n) || n < 1 || n > st.npuzzles || n == st.puznum ||
        !SameFile(path, st.puzfile))
        return OfferResume(st, ui); // the grid loaded may have one
    // The record is loaded quietly: only a game to resume is worth a word.
    const int shown = st.puznum;
    SilentUserInterface quiet;
    if (ReadPuzzle(st, quiet, st.puzfile, n) && fs::exists(SavedGameFile(st)) &&
        OfferResume(st, ui))
        return true;
    ReadPuzzle(st, ui, st.puzfile, shown); // its own game, if any, is offered next
    return false;
}

void ForgetSavedGame(AppState& st) {
    GameProgress& p = st.game;
    if (!p.savedFile.empty())
        removeQuietly(p.savedFile);
    if (const std::string file = SavedGameFile(st); !file.empty())
        removeQuietly(file);
    p.savedFile.clear();
    p.savedBody.clear();
}

} // namespace vextor
