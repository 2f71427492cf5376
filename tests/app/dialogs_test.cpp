#include "app/qt_user_interface.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::app;

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
