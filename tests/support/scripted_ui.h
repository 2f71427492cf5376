// A user interface for tests: answers come from queues, and every message and
// question is recorded in order.
#pragma once

#include "base/user_interface.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vextor::test {

class ScriptedUserInterface : public UserInterface {
public:
    // Everything shown, in order: "message: ...", "yesno: ...", "yesnocancel: ...",
    // "input: <title>: <prompt>", "pick: <title>".
    std::vector<std::string> log;
    std::vector<std::string> messages; // only the texts of message()

    std::deque<bool> yesNoAnswers;                       // default when empty: defaultYesNo
    std::deque<Answer> yesNoCancelAnswers;               // default when empty: Answer::Cancel
    std::deque<std::optional<std::string>> inputAnswers; // default when empty: cancelled
    std::deque<std::string> fileAnswers;                 // default when empty: cancelled ("")
    bool defaultYesNo = false;

    std::vector<FileRequest> fileRequests;
    int busyDepth = 0;
    int maxBusyDepth = 0;
    int pumpCount = 0;
    int hiddenDepth = 0;
    // Called on every pumpEvents(), e.g. to press Cancel while a command runs.
    std::function<void()> onPump;
    // Called on every message(), e.g. to inspect cell markers while a box is open.
    std::function<void(const std::string&)> onMessage;

    void message(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    bool askYesNoDefaultNo(const std::string& text) override; // logged "yesno, default No: ..."
    Answer askYesNoCancel(const std::string& text) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::string pickFile(const FileRequest& request) override;
    void setBusy(bool busy) override;
    void pumpEvents() override;
    void setGridHidden(bool hidden) override { hiddenDepth += hidden ? 1 : -1; }
};

} // namespace vextor::test
