#include "support/scripted_ui.h"

namespace vextor::test {

namespace {

// The front answer of a queue, or fallback when it is empty.
template <typename T> T next(std::deque<T>& queue, T fallback) {
    if (queue.empty())
        return fallback;
    T a = std::move(queue.front());
    queue.pop_front();
    return a;
}

} // namespace

void ScriptedUserInterface::message(const std::string& text) {
    log.push_back("message: " + text);
    messages.push_back(text);
    if (onMessage)
        onMessage(text);
}

bool ScriptedUserInterface::askYesNo(const std::string& text) {
    log.push_back("yesno: " + text);
    return next(yesNoAnswers, defaultYesNo);
}

bool ScriptedUserInterface::askYesNoDefaultNo(const std::string& text) {
    log.push_back("yesno, default No: " + text);
    return next(yesNoAnswers, defaultYesNo);
}

Answer ScriptedUserInterface::askYesNoCancel(const std::string& text) {
    log.push_back("yesnocancel: " + text);
    return next(yesNoCancelAnswers, Answer::Cancel);
}

std::optional<std::string> ScriptedUserInterface::inputBox(const std::string& prompt,
                                                           const std::string& title,
                                                           const std::string& defaultText) {
    log.push_back("input: " + title + ": " + prompt + " [" + defaultText + "]");
    return next(inputAnswers, std::optional<std::string>());
}

std::string ScriptedUserInterface::pickFile(const FileRequest& request) {
    log.push_back("pick: " + request.title);
    fileRequests.push_back(request);
    return next(fileAnswers, std::string());
}

void ScriptedUserInterface::setBusy(bool busy) {
    busyDepth += busy ? 1 : -1;
    maxBusyDepth = std::max(maxBusyDepth, busyDepth);
}

void ScriptedUserInterface::pumpEvents() {
    ++pumpCount;
    if (onPump)
        onPump();
}

} // namespace vextor::test
