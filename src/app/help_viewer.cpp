#include "app/help_viewer.h"

#include "app/qt_support.h"

#include <QResizeEvent>
#include <QUrl>

namespace vextor::app {

namespace {
constexpr int kBrowserTop = 435; // twips: below the buttons
}

HelpViewer::HelpViewer(QWidget* parent)
    : QDialog(parent), backButton_(new QPushButton("Back", this)),
      forwardButton_(new QPushButton("Forward", this)), exitButton_(new QPushButton("Exit", this)),
      browser_(new QTextBrowser(this)) {
    setObjectName("Form4");
    setWindowTitle("Vextor1.1 Help");
    setModal(true);
    backButton_->setObjectName("Command1");
    forwardButton_->setObjectName("Command2");
    exitButton_->setObjectName("Command3");
    const int lefts[] = {60, 1155, 2250};
    QPushButton* buttons[] = {backButton_, forwardButton_, exitButton_};
    for (int i = 0; i < 3; ++i) {
        buttons[i]->setFont(arialFont(pointsToPixels(9)));
        buttons[i]->setGeometry(px(lefts[i]), px(30), px(1095), px(375));
        buttons[i]->setAutoDefault(false);
    }
    browser_->setObjectName("WebBrowser1");
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    browser_->move(px(60), px(kBrowserTop));
    connect(backButton_, &QPushButton::clicked, this, &HelpViewer::back);
    connect(forwardButton_, &QPushButton::clicked, this, &HelpViewer::forward);
    connect(exitButton_, &QPushButton::clicked, this, &QDialog::hide);
    resize(760, 620);
}

void HelpViewer::showHelp(const QString& address) {
    tag_ = address;
    navigate();
    exec();
}

void HelpViewer::navigate() {
    browser_->clearHistory();
    browser_->setSource(QUrl::fromLocalFile(tag_));
}

QString HelpViewer::address() const {
    return browser_->source().toString();
}

void HelpViewer::back() {
    if (address().contains('#'))
        browser_->backward();
}

void HelpViewer::forward() {
    if (address().contains('#'))
        browser_->forward();
}

void HelpViewer::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const QSize inner = event->size();
    browser_->resize(std::max(0, inner.width() - px(120)),
                     std::max(0, inner.height() - px(480) - browser_->y()));
}

} // namespace vextor::app
