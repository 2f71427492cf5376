#include "create/difficulty.h"

#include "base/text.h"
#include "logic/logic_rating.h"

namespace vextor {

Difficulty RatePuzzle(const AppState& st) {
    Difficulty d;
    bool clue = false;
    for (int i = 1; i <= st.grid.ncells && !clue; ++i)
        clue = st.grid[i].known && !st.grid[i].Black && (st.grid[i].across || st.grid[i].down);
    if (!clue)
        return d; // an empty grid: nothing to rate
    const LogicSolve solve = SolveLogically(st.grid, false);
    const LogicRating r = RateSolve(solve);
    d.rated = r.rated;
    d.solved = r.solved;
    d.tier = r.solved ? solve.highestTier : kTopTier + 1;
    d.word = r.word;
    d.number = r.number;
    return d;
}

void UpdateDifficultyText(AppState& st) {
    const Grid& g = st.grid;
    std::string layout = plainNumber(g.rows) + "x" + plainNumber(g.cols) + ":";
    bool white = false, marks = false; // marks: clues still to be compiled (-1)
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        white = white || !s.known;
        marks = marks || (s.known && (s.across < 0 || s.down < 0));
        layout +=
            s.known ? (s.Black ? "X" : plainNumber(s.across) + "," + plainNumber(s.down)) : ".";
        layout += ' ';
    }
    if (marks || !white) {
        st.creator.ratedLayout.clear();
        st.texts.difficulty.clear();
        return;
    }
    if (layout == st.creator.ratedLayout)
        return;
    st.creator.ratedLayout = layout;
    const Difficulty d = RatePuzzle(st);
    st.texts.difficulty = d.rated ? d.word + " " + plainNumber(d.number) : std::string();
}

} // namespace vextor
