// The Sort dialog (SortForm): sorts a puzzle file into another, optionally
// renumbering its records, and converts files of the older record layout.
#pragma once

#include "files/sort_file.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vextor::app {

class FNDialog;
class MainWindow;

class SortDialog : public QDialog {
    Q_OBJECT
public:
    explicit SortDialog(MainWindow& window);

    // The settings as the Sort button reads them.
    SortOptions options() const;

protected:
    // The input box is refilled from the main window's caption (the current
    // puzzle file) every time the dialog is shown.
    void showEvent(QShowEvent* event) override;

private:
    void pick(QLineEdit* box, const char* title, bool save);
    void onSort();
    void onConvert();

    MainWindow& w_;
    QLineEdit* input_;         // Text2
    QLineEdit* output_;        // Text1
    QLineEdit* start_;         // Text3
    FNDialog* pickOutput_;     // gf1
    FNDialog* pickInput_;      // gf2
    QRadioButton* byNumber_;   // Option5
    QRadioButton* byRows_;     // Option4
    QRadioButton* byHeader_;   // Option3
    QRadioButton* ascending_;  // Option1
    QRadioButton* descending_; // Option2
    QCheckBox* resequence_;    // Check1
    bool running_ = false;     // Sort or Convert is at work (it lets events run)
};

} // namespace vextor::app
