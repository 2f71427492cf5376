#include "app/qt_user_interface.h"

#include "app/fn_dialog.h"
#include "app/qt_support.h"

#include <QApplication>
#include <QCursor>
#include <QInputDialog>
#include <QMessageBox>

namespace vextor::app {

namespace {
const QString kTitle = QStringLiteral("Vextor");

// A message or question box shows the normal pointer while it waits.
class NormalPointer {
public:
    explicit NormalPointer(int busyDepth) : active_(busyDepth > 0) {
        if (active_)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalPointer() {
        if (active_)
            QApplication::restoreOverrideCursor();
    }

private:
    bool active_;
};
} // namespace

QtUserInterface::QtUserInterface(QWidget* owner, std::function<void()> refresh,
                                 std::function<void(bool)> gridHidden)
    : owner_(owner), refresh_(std::move(refresh)), gridHidden_(std::move(gridHidden)) {}

QtUserInterface::~QtUserInterface() {
    while (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

void QtUserInterface::message(const std::string& text) {
    if (refresh_)
        refresh_();
    NormalPointer normal(busyDepth_);
    QMessageBox::information(owner_, kTitle, toDisplay(text), QMessageBox::Ok);
}

bool QtUserInterface::askYesNo(const std::string& text) {
    return ask(text, QMessageBox::Yes);
}

bool QtUserInterface::askYesNoDefaultNo(const std::string& text) {
    return ask(text, QMessageBox::No);
}

bool QtUserInterface::ask(const std::string& text, QMessageBox::StandardButton defaultButton) {
    if (refresh_)
        refresh_();
    NormalPointer normal(busyDepth_);
    return QMessageBox::question(owner_, kTitle, toDisplay(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 defaultButton) == QMessageBox::Yes;
}

Answer QtUserInterface::askYesNoCancel(const std::string& text) {
    if (refresh_)
        refresh_();
    NormalPointer normal(busyDepth_);
    const auto r = QMessageBox::question(owner_, kTitle, toDisplay(text),
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                         QMessageBox::Yes);
    if (r == QMessageBox::Yes)
        return Answer::Yes;
    if (r == QMessageBox::No)
        return Answer::No;
    return Answer::Cancel;
}

std::optional<std::string> QtUserInterface::inputBox(const std::string& prompt,
                                                     const std::string& title,
                                                     const std::string& defaultText) {
    NormalPointer normal(busyDepth_);
    bool ok = false;
    const QString answer =
        QInputDialog::getText(owner_, QString::fromStdString(title), toDisplay(prompt),
                              QLineEdit::Normal, QString::fromStdString(defaultText), &ok);
    if (!ok)
        return std::nullopt;
    return answer.toStdString();
}

std::string QtUserInterface::pickFile(const FileRequest& request) {
    NormalPointer normal(busyDepth_);
    return FNDialog::run(owner_, request).toStdString();
}

void QtUserInterface::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

void QtUserInterface::pumpEvents() {
    if (refresh_)
        refresh_();
    QCoreApplication::processEvents();
}

void QtUserInterface::setGridHidden(bool hidden) {
    const int before = hiddenDepth_;
    hiddenDepth_ = hidden ? hiddenDepth_ + 1 : std::max(0, hiddenDepth_ - 1);
    if (gridHidden_ && (before == 0) != (hiddenDepth_ == 0))
        gridHidden_(hiddenDepth_ > 0);
}

} // namespace vextor::app
