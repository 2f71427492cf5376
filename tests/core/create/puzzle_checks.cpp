#include "puzzle_checks.h"

#include "create/compile.h"
#include "model/runs.h"
#include "solver/autosolve.h"
#include "support/scripted_ui.h"

namespace vextor::test {

std::string puzzleFault(AppState& st) {
    Grid& g = st.grid;
    FindRuns(g);
    std::vector<int> inRuns(static_cast<std::size_t>(g.ncells) + 1, 0);
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        if (!s.known && (s.Choices.size() != 1 || s.Choices[0] < '1' || s.Choices[0] > '9'))
            return "cell " + std::to_string(i) + " holds '" + s.Choices + "'";
        for (const bool across : {true, false}) {
            const int clue = across ? s.across : s.down;
            const auto& run = across ? s.cellsacross : s.cellsdown;
            if (clue == 0)
                continue;
            if (run.size() < 2 || run.size() > 9)
                return "run of " + std::to_string(run.size()) + " cells at " + std::to_string(i);
            int sum = 0;
            unsigned seen = 0;
            for (int j : run) {
                const int d = g[j].Choices.empty() ? 0 : g[j].Choices[0] - '0';
                if (seen & (1u << d))
                    return "repeated digit in the run at " + std::to_string(i);
                seen |= 1u << d;
                sum += d;
                ++inRuns[static_cast<std::size_t>(j)];
            }
            if (sum != clue)
                return "clue " + std::to_string(clue) + " at " + std::to_string(i) + " sums to " +
                       std::to_string(sum);
        }
    }
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].known && inRuns[static_cast<std::size_t>(i)] == 0)
            return "cell " + std::to_string(i) + " lies in no run";
    std::vector<int> region;
    if (FindChains(st, region))
        return "white cells fall apart";
    ScriptedUserInterface ui;
    st.maxtries = 2 * g.ncells;
    const SolveOutcome o = RunAutoSolve(st, ui, false);
    if (o != SolveOutcome::Solved && o != SolveOutcome::Guessed)
        return "AutoSolve does not solve it";
    return {};
}

} // namespace vextor::test
