#pragma once
// Runs one designed form on the simulated screen: lays out the prompts, takes
// field input character by character (with the multi-tap letter keys),
// checks each character against the field type, moves between the input
// fields, and on completion counts the record, builds the output record and
// tells the engine where to go next.
#include <array>
#include <optional>
#include <string>

#include "core/project.h"
#include "simulator/clock.h"
#include "simulator/form_line.h"
#include "simulator/form_lookup.h"
#include "simulator/multi_tap.h"
#include "simulator/observer.h"
#include "simulator/reader_model.h"
#include "simulator/screen.h"
#include "simulator/terminal_data.h"

namespace tessel::sim {

// The last target code that leads somewhere (menu 10); a byte above it names
// no screen, so the screen that holds it stays where it is.
inline constexpr int kLastTarget = 20;
constexpr bool leadsNowhere(int target) { return target > kLastTarget; }

// Where a form is left for: a target code, and whether a menu target starts
// with its first item selected (completion) or keeps its selection (escape).
struct Departure {
    int target = 0;
    bool resetMenu = true;
};

class FormRunner {
public:
    FormRunner(Screen& screen, Project& project, const Clock& clock, SimulatorObserver& observer, TerminalData& data);

    // Shows form `form` (1 to 10) afresh, with initial values, cursor on its
    // first input field.
    void enter(int form);
    // Shows the current form again with all input kept.
    void render();
    // A key in the form; a departure when the form is left.
    std::optional<Departure> handleKey(int code);
    // Any key on the message screen: back to the form, or where the message
    // leads (form_data.cpp).
    std::optional<Departure> leaveMessage();
    // A scan the reader has read, into the current field; `note` says why
    // the field refused it. A departure when Auto ENTER completes the form.
    std::optional<Departure> takeScan(const ReaderOutput& read, Scan::Source source, std::string& note);

    bool hasPending() const { return multiTap_.pending(); }
    // Enters the pending multi-tap character, if any.
    void commitPending();
    // Drops the pending character without entering it.
    void cancelPending();
    // A 100 ms tick for the multi-tap time-out.
    void tick();

    const std::string& outputRecord() const { return output_; }

private:
    // The form's record and its per-line settings.
    FormRecord& record();
    const FormRecord& record() const;
    int lineCount() const;
    int typeOf(int line) const;
    std::string_view promptOf(int line) const;
    int maxLengthOf(int line) const;
    bool isExtension(int line) const;

    // Layout (form_layout.cpp).
    void resetLines();
    std::string lineText(int line) const;
    void spreadPassDown(int line);
    void drawFillCharacters();
    void fillLine(int line, char fill);
    int cursorColumnOf(int line) const;
    void showMessage(int number);

    // Navigation.
    void setCurrent(int line);
    int nextInputField(int from) const;
    int previousInputField(int from) const;
    void moveTo(int line);
    void moveUp();
    std::optional<Departure> pressEnter();
    std::optional<Departure> moveOn();
    std::optional<Departure> complete();

    // The form's lookup and record (form_data.cpp).
    const LookupRecord& lookupLayout() const;
    std::optional<Departure> followLookup(const LookupVerdict& verdict);
    void showLookupColumns();
    void keepRecord(const std::array<std::string, kFieldsPerForm>& inputs);

    // Input (field_entry.cpp).
    void enterCharacter(char c);
    void clearEarlierValue(int line);
    void appendAtEdge(int line);
    void backspace();
    void pressMultiTap(int code);

    // Scans and the input source (form_scan.cpp).
    bool refusesKey(int code);
    int roomOf(int line) const;
    int refusalOf(int line, std::string_view text) const;
    int checkOf(int line, std::string_view data) const;
    std::string partOf(int line, const std::string& data) const;
    void fillField(int line, const std::string& text);
    std::optional<Departure> takeWeightedCode(const WeightedCode& code, int line, std::string& note);
    std::optional<Departure> autoEnter(int line, int length);

    Screen& screen_;
    Project& project_;
    const Clock& clock_;
    SimulatorObserver& observer_;
    int form_ = 1;
    int current_ = 0;
    std::array<FormLine, kFieldsPerForm> lines_{};
    std::string output_;
    MultiTap multiTap_;
    TerminalData& data_;
    FormLookup lookup_;
    // What the key that leaves the message screen does.
    enum class AfterMessage { Stay, MoveOn, Clear, Leave };
    AfterMessage afterMessage_ = AfterMessage::Stay;
    int errorTarget_ = 0;
};

}  // namespace tessel::sim
