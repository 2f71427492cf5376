// The logic engine: solves a puzzle step by step the way a person reasons,
// each step named, tiered and explained in words.
//
// Input is a grid (layout and clues) and a candidate state: one 9-bit mask
// per white cell (bit d-1 for digit d) with a flag for a digit that is
// placed. The engine always takes the simplest step available:
//   tier 1 (easy):   a cell with one candidate, the last open cell of a run,
//                    a placed digit out of its runs' other cells, the
//                    combinations a run's length, clue and placed digits allow;
//   tier 2 (medium): one run reasoned on its own exactly: the combinations its
//                    cells' candidates still fit, a digit that one cell alone
//                    can take, pairs and triples, any filling test of the run;
//   tier 3 (hard):   sums over areas of bands of rows or columns, and the
//                    one-step test (a candidate whose placing leaves, after
//                    tier 2 on the runs it touches, a run without possibility);
//   tier 4 (expert): a chain: one assumed candidate and at most eight steps of
//                    tiers 1 to 3 reach a contradiction.
// Beyond that it is stuck; it never guesses. Independent of the application
// state, of the cells' Choices and of AutoSolve.
#pragma once

#include "model/grid.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vextor {

using DigitMask = std::uint16_t;
constexpr DigitMask kAllDigits = 0x1FF;  // digits 1..9 as bits 0..8
constexpr DigitMask kPlacedFlag = 0x200; // the cell's one digit is placed

// Candidate masks by cell number (0..ncells); 0 for cells that are not white.
using LogicState = std::vector<DigitMask>;

enum class Technique : std::uint8_t {
    Single,          // a cell with one candidate left
    LastCell,        // the last open cell of a run
    PlacedDigit,     // a placed digit leaves the other cells of its runs
    Combinations,    // the combinations of the run's length, clue and placed digits
    RunCombinations, // the combinations the cells' candidates still fit
    HiddenSingle,    // a digit the run needs that only one cell can take
    Pair,            // two cells holding the same two digits
    Triple,          // three cells holding three digits between them
    Group,           // four or more cells holding as many digits
    RunFilling,      // every filling of the run tried
    AreaSum,         // the sum over an area of a band of rows or columns
    OneStepTest,     // a candidate that breaks a run one step later
    Chain,           // an assumed candidate leads to a contradiction
};

constexpr int kTechniques = 13;
constexpr int kTopTier = 4;

int techniqueTier(Technique t);
// A short word for lists and files ("last-cell"), and the name for people
// ("Last cell").
const char* techniqueId(Technique t);
const char* techniqueName(Technique t);

// A run: the white cells a clue governs.
struct LogicRun {
    int head = 0; // the sum cell
    bool across = true;
    int clue = 0;
    std::vector<int> cells; // cell numbers, in order
};

struct LogicChange {
    int cell = 0;
    int digit = 0;
    bool placed = false; // digit placed, else candidate removed
};

struct LogicStep {
    Technique technique = Technique::Single;
    int tier = 1;
    std::vector<int> cells; // cell numbers read
    std::vector<int> runs;  // indexes into LogicEngine::runs()
    std::vector<LogicChange> changes;
    std::string sentence;
};

enum class LogicOutcome { Step, Solved, Stuck, Contradiction };

// "row 2, column 3" and "r2c3".
std::string cellName(const Grid& grid, int cell);
std::string cellCode(const Grid& grid, int cell);
// The changes as "r2c3=7 r2c4-8".
std::string changesCode(const Grid& grid, const std::vector<LogicChange>& changes);

class LogicEngine {
public:
    explicit LogicEngine(const Grid& grid);
    ~LogicEngine();
    LogicEngine(const LogicEngine&) = delete;
    LogicEngine& operator=(const LogicEngine&) = delete;

    const std::vector<LogicRun>& runs() const;
    // "16 across (row 2, columns 3–4)".
    std::string runName(int run) const;
    // Every white cell with all nine digits, nothing placed.
    LogicState startState() const;
    // Whether every white cell holds a placed digit.
    bool solved(const LogicState& state) const;

    // The simplest step of at most maxTier from state (Step), or Solved,
    // Stuck, or Contradiction when a cell or run has no possibility left.
    // Sentences are written only when asked for.
    LogicOutcome nextStep(const LogicState& state, LogicStep& step, int maxTier = kTopTier,
                          bool sentence = true);
    void applyStep(LogicState& state, const LogicStep& step) const;
    // Tier-1 steps available in state (cells with one candidate and runs with
    // an easy step), after a nextStep on the same state.
    int easyStepsAvailable() const;

private:
    LogicOutcome findStep(const LogicState& state, LogicStep& step, int maxTier, bool sentence);
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

struct LogicSolve {
    LogicOutcome outcome = LogicOutcome::Stuck; // Solved, Stuck or Contradiction
    std::vector<LogicStep> steps;
    LogicState state;         // where the engine ended
    int highestTier = 0;      // the highest tier a step needed
    int topTierSteps = 0;     // steps of that tier
    double easyAvailable = 0; // tier-1 steps available per step, on average
    int openCellsLeft = 0;    // white cells without a placed digit at the end
    int whiteCells = 0;
};

// Solves from the starting candidates (or from state when given), taking the
// simplest step each time; with steps of at most maxTier it stops (stuck)
// where a harder one would be needed, without looking for it.
LogicSolve SolveLogically(const Grid& grid, bool sentences = true, const LogicState* from = nullptr,
                          int maxTier = kTopTier);

} // namespace vextor
