// Starting the designed application from the main menu.
#include "simulator/application_start.h"

#include "simulator_fixture.h"

namespace tessel::sim::test {
namespace {

using ApplicationStart = SimulatorTest;

TEST_F(ApplicationStart, CountsMenuItemsThatShowAVisibleCharacter) {
    setMenu(1, {{"Receive", 0}, {"   ", 0}, {"Count", 0}, {"\t\x01", 0}});
    setText(menu(1).itemName[9], " x");
    prepareForStart(project.definition);
    EXPECT_EQ(menu(1).itemCount, 3);
    EXPECT_EQ(menu(2).itemCount, 0);
}

TEST_F(ApplicationStart, CountsFormLinesUpToTheLastInputField) {
    struct Case {
        std::vector<int> types;
        int lineCount;
    };
    const Case cases[] = {
        {{}, 0},
        {{kFieldPrompt, kFieldCounter, kFieldPassDown, kFieldPause}, 0},
        {{kFieldText}, 1},
        {{kFieldPrompt, kFieldNone, kFieldInteger, kFieldExtension, kFieldCounter}, 3},
        {{kFieldNone, kFieldNone, kFieldNone, kFieldNone, kFieldNone, kFieldNone, kFieldNone, kFieldCompare}, 8},
        {{kFieldAlphameric, kFieldVariable3, kFieldLookup}, 2},
    };
    for (const auto& c : cases) {
        FormRecord& record = form(1);
        record.fieldType.fill(0);
        for (std::size_t i = 0; i < c.types.size(); ++i) record.fieldType[i] = static_cast<Byte>(c.types[i]);
        prepareForStart(project.definition);
        EXPECT_EQ(record.fieldCount, c.lineCount) << "first type " << (c.types.empty() ? -1 : c.types[0]);
    }
}

TEST_F(ApplicationStart, ClearsPromptsAndLinksThatLinesCannotUse) {
    const int types[] = {kFieldNone, kFieldText, kFieldExtension, kFieldFixedData, kFieldPause, kFieldInteger};
    for (std::size_t i = 0; i < std::size(types); ++i) {
        form(1).fieldType[i] = static_cast<Byte>(types[i]);
        setText(form(1).fieldPrompt[i], "Prompt");
        form(1).fieldLink[i] = 20;
    }
    prepareForStart(project.definition);
    const std::string prompts[] = {"", "Prompt", "", "Prompt", "Prompt", "Prompt"};
    const Byte links[] = {0, 20, 0, 0, 0, 20};
    for (std::size_t i = 0; i < std::size(types); ++i) {
        EXPECT_EQ(cellText(form(1).fieldPrompt[i]), prompts[i]) << "line " << i;
        EXPECT_EQ(form(1).fieldLink[i], links[i]) << "line " << i;
    }
    EXPECT_EQ(form(1).fieldPrompt[0], TextCell{});
}

TEST_F(ApplicationStart, StartsFormOneOrMenuOneAsTheDesignAllows) {
    struct Case {
        std::string name;
        Byte programStart;
        int formOneType;
        bool menuOneHasItems;
        SimState state;
    };
    const Case cases[] = {
        {"form 1 with an input field", 0, kFieldText, true, SimState::FormScreen},
        {"form 1 of display lines only", 0, kFieldPrompt, true, SimState::MenuScreen},
        {"start from menu 1", 1, kFieldText, true, SimState::MenuScreen},
        {"menu 1 without items", 1, kFieldText, false, SimState::MainMenu},
    };
    for (const auto& c : cases) {
        project = tessel::test::newProject(kFamily4760);
        project.definition.settings.programStart = c.programStart;
        setField(1, 0, c.formOneType, "Line:");
        if (c.menuOneHasItems) setMenu(1, {{"Go", 1}});
        start();
        run("1");
        EXPECT_EQ(simulator->screen().state, c.state) << c.name;
    }
}

TEST_F(ApplicationStart, NothingToRunShowsTheMessageThenAsksForANew4760Project) {
    start();
    run("1");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "No executable program");
    EXPECT_EQ(messages.shown()[0].text, "Please define your program!");
    EXPECT_EQ(messages.shown()[0].style.icon, MessageIcon::Warning);
    EXPECT_EQ(observer.calls.back(), "new 4760");
    EXPECT_EQ(simulator->screen().state, SimState::MainMenu);
}

}  // namespace
}  // namespace tessel::sim::test
