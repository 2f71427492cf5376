#include "shell/toolbar_commands.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

using namespace vextor;

TEST(ToolbarCommands, PrintAndCreateRefuseWhileAutoSolveRuns) {
    for (auto allowed : {&PrintButtonAllowed, &CreateButtonAllowed}) {
        AppState st(1);
        test::ScriptedUserInterface ui;
        EXPECT_TRUE(allowed(st, ui));
        EXPECT_TRUE(ui.messages.empty());
        st.autosolving = true;
        EXPECT_FALSE(allowed(st, ui));
        EXPECT_EQ(ui.messages, std::vector<std::string>{"Cancel AutoSolve first"});
    }
}
