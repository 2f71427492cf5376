#include "app/about_box.h"
#include "app/help_viewer.h"
#include "app/qt_user_interface.h"
#include "support/test_files.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::app;
using vextor::test::TempDir;
using vextor::test::writeFile;

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

TEST(AboutBox, ColoursAndClosing) {
    AboutBox box;
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
