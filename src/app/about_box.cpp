#include "app/about_box.h"

#include "app/qt_support.h"

#include <QEvent>
#include <QIcon>

namespace vextor::app {

namespace {
const char* const kAboutText =
    "Vextor is a solver and creator of cross-sum puzzles, released in December 2026.\n\n"
    "Questions, puzzles and bug reports are welcome at vextor-puzzles@example.org.\n\n"
    "Vextor is free to use and free to give away, in whole and unchanged.\n\n"
    "It comes without any warranty of any kind: you use it at your own risk, and "
    "its authors are not liable for anything that follows from its use.\n\n"
    "Some of the sample puzzles come from the collection of the Cross Sums Club, "
    "www.crosssums-club.example.org, with thanks.";
}

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent), image_(new QLabel(this)),
      version_(new QLabel("Version 1.1 - Unattended generation of Puzzles", this)),
      text_(new QTextEdit(this)), ok_(new QPushButton("OK", this)) {
    setObjectName("AboutForm");
    setWindowTitle("About Vextor1.1");
    setModal(true);
    image_->setObjectName("Image1");
    image_->setPixmap(QIcon(":/icons/vextor.svg").pixmap(48, 48));
    image_->setGeometry(16, 16, 48, 48);
    version_->setObjectName("Label1");
    version_->setFont(arialFont(pointsToPixels(10), true));
    version_->setGeometry(80, 16, 340, 48);
    version_->setWordWrap(true);
    version_->setAutoFillBackground(true);
    text_->setObjectName("AboutText");
    text_->setReadOnly(true);
    text_->setPlainText(kAboutText);
    text_->setFont(arialFont(pointsToPixels(9)));
    text_->setGeometry(16, 76, 404, 220);
    text_->viewport()->installEventFilter(this);
    ok_->setObjectName("AboutOk");
    ok_->setGeometry(330, 306, 90, 28);
    ok_->setAutoFillBackground(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(436, 346);
}

void AboutBox::paintColours(const QColor& panel, const QColor& accent) {
    paintPanel(this, panel);
    paintPanel(text_, panel);
    paintPanel(ok_, accent);
    paintPanel(version_, accent);
}

void AboutBox::showAbout(const QColor& panel, const QColor& accent) {
    paintColours(panel, accent);
    exec();
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_->viewport() && event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vextor::app
