#pragma once
// The history of changes to the definition, for Undo and Redo. Each step keeps
// the whole definition before and after the change, so undoing restores it
// exactly whatever else (the simulator's runtime bytes) changed in between.
// The history also knows which point in it was last saved, so the modified
// flag can follow it: undoing back to what was saved leaves nothing unsaved.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "core/definition.h"

namespace tessel {

struct EditStep {
    std::string name;  // what the menu shows after "Undo " and "Redo "
    Definition before;
    Definition after;
};

class EditHistory {
public:
    static constexpr std::size_t kDefaultDepth = 100;

    explicit EditHistory(std::size_t depth = kDefaultDepth) : depth_(depth < 1 ? 1 : depth) {}

    // Adds a step after the current point, dropping the steps that were
    // undone and, past the depth, the oldest one. A step that changes no byte
    // is not kept.
    void record(EditStep step);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The names of the step Undo and Redo would take back or do again;
    // empty when there is none.
    std::string undoName() const;
    std::string redoName() const;

    // The definition as it was before the last step done; call only when
    // canUndo().
    const Definition& undo();
    // The definition as it was after the next step undone; call only when
    // canRedo().
    const Definition& redo();

    // A new or opened project: no steps, and what is there now is saved.
    void clear();
    // The current point was just saved.
    void markSaved() { saved_ = done_; }
    // Whether the definition is as it was last saved (or opened or made new).
    bool atSavedPoint() const { return saved_ == done_; }

private:
    std::size_t depth_;
    std::deque<EditStep> steps_;
    std::size_t done_ = 0;  // steps in effect, counted from the oldest kept
    // How many steps were in effect when last saved; nothing once that point
    // can no longer be reached (dropped as too old, or undone and replaced).
    std::optional<std::size_t> saved_ = 0;
};

}  // namespace tessel
