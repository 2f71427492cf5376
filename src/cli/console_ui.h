// The user interface of vextor-cli: messages go to the error stream, one per
// line; questions are answered No (Yes with --yes); input boxes and file
// pickers are cancelled; the busy pointer and event pumping do nothing.
#pragma once

#include "base/user_interface.h"

#include <functional>
#include <ostream>

namespace vextor::cli {

class ConsoleUserInterface : public UserInterface {
public:
    ConsoleUserInterface(std::ostream& err, bool answerYes) : err_(err), answerYes_(answerYes) {}

    void message(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    bool askYesNoDefaultNo(const std::string& text) override;
    Answer askYesNoCancel(const std::string& text) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::string pickFile(const FileRequest& request) override;
    void setBusy(bool) override {}
    void pumpEvents() override {}

    // Called before every line this interface writes (a progress bar clears
    // its line there).
    std::function<void()> beforeLine;

private:
    void print(const std::string& text);

    std::ostream& err_;
    bool answerYes_;
};

} // namespace vextor::cli
