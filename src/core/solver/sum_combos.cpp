#include "solver/sum_combos.h"

#include "model/runs.h"
#include "solver/work_grid.h"

#include <span>
#include <vector>

namespace vextor {

SumComboTable::SumComboTable() {
    for (int mask = 1; mask <= 511; ++mask) {
        std::string s;
        int total = 0;
        for (int b = 0; b < 9; ++b) {
            if (mask & (1 << b)) {
                s += static_cast<char>('1' + b);
                total += b + 1;
            }
        }
        if (s.size() > 1)
            entries_[s.size() - kMinCount][static_cast<std::size_t>(total - kMinSum)] += s;
    }
    // Keep each digit once, at its first appearance.
    for (auto& row : entries_) {
        for (auto& entry : row) {
            std::string distinct;
            for (char ch : entry)
                if (distinct.find(ch) == std::string::npos)
                    distinct += ch;
            entry = distinct;
        }
    }
    for (std::size_t n = 0; n < entries_.size(); ++n)
        for (std::size_t t = 0; t < entries_[n].size(); ++t)
            lists_[n][t] = DigitList::fromText(entries_[n][t]);
}

const SumComboTable& BuildSumCombos() {
    static const SumComboTable table;
    return table;
}

std::string FilterDigits(const std::string& current, const std::string& digits) {
    if (current.empty())
        return digits;
    std::string out;
    for (char ch : digits)
        if (current.find(ch) != std::string::npos)
            out += ch;
    return out;
}

namespace {

// FilterDigits(current, digits) written into current without building a new
// string: digits holds each digit 1..9 at most once.
void keepDigits(std::string& current, const std::string& digits) {
    if (current.empty()) {
        current = digits;
        return;
    }
    unsigned have = 0;
    for (char ch : current)
        if (ch >= '1' && ch <= '9')
            have |= 1u << (ch - '1');
    char kept[9];
    std::size_t n = 0;
    for (char ch : digits)
        if (ch >= '1' && ch <= '9' && ((have >> (ch - '1')) & 1u) != 0 && n < sizeof kept)
            kept[n++] = ch;
    current.assign(kept, n);
}

} // namespace

void InitCandidates(AppState& st) {
    GridText text(st);
    Grid& g = st.grid;
    const auto size = static_cast<std::size_t>(g.ncells) + 1;
    st.solver.acrossowner.assign(size, 0);
    st.solver.downowner.assign(size, 0);

    ScanRuns(g, [&g](const std::vector<int>& run, int clue) {
        const std::string& digits = sumcombos(static_cast<int>(run.size()), clue);
        for (int j : run)
            keepDigits(g[j].Choices, digits);
    });
    for (int i = 1; i <= g.ncells; ++i)
        for (int j : g[i].cellsacross)
            st.solver.acrossowner[static_cast<std::size_t>(j)] = i;
    for (int i = 1; i <= g.ncells; ++i)
        for (int j : g[i].cellsdown)
            st.solver.downowner[static_cast<std::size_t>(j)] = i;
}

namespace {

// Passes 1 and 2: a run with settled cells narrows its unsettled cells to
// the digits of the remaining sum, replacing longer candidate strings.
void narrowByRemainder(SolverWork& w, std::span<const int> run, int clue, bool& changed) {
    int k = 0, m = 0;
    for (int j : run) {
        const DigitList& c = w[j];
        if (c.size() == 1) {
            k += c.first();
            ++m;
        }
    }
    const int u = static_cast<int>(run.size()) - m;
    const long long rest = static_cast<long long>(clue) - k;
    if (m < 1 || rest <= 0)
        return;
    const DigitList digits = sumcomboDigits(u, rest > 1000 ? 1000 : static_cast<int>(rest));
    if (digits.empty())
        return;
    for (int j : run) {
        DigitList& c = w[j];
        if (c.size() > digits.size()) {
            c = digits;
            changed = true;
        }
    }
}

} // namespace

void ApplyRunCombos(SolverWork& w) {
    bool changed = false;
    for (const bool across : {true, false})
        w.forEachRunOf(across, [&](const SolverRun& sum, std::span<const int> run) {
            narrowByRemainder(w, run, sum.clue, changed);
        });
    w.forEachRunOf(true, [&](const SolverRun& sum, std::span<const int> run) {
        const unsigned digits = sumcomboDigits(static_cast<int>(run.size()), sum.clue).mask();
        if (digits == 0x1ffu) // no digit excluded
            return;
        for (int j : run) {
            DigitList& c = w[j];
            const DigitList kept = c.keep(digits);
            if (!(kept == c)) {
                c = kept;
                changed = true;
            }
        }
    });
    w.changed = changed;
}

} // namespace vextor
