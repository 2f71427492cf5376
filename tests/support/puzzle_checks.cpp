#include "support/puzzle_checks.h"

#include "create/compile.h"
#include "model/runs.h"
#include "solver/autosolve.h"
#include "support/scripted_ui.h"

#include <bit>

namespace vextor::test {

std::vector<ClueRun> clueRuns(const Grid& g) {
    std::vector<ClueRun> out;
    for (int i = 1; i <= g.ncells; ++i)
        if (g[i].known && !g[i].Black)
            for (const bool across : {true, false})
                if (const int sum = across ? g[i].across : g[i].down; sum != 0)
                    out.push_back({collectRun(g, g.rowOf(i), g.colOf(i), across), sum});
    return out;
}

long long bruteCount(const Grid& g, const std::vector<std::uint16_t>& start,
                     std::vector<std::uint16_t>* seen) {
    const std::vector<ClueRun> cs = clueRuns(g);
    std::vector<int> d(static_cast<std::size_t>(g.ncells) + 1, 0);
    std::vector<std::vector<const ClueRun*>> cluesOf(d.size());
    if (seen)
        seen->assign(d.size(), 0);
    for (const ClueRun& c : cs) {
        if (c.cells.empty())
            return 0;
        for (const int x : c.cells)
            cluesOf[static_cast<std::size_t>(x)].push_back(&c);
    }
    auto allowed = [&](int cell) -> std::uint16_t {
        return start.empty() ? 0x1FF : start[static_cast<std::size_t>(cell)];
    };
    // A run's digits distinct, its sum within reach of the clue (each empty cell adds 1 to 9).
    auto runsOk = [&](int cell) {
        for (const ClueRun* c : cluesOf[static_cast<std::size_t>(cell)]) {
            int empty = 0, sum = 0, used = 0;
            for (const int x : c->cells) {
                empty += d[x] == 0;
                if (d[x] && (used & (1 << d[x])))
                    return false;
                used |= 1 << d[x];
                sum += d[x];
            }
            if (sum + empty > c->sum || sum + 9 * empty < c->sum)
                return false;
        }
        return true;
    };
    std::vector<int> white;
    long long free = 1;
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].known && cluesOf[static_cast<std::size_t>(i)].empty()) {
            free *= std::popcount(allowed(i));
            if (seen)
                (*seen)[static_cast<std::size_t>(i)] = allowed(i);
        } else if (!g[i].known) {
            white.push_back(i);
        }
    long long count = 0;
    auto rec = [&](auto& self, std::size_t k) -> void {
        if (k == white.size()) {
            ++count;
            for (const int c : white)
                if (seen)
                    (*seen)[static_cast<std::size_t>(c)] |=
                        static_cast<std::uint16_t>(1 << (d[c] - 1));
            return;
        }
        for (int v = 1; v <= 9; ++v) {
            d[white[k]] = v;
            if ((allowed(white[k]) >> (v - 1) & 1) && runsOk(white[k]))
                self(self, k + 1);
        }
        d[white[k]] = 0;
    };
    rec(rec, 0);
    return count * free;
}

std::string puzzleFault(AppState& st) {
    Grid& g = st.grid;
    FindRuns(g);
    std::vector<int> inRuns(static_cast<std::size_t>(g.ncells) + 1, 0);
    bool white = false;
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        const std::string at = " at " + std::to_string(i);
        white = white || !s.known;
        if (!s.known && (s.Choices.size() != 1 || s.Choices[0] < '1' || s.Choices[0] > '9'))
            return "no digit" + at;
        for (const bool across : {true, false}) {
            const int clue = across ? s.across : s.down;
            const auto& run = across ? s.cellsacross : s.cellsdown;
            if (clue == 0)
                continue;
            if (run.size() < 2 || run.size() > 9)
                return "run length" + at;
            int sum = 0;
            unsigned seen = 0;
            for (int j : run) {
                const int d = g[j].Choices.empty() ? 0 : g[j].Choices[0] - '0';
                if (seen & (1u << d))
                    return "repeated digit" + at;
                seen |= 1u << d;
                sum += d;
                ++inRuns[static_cast<std::size_t>(j)];
            }
            if (sum != clue)
                return "wrong sum" + at;
        }
    }
    if (!white)
        return "no white cell";
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].known && inRuns[static_cast<std::size_t>(i)] == 0)
            return "cell " + std::to_string(i) + " lies in no run";
    std::vector<int> region;
    if (FindChains(st, region))
        return "white cells fall apart";
    ScriptedUserInterface ui;
    st.maxtries = 2 * g.ncells;
    const SolveOutcome o = RunAutoSolve(st, ui, false);
    return o == SolveOutcome::Solved || o == SolveOutcome::Guessed ? "" : "AutoSolve fails";
}

} // namespace vextor::test
