// The about box: picture, version label, about text and OK.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace vextor::app {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    // Paints itself (panel colour for the background and the text, accent
    // colour for the button and the version label) and opens modally.
    void showAbout(const QColor& panel, const QColor& accent);
    void paintColours(const QColor& panel, const QColor& accent);

    QTextEdit* aboutText() const { return text_; }
    QPushButton* okButton() const { return ok_; }
    QLabel* versionLabel() const { return version_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* image_;
    QLabel* version_;
    QTextEdit* text_;
    QPushButton* ok_;
};

} // namespace vextor::app
