// A program folder with the shipped resources, and the program started in it.
#pragma once

#include "app/main_window.h"
#include "support/test_files.h"

#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace vextor::test {

// Every shipped file but the sample puzzles; with `puz`, a configuration naming it.
inline void fillProgramFolder(const TempDir& dir, const std::string& scheme = "default.sch",
                              const std::string& puz = "") {
    for (const auto& f : std::filesystem::directory_iterator(resourcesDir()))
        if (f.is_regular_file() && f.path().filename() != "puzzles.vxt")
            std::filesystem::copy_file(f.path(), dir.path() / f.path().filename());
    if (!puz.empty())
        writeFile(dir.file("vextor.cfg"),
                  "01-01-2026 00:00:00\r\n" + scheme + "\r\n" + puz + "\r\n");
}

// Starts the program in `dir`; `showMenu` stands in for pop-up menus.
inline std::unique_ptr<app::MainWindow> startProgram(
    const TempDir& dir, UserInterface* ui,
    std::function<void(QMenu*, const QPoint&)> showMenu = [](QMenu*, const QPoint&) {}) {
    auto w = std::make_unique<app::MainWindow>(ui);
    w->showMenu = std::move(showMenu);
    w->startUp(QString::fromStdString(dir.path().string()));
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    return w;
}

} // namespace vextor::test
