#include "state/solver_work.h"

#include <algorithm>

namespace vextor {

void SolverWork::load(const Grid& g) {
    cells.assign(static_cast<std::size_t>(g.ncells) + 1, DigitList());
    for (int i = 1; i <= g.ncells; ++i)
        cells[static_cast<std::size_t>(i)] = DigitList::fromText(g[i].Choices);
    listRuns(g);
}

bool SolverWork::listRuns(const Grid& g) {
    std::size_t nRuns = 0, nCells = 0;
    bool same = true;
    for (const bool across : {true, false}) {
        for (int i = 1; i <= g.ncells; ++i) {
            const auto& list = across ? g[i].cellsacross : g[i].cellsdown;
            if (list.empty())
                continue;
            SolverRun r;
            r.head = i;
            r.clue = across ? g[i].across : g[i].down;
            r.len = across ? g[i].lenacross : g[i].lendown;
            r.begin = static_cast<int>(nCells);
            r.end = static_cast<int>(nCells + list.size());
            if (same) {
                same = nRuns < runs.size() && runs[nRuns].head == r.head &&
                       runs[nRuns].clue == r.clue && runs[nRuns].len == r.len &&
                       runs[nRuns].end == r.end && runCells.size() >= nCells + list.size() &&
                       std::equal(list.begin(), list.end(), runCells.begin() + r.begin);
                if (!same) {
                    runs.resize(nRuns);
                    runCells.resize(nCells);
                }
            }
            if (!same) {
                runs.push_back(r);
                runCells.insert(runCells.end(), list.begin(), list.end());
            }
            ++nRuns;
            nCells += list.size();
        }
        if (across) {
            if (same && acrossRuns != nRuns) {
                same = false;
                runs.resize(nRuns);
                runCells.resize(nCells);
            }
            acrossRuns = nRuns;
        }
    }
    if (same && runs.size() == nRuns && runCells.size() == nCells &&
        passKept.size() == kRulePasses * nRuns)
        return false;
    runs.resize(nRuns);
    runCells.resize(nCells);
    passSeen.assign(kRulePasses * nCells, DigitList());
    passKept.assign(kRulePasses * nRuns, 0);
    return true;
}

void SolverWork::forgetRuns() {
    runs.clear();
    runCells.clear();
    passKept.clear();
    acrossRuns = 0;
}

void SolverWork::store(Grid& g) const {
    for (int i = 1; i <= g.ncells && static_cast<std::size_t>(i) < cells.size(); ++i)
        cells[static_cast<std::size_t>(i)].writeText(g[i].Choices);
}

bool SolverWork::passKeepsRun(RulePass pass, const SolverRun& r) const {
    const auto index = static_cast<std::size_t>(&r - runs.data());
    const auto p = static_cast<std::size_t>(pass);
    if (!passKept[p * runs.size() + index])
        return false;
    const DigitList* seen = passSeen.data() + p * runCells.size();
    for (int k = r.begin; k < r.end; ++k)
        if (!(cells[static_cast<std::size_t>(runCells[static_cast<std::size_t>(k)])] == seen[k]))
            return false;
    return true;
}

void SolverWork::notePass(RulePass pass, const SolverRun& r, bool keptAsItWas) {
    const auto index = static_cast<std::size_t>(&r - runs.data());
    const auto p = static_cast<std::size_t>(pass);
    passKept[p * runs.size() + index] = keptAsItWas;
    if (!keptAsItWas)
        return;
    DigitList* seen = passSeen.data() + p * runCells.size();
    for (int k = r.begin; k < r.end; ++k)
        seen[k] = cells[static_cast<std::size_t>(runCells[static_cast<std::size_t>(k)])];
}

} // namespace vextor
