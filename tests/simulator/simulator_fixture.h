#pragma once
// A simulator on a new 4760 project at 09:05 on 5 March 2026, with helpers to
// design forms and menus, run key scripts and compare golden screens.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"
#include "simulator/field_types.h"
#include "simulator/key_script.h"
#include "simulator/screen_text.h"
#include "simulator/simulator.h"
#include "support/projects.h"

namespace tessel::sim::test {

inline constexpr LocalTime kFifthOfMarch{2026, 3, 5, 9, 5, 0};

// Keeps every call the simulator makes to its front end.
class RecordingObserver : public SimulatorObserver {
public:
    void repaintScreen() override { calls.push_back("screen"); }
    void repaintRow(int row) override { calls.push_back("row " + std::to_string(row)); }
    void showPendingCharacter(char c) override { calls.push_back(std::string("pending ") + c); }
    void drawClock() override { calls.push_back("clock"); }
    void requestNewProject(int family) override { calls.push_back("new " + std::to_string(family)); }

    std::vector<std::string> calls;
};

// A key script and the screen it leads to: the status line, then the rows
// from the top as `tessel sim` prints them; rows not listed are blank.
struct Golden {
    std::string script;
    std::string status;
    std::vector<std::string> rows;
    std::string output = "";
};

inline void setText(TextCell& cell, std::string_view text) { setCellText(cell, text); }

// A printed row of ASCII text: between bars, padded to the screen's width.
inline std::string row(std::string_view text) {
    return "|" + std::string(text) + std::string(20 - text.size(), ' ') + "|";
}

inline const std::string kBlankRow = "|                    |";
inline const std::string kStarsRow = "|********************|";

class SimulatorTest : public ::testing::Test {
protected:
    FormRecord& form(int number) { return project.definition.forms[static_cast<std::size_t>(number - 1)]; }
    MenuRecord& menu(int number) { return project.definition.menus[static_cast<std::size_t>(number - 1)]; }

    // Puts a field of `type` with `prompt` on line `line` of form `number`.
    void setField(int number, int line, int type, std::string_view prompt, int maxLength = 160) {
        const auto i = static_cast<std::size_t>(line);
        form(number).fieldType[i] = static_cast<Byte>(type);
        setText(form(number).fieldPrompt[i], prompt);
        form(number).maxLength[i] = static_cast<Byte>(maxLength);
    }

    // Gives menu `number` its items, each leading to its target.
    void setMenu(int number, std::vector<std::pair<std::string, int>> items) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            setText(menu(number).itemName[i], items[i].first);
            menu(number).itemTarget[i] = static_cast<Byte>(items[i].second);
        }
    }

    // A simulator just switched on: the main menu at 09:05 on 5 March 2026,
    // no record counted, no output record, the design as the test made it.
    Simulator& start(unsigned recordCounter = 0) {
        project.recordCounter = recordCounter;
        clock = SteppingClock(kFifthOfMarch);
        observer.calls.clear();
        simulator.emplace(project, tessel::test::builtinStrings(), messages, clock, observer);
        simulator->restart();
        if (onStart) onStart(*simulator);
        return *simulator;
    }

    void run(std::string_view script) {
        ASSERT_EQ(badKeyToken(script), std::nullopt) << script;
        runKeyScript(*simulator, clock, script);
    }

    std::string shownScreen() const { return screenText(*simulator); }

    // Starts afresh, runs the script and compares the whole screen.
    void expectGolden(const Golden& golden, unsigned recordCounter = 0) {
        start(recordCounter);
        run(golden.script);
        std::string expected = golden.status + "\noutput=" + golden.output + "\n";
        for (std::size_t row = 0; row < kScreenRows; ++row) {
            expected += row < golden.rows.size() ? golden.rows[row] : kBlankRow;
            expected += '\n';
        }
        EXPECT_EQ(shownScreen(), expected) << "script: " << golden.script;
    }

    Project project = tessel::test::newProject(kFamily4760);
    SteppingClock clock{kFifthOfMarch};
    CapturedMessages messages;
    RecordingObserver observer;
    std::optional<Simulator> simulator;
    // Runs on every simulator just switched on, before the script.
    std::function<void(Simulator&)> onStart;
};

}  // namespace tessel::sim::test
