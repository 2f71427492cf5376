#include "app/about_box.h"
#include "app/fn_dialog.h"
#include "app/help_viewer.h"
#include "app/qt_user_interface.h"
#include "support/test_files.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::app;
using vextor::test::TempDir;
using vextor::test::writeFile;

namespace {

// What the file dialog showed, and the answer given to it.
struct SeenDialog {
    QString title;
    QString directory;
    QStringList filters;
    bool save = false;
    bool confirmOverwrite = true;
};

// Answers the next file dialog with `path` (empty: cancel) and records it.
void answerNextFileDialog(SeenDialog& seen, const QString& path) {
    QTimer::singleShot(0, [&seen, path] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        seen.title = d->windowTitle();
        seen.directory = d->directory().absolutePath();
        seen.filters = d->nameFilters();
        seen.save = d->acceptMode() == QFileDialog::AcceptSave;
        seen.confirmOverwrite = !d->testOption(QFileDialog::DontConfirmOverwrite);
        if (path.isEmpty()) {
            d->reject();
        } else {
            d->selectFile(path);
            QMetaObject::invokeMethod(d, "accept");
        }
    });
}

} // namespace

TEST(FilePicker, ModesTitleFolderAndAnswer) {
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    writeFile(dir.file("a.vxt"), "#1\r\n");
    const QString before = QDir::currentPath();

    FNDialog picker;
    EXPECT_EQ(picker.caption(), "...");
    picker.FileTypes = "*.vxt;*.txt;*.dat";
    picker.FileTypesName = "Vextor Files";
    picker.DefaultDir = folder; // without the closing separator
    SeenDialog seen;
    answerNextFileDialog(seen, QString::fromStdString(dir.file("a.vxt")));
    EXPECT_EQ(picker.GetFileName("print"), QString::fromStdString(dir.file("a.vxt")));
    EXPECT_EQ(seen.title, "0"); // never set
    EXPECT_FALSE(seen.save);
    EXPECT_EQ(seen.filters, QStringList({"Vextor Files (*.vxt *.txt *.dat)"}));
    EXPECT_EQ(seen.directory, folder);
    EXPECT_EQ(QDir::currentPath(), before);

    picker.Title = "Select an output Puzzle file";
    picker.DefaultDir = folder + "/";
    SeenDialog seen2;
    answerNextFileDialog(seen2, QString::fromStdString(dir.file("a.vxt")));
    // An existing file is taken without an overwrite question.
    EXPECT_EQ(picker.GetFileName("save"), QString::fromStdString(dir.file("a.vxt")));
    EXPECT_TRUE(seen2.save);
    EXPECT_FALSE(seen2.confirmOverwrite);
    EXPECT_EQ(seen2.title, "Select an output Puzzle file");
    EXPECT_EQ(seen2.directory, folder);

    SeenDialog seen3;
    answerNextFileDialog(seen3, QString());
    EXPECT_EQ(picker.GetFileName(""), "");
    EXPECT_FALSE(seen3.save);
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST(QtUserInterface, BusyPointerNestsAndGridHidingIsCounted) {
    QWidget owner;
    std::vector<bool> hidden;
    QtUserInterface ui(&owner, nullptr, [&](bool h) { hidden.push_back(h); });
    {
        BusyPointer outer(ui);
        {
            BusyPointer inner(ui);
            EXPECT_EQ(ui.busyDepth(), 2);
            ASSERT_NE(QApplication::overrideCursor(), nullptr);
            EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
        }
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
        HiddenGrid h1(ui);
        HiddenGrid h2(ui);
    }
    EXPECT_EQ(ui.busyDepth(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(hidden, (std::vector<bool>{true, false}));
}

TEST(QtUserInterface, MessagesAreTitledAndAnswered) {
    QWidget owner;
    QtUserInterface ui(&owner, nullptr, nullptr);
    QString title, text;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->findChild<QLabel*>("qt_msgbox_label")->text();
        QTest::keyClick(box, Qt::Key_N, Qt::AltModifier);
        QTimer::singleShot(0, [box] {
            if (box->isVisible())
                QMetaObject::invokeMethod(box, "reject");
        });
    });
    EXPECT_FALSE(ui.askYesNo("Exit?\r\nNow"));
    EXPECT_EQ(title, "Vextor");
    EXPECT_EQ(text, "Exit?\nNow");
}

TEST(HelpViewer, BackAndForwardOnlyInsideThePage) {
    TempDir dir;
    std::string page = "<html><body><p><a href=\"#b\">to b</a></p>";
    for (int i = 0; i < 200; ++i)
        page += "<p>line</p>";
    page += "<h2 id=\"b\"><a name=\"b\"></a>B</h2></body></html>";
    writeFile(dir.file("vextor.htm"), page);

    HelpViewer v;
    EXPECT_EQ(v.windowTitle(), "Vextor1.1 Help");
    v.setTag(QString::fromStdString(dir.file("vextor.htm")));
    v.navigate();
    const QString start = v.address();
    EXPECT_FALSE(start.contains('#'));
    v.browser()->setSource(QUrl(start + "#b"));
    EXPECT_TRUE(v.address().contains("#b"));
    v.back();
    EXPECT_EQ(v.address(), start);
    // Back at the start address: Forward does nothing, although history has it.
    EXPECT_TRUE(v.browser()->isForwardAvailable());
    v.forward();
    EXPECT_EQ(v.address(), start);

    v.resize(600, 500);
    v.show();
    QTest::qWait(10);
    EXPECT_EQ(v.browser()->width(), v.width() - 8);
    EXPECT_EQ(v.browser()->height(), v.height() - 32 - v.browser()->y());
}

TEST(AboutBox, TextsColoursAndClosing) {
    AboutBox box;
    EXPECT_EQ(box.windowTitle(), "About Vextor1.1");
    EXPECT_EQ(box.versionLabel()->text(), "Version 1.1 - Unattended generation of Puzzles");
    EXPECT_GE(box.aboutText()->toPlainText().split("\n\n").size(), 5);
    box.paintColours(QColor(10, 20, 30), QColor(200, 100, 0));
    EXPECT_EQ(box.palette().color(QPalette::Window), QColor(10, 20, 30));
    EXPECT_EQ(box.okButton()->palette().color(QPalette::Button), QColor(200, 100, 0));

    box.show();
    QTest::mouseClick(box.aboutText()->viewport(), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    box.show();
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_FALSE(box.isVisible());
    box.show();
    QTest::mouseClick(box.okButton(), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
}
