// Repairing a random layout, one defect at a time: AdjustGreyCells on the
// cell records, and the same repairs on the cell kinds alone (KindRepairs),
// which creation uses as they are much faster.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vextor {

// One repair step: finds the first defect in a fixed order and recolours to
// mend it (returns false), or, when there is none, turns clueless sum cells
// black, applies the colours and returns true. A layout whose white cells
// fall apart is reported (returns false) but never mended.
bool AdjustGreyCells(AppState& st, UserInterface& ui, bool showMessages);

// The repair loop of one layout on the cell records, step by step as
// AdjustGreyCells works, each step followed by the clean-up (clueless sum
// cells blackened, colours applied) and an event pump. True when the layout
// became valid within st.maxtries steps; false also when its colours repeat
// (it goes round in a circle) or another grid was loaded meanwhile.
bool repairOnRecords(AppState& st, UserInterface& ui, unsigned generation);

// The kind of a cell while a layout is drawn and repaired.
enum CellKind : unsigned char { kWhite, kGrey, kBlack };

// The repair steps of AdjustGreyCells, with the clean-up that follows each,
// on the cell kinds alone. Between steps the records are the colours applied
// (every sum cell marked -1 both ways), so the kinds decide everything: a
// white cell found uncovered turns grey without clues and the clean-up
// blackens it at once; a black cell heading a headless run turns grey with a
// mark and stays. The kinds are two bit planes of 128 bits, each row taking
// cols + 1 bits (the last one never set, so a shift along a row never
// reaches the next row), and each step finds its defect with whole-grid
// masks; grids that do not fit (fits) are repaired on the records.
class KindRepairs {
public:
    KindRepairs(int rows, int cols);

    // Whether a grid of this size fits the bit planes (up to 10 x 10 does).
    static bool fits(int rows, int cols);

    // BreakLongRuns on the kinds: the runs of the sum cells (every one marked
    // both ways) as FindRuns records them, then the blackening.
    void breakLongRuns();

    // Repairs the kinds until they are valid (true), the white cells fall
    // apart, a state repeats or more than maxSteps steps were taken (false).
    // `kind` holds the last state.
    bool repair(int maxSteps);

    // The kinds (index 0 unused): drawn into by the layout, read after repair.
    std::vector<unsigned char> kind;

private:
    using Bits = unsigned __int128;
    enum class Step { Repaired, Blocked, Valid };

    Step step();
    void load();
    void store();
    void forgetStates();
    bool remember();

    static Bits bit(int b) { return static_cast<Bits>(1) << b; }
    static int lowest(Bits x);
    void setBit(int b, CellKind k);
    unsigned char at(int i) const { return kind[static_cast<std::size_t>(i)]; }

    int rows_, cols_, n_, stride_;
    Bits grid_ = 0, white_ = 0, grey_ = 0;
    int resumeBit_ = 0;
    std::vector<int> hits_;
    // An open-addressed table of the states of the present layout; entries
    // of earlier layouts carry an older stamp. The repair steps are limited
    // to ncells / 2, well below the slots.
    struct Seen {
        Bits white = 0, grey = 0;
        unsigned stamp = 0;
    };
    static constexpr std::size_t kSeenSlots = 256;
    std::vector<Seen> seen_;
    unsigned stamp_ = 0;
};

// The kinds onto the grid: colours, then the records from them.
void paintKinds(AppState& st, const std::vector<unsigned char>& kind);

} // namespace vextor
