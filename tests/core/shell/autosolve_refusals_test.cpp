// While AutoSolve works, commands that would change things refuse with one
// message; so does Edit while the puzzle is solved by hand.
#include "create/batch_create.h"
#include "create/random_layout.h"
#include "edit/layout_edit.h"
#include "files/file_commands.h"
#include "files/file_management.h"
#include "manual/manual_solve.h"
#include "model/grid_checks.h"
#include "solver/autosolve.h"
#include "state/grid_commands.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"

#include <functional>
#include <gtest/gtest.h>

using namespace vextor;

TEST(AutoSolveRefusals, CommandsSayCancelAutoSolveFirst) {
    using Command = std::function<bool(AppState&, UserInterface&)>;
    auto done = [](auto f) -> Command {
        return [f](AppState& st, UserInterface& ui) {
            f(st, ui);
            return false;
        };
    };
    const std::string cancelFirst = "Cancel AutoSolve first";
    const struct {
        const char* name;
        Command command;
        std::string refusal = "Cancel AutoSolve first";
    } commands[] = {
        {"New Grid", NewGridCommand},
        {"Edit", EditCommand},
        {"Clear", ClearGridCommand},
        {"Manual", done(StartManualSolve)},
        {"Undo", done(UndoLastEntry)},
        {"Verify", done(VerifyManualSolve)},
        {"Interactive", done(SolveInteractivelyCommand)},
        {"Load", LoadPuzzleFileCommand},
        {"Next",
         [](AppState& st, UserInterface& ui) { return NavigateCommand(st, ui, Navigate::Next); }},
        {"Number", PuzNumEnterCommand},
        {"View Solution", done(ViewSolutionCommand)},
        {"Delete", DeletePuzzleCommand},
        {"Backup", BackupPuzzleFileCommand},
        {"Random", done(CreateNewRandomCommand)},
        {"Auto", done([](AppState& st, UserInterface& ui) {
             CreateDialogForm f;
             AutoCreateCommand(st, ui, f, [](CreateDialogForm&) { ADD_FAILURE() << "dialog"; });
         })},
        {"Add Puzzle",
         [](AppState& st, UserInterface& ui) {
             CreateDialogForm f;
             return AddPuzzleCommand(st, ui, f,
                                     [](CreateDialogForm&) { ADD_FAILURE() << "dialog"; });
         }},
        {"Edit by hand", EditCommand, "Cannot edit in ManualSolve mode"},
    };
    for (const auto& [name, command, refusal] : commands) {
        AppState st(1);
        test::ScriptedUserInterface ui;
        test::makeGrid(st, {"X 0,3 0,4", "3,0 1 2", "4,0 2 ."});
        st.puznum = 2;
        st.npuzzles = 5;
        st.texts.puzNumNow = "3";
        st.manualmode = true;
        st.curcell = 5;
        st.undolist.push_front("5,12");
        const std::string before = snapshotLine(st.grid);
        st.autosolving = refusal == cancelFirst;
        ui.defaultYesNo = true;
        EXPECT_FALSE(command(st, ui)) << name;
        EXPECT_EQ(ui.log, std::vector<std::string>{"message: " + refusal}) << name;
        EXPECT_EQ(snapshotLine(st.grid), before) << name;
        EXPECT_EQ(test::gridRows(st)[0], "X 0,3 0,4") << name;
        EXPECT_TRUE(st.grid.ncells == 9 && st.puznum == 2 && st.undolist.size() == 1u) << name;
        EXPECT_TRUE(st.manualmode && !st.editmode && !st.interactive && !st.cancelsolve) << name;
    }
}
