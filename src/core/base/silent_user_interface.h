// A user interface with nobody in front of it: messages are dropped, questions
// get fixed answers, input boxes and file pickers are cancelled. For batch
// runs that must not stop for a person (benchmarks, fuzzing).
#pragma once

#include "base/user_interface.h"

namespace vextor {

class SilentUserInterface : public UserInterface {
public:
    explicit SilentUserInterface(bool yes = false, Answer threeWay = Answer::No)
        : yes_(yes), threeWay_(threeWay) {}
    void message(const std::string&) override {}
    bool askYesNo(const std::string&) override { return yes_; }
    Answer askYesNoCancel(const std::string&) override { return threeWay_; }
    std::optional<std::string> inputBox(const std::string&, const std::string&,
                                        const std::string&) override {
        return std::nullopt;
    }
    std::string pickFile(const FileRequest&) override { return {}; }
    void setBusy(bool) override {}
    void pumpEvents() override {}

private:
    bool yes_;
    Answer threeWay_;
};

} // namespace vextor
