#include "support/scripted_ui.h"

namespace vextor::test {

void ScriptedUserInterface::message(const std::string& text) {
    log.push_back("message: " + text);
    messages.push_back(text);
    if (onMessage)
        onMessage(text);
}

bool ScriptedUserInterface::askYesNo(const std::string& text) {
    log.push_back("yesno: " + text);
    if (yesNoAnswers.empty())
        return defaultYesNo;
    const bool a = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return a;
}

Answer ScriptedUserInterface::askYesNoCancel(const std::string& text) {
    log.push_back("yesnocancel: " + text);
    if (yesNoCancelAnswers.empty())
        return Answer::Cancel;
    const Answer a = yesNoCancelAnswers.front();
    yesNoCancelAnswers.pop_front();
    return a;
}

std::optional<std::string> ScriptedUserInterface::inputBox(const std::string& prompt,
                                                           const std::string& title,
                                                           const std::string& defaultText) {
    log.push_back("input: " + title + ": " + prompt + " [" + defaultText + "]");
    if (inputAnswers.empty())
        return std::nullopt;
    auto a = inputAnswers.front();
    inputAnswers.pop_front();
    return a;
}

std::string ScriptedUserInterface::pickFile(const FileRequest& request) {
    log.push_back("pick: " + request.title);
    fileRequests.push_back(request);
    if (fileAnswers.empty())
        return {};
    auto a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

void ScriptedUserInterface::setBusy(bool busy) {
    busyDepth += busy ? 1 : -1;
    if (busyDepth > maxBusyDepth)
        maxBusyDepth = busyDepth;
}

void ScriptedUserInterface::pumpEvents() {
    ++pumpCount;
    if (onPump)
        onPump();
}

} // namespace vextor::test
