// File and creation commands through their dialogs, and faults mended there.
#include "app/create_commands.h"
#include "app/create_dialog.h"
#include "files/puzzle_file.h"
#include "program_folder.h"
#include "support/grid_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace vextor;
using namespace vextor::app;
using namespace vextor::test;

namespace {

const auto rec = [](int n, const std::string& title) { return tinyRecord(n, false, title); };
const std::string kThree = rec(1, "Gamma") + rec(2, "alpha") + rec(3, "Beta");

using FileWindow = ProgramWindow;

struct CreateWindow : ProgramWindow {
    void SetUp() override {
        start();
        ui.messages.clear();
        makeGrid(st(), {"X 0,-1 0,-1 0,-1", "-1,0 . . .", "-1,0 . . .", "-1,0 . . ."});
        w->refresh();
    }
    template <class T> T* control(const char* name) {
        CreateDialog* d = createDialog(*w);
        return d ? d->findChild<T*>(name) : nullptr;
    }
    void click(const char* name) {
        auto* b = control<QAbstractButton>(name);
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Runs `item`; `fill` runs while the creation dialog is shown.
    void withDialog(const char* item, const std::function<void()>& fill) {
        onModal([this, fill](QWidget* m) {
            ASSERT_EQ(m, createDialog(*w));
            fill();
        });
        run(item);
    }
};

} // namespace

TEST_F(FileWindow, LoadPuzzleFileThroughThePicker) {
    start(kThree, "default.sch", true);
    const std::string other = dir.file("other.vxt");
    writeFile(other, rec(1, "Picked") + rec(2, "Second"));
    onModal([&](QWidget* m) {
        auto* d = qobject_cast<QFileDialog*>(m);
        ASSERT_NE(d, nullptr);
        d->selectFile(QString::fromStdString(other));
        QMetaObject::invokeMethod(d, "accept");
    });
    run("Command13");
    EXPECT_EQ(st().puzfile, other);
    EXPECT_EQ(text("Title") + text("puznumber"), "Picked of 2");
}

TEST_F(FileWindow, SortDialogEndToEnd) {
    start(kThree);
    const std::string out = dir.file("sorted.vxt");
    ui.fileAnswers = {out};
    QString input, startAfter;
    onModal([&](QWidget* d) {
        EXPECT_EQ(d->objectName(), "SortForm");
        input = d->findChild<QLineEdit*>("Text2")->text();
        QTest::mouseClick(d->findChild<QWidget*>("gf1")->findChild<QPushButton*>(), Qt::LeftButton);
        EXPECT_EQ(d->findChild<QLineEdit*>("Text1")->text(), QString::fromStdString(out));
        d->findChild<QRadioButton*>("Option3")->setChecked(true); // by title
        d->findChild<QRadioButton*>("Option2")->setChecked(true); // descending
        d->findChild<QCheckBox*>("Check1")->setChecked(true);     // renumber from Text3
        d->findChild<QLineEdit*>("Text3")->setText("0");
        QTest::mouseClick(d->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        startAfter = d->findChild<QLineEdit*>("Text3")->text();
        QTest::mouseClick(d->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    });
    run("mnusortpuz");
    EXPECT_EQ(input + startAfter, QString::fromStdString(puz) + "1");
    EXPECT_EQ(readFile(out), rec(1, "Gamma") + rec(2, "Beta") + rec(3, "alpha"));
    EXPECT_EQ(ui.messages.back(), "3 puzzles sorted to file:\r\n" + out);
    ASSERT_TRUE(ui.fileRequests.size() == 1u && ui.fileRequests[0].save);
}

TEST_F(CreateWindow, DialogControlsFollowTheRulesAndCancelSavesNothing) {
    withDialog("mnuautocreate", [this] {
        EXPECT_EQ(control<QLineEdit>("Text4")->text() + control<QLineEdit>("Text1")->text(),
                  "New Puzzle0");
        EXPECT_EQ(control<QLineEdit>("FileNow")->text().toStdString(), st().puzfile);
        EXPECT_FALSE(control<QWidget>("Check2")->isEnabled());
        click("Option1_1");
        click("Check2");
        control<QLineEdit>("Text2")->setText("11");
        click("Command1");
        EXPECT_EQ(ui.messages.back(), "Maximum rows or columns are limted to 10 for this option");
        EXPECT_TRUE(createDialog(*w)->isVisible());
        click("Command2");
    });
    EXPECT_EQ(ui.messages.size(), 1u); // Cancel changes nothing and says nothing
    EXPECT_FALSE(std::filesystem::exists(st().puzfile));
}

TEST_F(CreateWindow, ClassicLayoutMakesAPuzzleOfTheDifficultyChosen) {
    const std::string out = dir.file("classic.vxt");
    withDialog("mnuautocreate", [&] {
        EXPECT_FALSE(control<QWidget>("ComboDifficulty")->isEnabled());
        click("Option1_1");
        click("Check2");
        click("CheckClassic");
        control<QComboBox>("ComboDifficulty")->setCurrentText("easy");
        control<QLineEdit>("Text2")->setText("7");
        control<QLineEdit>("Text3")->setText("12"); // beyond the plain limit of 10
        control<QLineEdit>("Text1")->setText("1");
        control<QLineEdit>("FileNow")->setText(QString::fromStdString(out));
        click("Command1");
    });
    EXPECT_EQ(ui.messages, std::vector<std::string>{" 1 Puzzles added to file: " + out});
    EXPECT_EQ(readFile(out).substr(0, 25), "#1\r\nClassic 7x12 easy 1\r\n");
    EXPECT_EQ(w->windowTitle().toStdString(), st().puzfile);
    EXPECT_FALSE(w->label("Label3")->isVisible()); // the progress overlay is gone
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(CreateWindow, AddPuzzleSavesTheGridThroughTheSaveForm) {
    // Escape cancels: nothing is written.
    onModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); });
    run("mnuaddpuz");
    EXPECT_FALSE(std::filesystem::exists(st().puzfile));
    withDialog("mnuaddpuz", [this] {
        EXPECT_FALSE(control<QGroupBox>("Frame3")->isVisible() ||
                     control<QGroupBox>("Frame1")->isVisible());
        control<QCheckBox>("Check1")->setChecked(true); // with the solution
        click("Command1");
    });
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Puzzle# 1 added to file " + st().puzfile});
    EXPECT_NE(readFile(st().puzfile).find('|'), std::string::npos);
    EXPECT_EQ(st().grid.rows, 4);
}
