// The application state: the grid, the current file, modes, colours, paths and
// the texts the main window shows. The desktop program only mirrors it.
#pragma once

#include "base/colour.h"
#include "base/random.h"
#include "model/geometry.h"
#include "model/grid.h"
#include "state/creator_state.h"
#include "state/play_aids.h"
#include "state/solver_state.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace vextor {

// Texts and visibility of the main window's labels, mirrored by the app.
struct MainWindowTexts {
    std::string title;           // Title: the puzzle title
    std::string gridSize;        // GridSize: "9x9"
    std::string difficulty;      // Difficulty: "medium 31" (empty: not rated)
    std::string puzNumNow = "1"; // PuzNumNow: the number box
    std::string puzNumber;       // puznumber: " of 12"
    std::string caption;         // window caption
    std::string overlay;         // Label3, the overlay on the grid
    bool overlayVisible = false;
    std::string autoSolveTag = "Auto Solve";
    std::string autoSolveTooltip = "Auto Solve";
    // The status line below the grid (solving by hand: conflicts found by
    // Verify, the finishing time); the hint line takes its place while a hint
    // is shown. Empty: no status line.
    std::string status;
};

// The hint of solving by hand: the presses on the step now hinted (the
// first marks the cells it reads, the second tells it, the third applies
// it) and the text of the main window's hint line.
struct HintState {
    int presses = 0;
    unsigned generation = 0;         // the grid the hint belongs to
    std::vector<std::uint16_t> seen; // the player's candidates at the last press
    std::string text;                // empty: no hint line
};

// Solving by hand across sessions: the clock of the game in progress and
// what was last saved of it (manual/saved_game.h, manual/game_clock.h).
struct GameProgress {
    bool timerOn = true;         // the Timer option
    long long seconds = 0;       // time spent solving this grid by hand
    bool finished = false;       // the grid was completed: the clock stands
    unsigned seenGeneration = 0; // the grid last looked at for a saved game
    std::string savedFile;       // the saved game written for this grid, "" none
    std::string savedBody;       // what it holds apart from the time
    long long savedSeconds = 0;  // the time it holds
};

struct AppState {
    AppState() : rng(Random::fromClock()) {}
    explicit AppState(std::uint64_t seed) : rng(seed) {}

    Grid grid;
    int curcell = 0;

    static constexpr int maxrows = kMaxRows;
    static constexpr int maxcols = kMaxCols;
    static constexpr int cellwidth = kCellWidth;
    static constexpr int cellheight = kCellHeight;
    int maxtries = 0;

    // Files. apppath ends in the path separator.
    std::string apppath;
    std::string puzfile;
    int puznum = 1;
    int npuzzles = 0;
    std::string schemefile;
    std::string retractfile, startupfile, undofile, currentpuzfile, temppuzfile;
    // The per-user folder of games in progress and best times; "": nothing
    // is kept.
    std::string savefolder;

    // Colours.
    Colour blackcol = packColour(0, 0, 0);
    Colour greycol = packColour(192, 192, 192);
    Colour whitecol = packColour(254, 254, 254);
    Colour redcol = packColour(150, 50, 50);
    Colour greencol = packColour(10, 200, 10);
    Colour yellowcol = packColour(200, 200, 10);
    Colour buttoncol = packColour(240, 240, 240);
    // The colour-scheme table: slot 1 white cells, 2 panels, 3 sum cells,
    // 5 the about box's button and version label; the others are only kept.
    std::array<Colour, 14> schemecolours{};
    // How many times a scheme was applied (ApplyScheme): the windows repaint
    // their panels when it changes, not when a failed load left slots behind.
    int schemesApplied = 0;

    // Modes.
    bool autosolving = false;
    bool cancelsolve = false;
    bool shuttingdown = false; // the program is closing: no more messages
    bool editmode = false;
    bool manualmode = false;
    bool interactive = false;
    std::string pendingaction; // cell-pad choice waiting for a cell
    std::string typedsums;     // clue digits typed in edit mode

    // Solving by hand: the undo entries ("cell,previous Choices"), newest at
    // the front, and the target cell of the digit menu as decimal text.
    std::deque<std::string> undolist;
    std::string mnucnxTag;
    // Edit Pencil Marks and Check As You Go: the options and their marks.
    PlayAids aids;
    HintState hint;
    GameProgress game;
    // Layout editing: the target cell of the cell menu and the cell pad, the
    // plain index or "A"/"D" followed by it (which side of a sum cell).
    std::string mnumainTag;

    MainWindowTexts texts;
    WindowFit fit = FitGridWindow(9, 9);

    SolverState solver;
    CreatorState creator;
    Random rng;

    // Sets the working-file paths from apppath.
    void setWorkingFiles();
};

} // namespace vextor
