// A program folder with the shipped resources, the program started in it, and
// a fixture that drives its window through the controls.
#pragma once

#include "app/main_window.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace vextor::test {

// Every shipped file but the sample puzzles; with `puz`, a configuration naming it.
inline void fillProgramFolder(const TempDir& dir, const std::string& scheme = "default.sch",
                              const std::string& puz = "") {
    for (const auto& f : std::filesystem::directory_iterator(resourcesDir()))
        if (f.is_regular_file() && f.path().filename() != "puzzles.vxt")
            std::filesystem::copy_file(f.path(), dir.path() / f.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
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

// Runs `body` on the modal window the next command opens.
inline void onModal(std::function<void(QWidget*)> body) {
    QTimer::singleShot(0, [body] {
        QWidget* m = QApplication::activeModalWidget();
        ASSERT_NE(m, nullptr);
        body(m);
    });
}

// The program started in a folder of its own, the scripted interface answering.
struct ProgramWindow : ::testing::Test {
    TempDir dir;
    ScriptedUserInterface ui;
    std::unique_ptr<app::MainWindow> w;
    std::vector<QString> shownMenus;
    QString pick; // the item the next pop-up menu chooses
    std::string puz = dir.file("puzzles.vxt");
    // With `puzzles`, the configuration names them; `ownDialogs` shows the
    // program's own dialogs instead of the scripted answers.
    void start(const std::string& puzzles = "", const std::string& scheme = "default.sch",
               bool ownDialogs = false) {
        if (!puzzles.empty())
            writeFile(puz, puzzles);
        fillProgramFolder(dir, scheme, puzzles.empty() ? "" : puz);
        w = startProgram(dir, ownDialogs ? nullptr : &ui, [this](QMenu* m, const QPoint&) {
            shownMenus.push_back(m->objectName());
            for (QAction* a : m->actions())
                if (!pick.isEmpty() && a->objectName() == pick)
                    a->trigger();
        });
    }
    AppState& st() { return w->state(); }
    QString text(const QString& label) { return w->label(label)->text(); }
    // Clicks the button, or triggers the enabled menu item, `name`.
    void run(const QString& name) {
        if (QPushButton* b = w->button(name))
            return QTest::mouseClick(b, Qt::LeftButton);
        QAction* a = w->action(name);
        ASSERT_TRUE(a && a->isEnabled()) << name.toStdString();
        a->trigger();
    }
};

} // namespace vextor::test
