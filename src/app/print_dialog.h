// The print dialog (Form5, "Print Puzzles From File"): printer, puzzle file,
// From/To range and whether to print solutions, beside their puzzles or all
// at the back ("Solutions at the back", a booklet). Orientation and grids per
// page are shown but not available.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

namespace vextor::app {

class FNDialog;
class MainWindow;

class PrintDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintDialog(MainWindow& window);

    // The result: "X" when cancelled (also by the close box), otherwise file,
    // from, to and the solution flag (0 or 1, 2 for a booklet) joined by commas.
    QString Tag = QStringLiteral("X");
    // The printer chosen on Print: a device name or the "PDF file" entry.
    QString printer() const { return printer_; }

    static QString pdfEntry() { return QStringLiteral("PDF file"); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void onPick();
    void onPrint();

    MainWindow& w_;
    QComboBox* printers_; // Combo1
    QLineEdit* fileNow_;  // FileNow
    FNDialog* pick_;      // gf1
    QLineEdit* from_;     // Text1
    QLineEdit* to_;       // Text2
    QCheckBox* solution_; // Check1
    QCheckBox* book_;     // CheckBook "Solutions at the back"
    QString printer_;
};

} // namespace vextor::app
