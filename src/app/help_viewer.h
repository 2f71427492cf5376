// The help viewer: Back, Forward and Exit above an HTML view of the help page.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTextBrowser>

namespace vextor::app {

class HelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Opens the viewer modally on the page at `address`.
    void showHelp(const QString& address);
    // Navigates to the address held in the tag (done when the viewer opens).
    void navigate();

    QString tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    QTextBrowser* browser() const { return browser_; }
    // The address shown: the page and, inside it, the anchor after "#".
    QString address() const;

    // Back and Forward move through the history only while the address holds
    // "#" (a place inside the help page).
    void back();
    void forward();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString tag_;
    QPushButton* backButton_;
    QPushButton* forwardButton_;
    QPushButton* exitButton_;
    QTextBrowser* browser_;
};

} // namespace vextor::app
