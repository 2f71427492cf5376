// The one port through which the core talks to a person. The desktop program,
// the command-line tool and the tests each implement it.
#pragma once

#include <optional>
#include <string>

namespace vextor {

enum class Answer { Yes, No, Cancel };

// What a file-name picker is asked for: one filter entry (name and patterns
// separated by ';'), a title, a start folder, Open or Save.
struct FileRequest {
    std::string title = "0";   // a picker whose title was never set shows 0
    std::string fileTypes;     // e.g. "*.vxt;*.txt;*.dat"
    std::string fileTypesName; // e.g. "Vextor Files"
    std::string defaultDir;
    bool save = false;
};

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // Modal message with an OK button. Line breaks inside texts are "\r\n".
    virtual void message(const std::string& text) = 0;
    virtual bool askYesNo(const std::string& text) = 0;
    // A question whose Yes loses work: No is the default answer (Enter gives
    // No). Interfaces without a default button just ask.
    virtual bool askYesNoDefaultNo(const std::string& text) { return askYesNo(text); }
    virtual Answer askYesNoCancel(const std::string& text) = 0;
    // nullopt when cancelled; an empty answer is reported as an empty string.
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;
    // The chosen full path, or an empty string when cancelled.
    virtual std::string pickFile(const FileRequest& request) = 0;
    // Busy pointer on/off; calls nest (every on is matched by one off).
    virtual void setBusy(bool busy) = 0;
    // Let pending window events run and bring the display up to date.
    virtual void pumpEvents() = 0;
    // Hiding the grid area during long work: repaints are suspended while hidden.
    virtual void setGridHidden(bool hidden) { (void)hidden; }
};

// Passes every call on to another interface. Decorators derive from it and
// override only what they change.
class ForwardingUserInterface : public UserInterface {
public:
    explicit ForwardingUserInterface(UserInterface& inner) : inner_(inner) {}

    void message(const std::string& text) override { inner_.message(text); }
    bool askYesNo(const std::string& text) override { return inner_.askYesNo(text); }
    bool askYesNoDefaultNo(const std::string& text) override {
        return inner_.askYesNoDefaultNo(text);
    }
    Answer askYesNoCancel(const std::string& text) override { return inner_.askYesNoCancel(text); }
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override {
        return inner_.inputBox(prompt, title, defaultText);
    }
    std::string pickFile(const FileRequest& request) override { return inner_.pickFile(request); }
    void setBusy(bool busy) override { inner_.setBusy(busy); }
    void pumpEvents() override { inner_.pumpEvents(); }
    void setGridHidden(bool hidden) override { inner_.setGridHidden(hidden); }

protected:
    UserInterface& inner() { return inner_; }

private:
    UserInterface& inner_;
};

// Shows the busy pointer for its lifetime, so every exit path restores it.
class BusyPointer {
public:
    explicit BusyPointer(UserInterface& ui) : ui_(ui) { ui_.setBusy(true); }
    ~BusyPointer() { ui_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    UserInterface& ui_;
};

// Keeps the grid area hidden (repaints suspended) for its lifetime.
class HiddenGrid {
public:
    explicit HiddenGrid(UserInterface& ui) : ui_(ui) { ui_.setGridHidden(true); }
    ~HiddenGrid() { ui_.setGridHidden(false); }
    HiddenGrid(const HiddenGrid&) = delete;
    HiddenGrid& operator=(const HiddenGrid&) = delete;

private:
    UserInterface& ui_;
};

} // namespace vextor
