// The user-interface port on Qt: message boxes titled "Vextor", the input box,
// the file picker, the busy cursor and event pumping.
#pragma once

#include "base/user_interface.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace vextor::app {

class QtUserInterface : public UserInterface {
public:
    // owner: the window the dialogs belong to. refresh: brings the windows up
    // to date with the application state (called before pending events run).
    // gridHidden: suspends (true) or resumes (false) grid repaints.
    QtUserInterface(QWidget* owner, std::function<void()> refresh,
                    std::function<void(bool)> gridHidden);
    ~QtUserInterface() override;

    void message(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    bool askYesNoDefaultNo(const std::string& text) override;
    Answer askYesNoCancel(const std::string& text) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::string pickFile(const FileRequest& request) override;
    void setBusy(bool busy) override;
    void pumpEvents() override;
    void setGridHidden(bool hidden) override;

    int busyDepth() const { return busyDepth_; }

private:
    bool ask(const std::string& text, QMessageBox::StandardButton defaultButton);
    QPointer<QWidget> owner_;
    std::function<void()> refresh_;
    std::function<void(bool)> gridHidden_;
    int busyDepth_ = 0;
    int hiddenDepth_ = 0;
};

} // namespace vextor::app
