#include "cli/console_ui.h"

namespace vextor::cli {

void ConsoleUserInterface::print(const std::string& text) {
    // Line breaks inside texts are CRLF; the console wants plain newlines.
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        line += text[i];
    }
    if (beforeLine)
        beforeLine();
    err_ << line << '\n';
}

void ConsoleUserInterface::message(const std::string& text) {
    print(text);
}

bool ConsoleUserInterface::askYesNo(const std::string& text) {
    print(text + (answerYes_ ? " [Yes]" : " [No]"));
    return answerYes_;
}

bool ConsoleUserInterface::askYesNoDefaultNo(const std::string& text) {
    print(text + (answerYes_ ? " (default No) [Yes]" : " (default No) [No]"));
    return answerYes_;
}

Answer ConsoleUserInterface::askYesNoCancel(const std::string& text) {
    print(text + (answerYes_ ? " [Yes]" : " [No]"));
    return answerYes_ ? Answer::Yes : Answer::No;
}

std::optional<std::string> ConsoleUserInterface::inputBox(const std::string&, const std::string&,
                                                          const std::string&) {
    return std::nullopt;
}

std::string ConsoleUserInterface::pickFile(const FileRequest&) {
    return {};
}

} // namespace vextor::cli
