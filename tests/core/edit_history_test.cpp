#include "core/edit_history.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/history_entries.h"
#include "core/strings.h"
#include "core/window_title.h"

namespace tessel {
namespace {

// A definition told apart from the others by one byte.
Definition version(Byte marker) {
    Definition definition{};
    definition.forms[0].fieldType[0] = marker;
    return definition;
}

Byte markerOf(const Definition& definition) { return definition.forms[0].fieldType[0]; }

class History : public ::testing::Test {
protected:
    // Steps from version 0 to version `last`, named "Step 1" ... "Step last".
    void recordUpTo(Byte last) {
        for (Byte marker = 1; marker <= last; ++marker) {
            history.record({"Step " + std::to_string(marker), version(static_cast<Byte>(marker - 1)), version(marker)});
        }
    }

    EditHistory history;
};

TEST_F(History, UndoAndRedoWalkTheStepsWithTheirNames) {
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.undoName(), "");
    recordUpTo(3);
    EXPECT_EQ(history.undoName(), "Step 3");
    EXPECT_EQ(markerOf(history.undo()), 2);
    EXPECT_EQ(markerOf(history.undo()), 1);
    EXPECT_EQ(history.undoName(), "Step 1");
    EXPECT_EQ(history.redoName(), "Step 2");
    EXPECT_EQ(markerOf(history.redo()), 2);
    EXPECT_EQ(markerOf(history.redo()), 3);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.redoName(), "");
}

// Undo restores the definition the step found, not the one the step before it
// left: whatever changed in between (the simulator's runtime bytes) is kept.
TEST_F(History, UndoRestoresWhatTheStepFound) {
    history.record({"Edit", version(1), version(2)});
    history.record({"Edit", version(7), version(8)});
    EXPECT_EQ(markerOf(history.undo()), 7);
    EXPECT_EQ(markerOf(history.undo()), 1);
}

TEST_F(History, ANewStepDropsWhatWasUndone) {
    recordUpTo(3);
    history.undo();
    history.undo();
    history.record({"Other", version(1), version(9)});
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoName(), "Other");
    EXPECT_EQ(markerOf(history.undo()), 1);
    EXPECT_EQ(history.undoName(), "Step 1");
}

TEST_F(History, AStepThatChangesNoByteIsNotKept) {
    recordUpTo(1);
    history.record({"Nothing", version(1), version(1)});
    EXPECT_EQ(history.undoName(), "Step 1");
}

TEST_F(History, KeepsTheLatestHundredSteps) {
    recordUpTo(150);
    Byte reached = 150;
    while (history.canUndo()) reached = markerOf(history.undo());
    EXPECT_EQ(reached, 50);
}

TEST(HistoryDepth, AHistoryOfOneStepKeepsTheLatest) {
    EditHistory history(1);
    history.record({"First", version(0), version(1)});
    history.record({"Second", version(1), version(2)});
    EXPECT_EQ(markerOf(history.undo()), 1);
    EXPECT_FALSE(history.canUndo());
}

TEST_F(History, TheSavedPointIsFoundAgainByUndoAndRedo) {
    EXPECT_TRUE(history.atSavedPoint());
    recordUpTo(2);
    EXPECT_FALSE(history.atSavedPoint());
    history.markSaved();
    history.undo();
    EXPECT_FALSE(history.atSavedPoint());
    history.redo();
    EXPECT_TRUE(history.atSavedPoint());
    history.clear();
    EXPECT_TRUE(history.atSavedPoint());
    EXPECT_FALSE(history.canUndo());
}

TEST_F(History, TheSavedPointIsLostOnceItCannotBeReached) {
    struct Case {
        const char* what;
        std::function<void(EditHistory&)> after;
    };
    const Case cases[] = {
        {"undone and replaced by another step",
         [](EditHistory& h) {
             h.undo();
             h.record({"Other", version(1), version(9)});
         }},
        {"dropped as too old",
         [](EditHistory& h) {
             for (Byte marker = 10; marker < 120; ++marker) {
                 h.record({"More", version(marker), version(static_cast<Byte>(marker + 1))});
             }
         }},
    };
    for (const auto& c : cases) {
        EditHistory one;
        one.record({"Step", version(0), version(1)});
        one.record({"Step", version(1), version(2)});
        one.markSaved();
        c.after(one);
        bool reached = one.atSavedPoint();
        while (one.canUndo()) {
            one.undo();
            reached = reached || one.atSavedPoint();
        }
        while (one.canRedo()) {
            one.redo();
            reached = reached || one.atSavedPoint();
        }
        EXPECT_FALSE(reached) << c.what;
    }
}

TEST(HistoryEntries, UndoAndRedoFollowSaveAsNamedAfterTheirSteps) {
    EditHistory history;
    auto entries = popupMenuEntries(Strings(), {});
    addHistoryEntries(entries, history);
    ASSERT_GT(entries.size(), 6u);
    EXPECT_EQ(entries[3].command, kCommandSaveAs);
    EXPECT_TRUE(entries[4].separator);
    EXPECT_EQ(entries[5].command, kCommandUndo);
    EXPECT_EQ(entries[5].text, "&Undo\tCtrl+Z");
    EXPECT_EQ(entries[6].command, kCommandRedo);
    EXPECT_EQ(entries[6].text, "Redo\tCtrl+Shift+Z");
    EXPECT_EQ(entries[8].command, kCommandEdit);

    history.record({"Edit", version(0), version(1)});
    history.record({"Reader Type", version(1), version(2)});
    history.undo();
    EXPECT_EQ(undoEntryText(history), "&Undo Edit\tCtrl+Z");
    EXPECT_EQ(redoEntryText(history), "Redo Reader Type\tCtrl+Shift+Z");
}

TEST(WindowTitle, NamesTheFileAndMarksUnsavedChanges) {
    struct Case {
        const char* path;
        bool modified;
        const char* title;
    };
    const Case cases[] = {
        {"/home/stock/stock.TSX", false, "stock.TSX"},
        {"/home/stock/stock.TSX", true, "stock.TSX \u2022"},
        {"C:\\Projects\\count.TSA", false, "count.TSA"},
        {"", false, "Untitled"},
        {"", true, "Untitled \u2022"},
        {"Unknow", false, "Untitled"},
    };
    for (const auto& c : cases) EXPECT_EQ(windowTitleOf(c.path, c.modified), c.title) << c.path;
    EXPECT_EQ(savedNoticeOf("/home/stock/stock.TSX"), "Saved stock.TSX");
}

}  // namespace
}  // namespace tessel
