#include "core/edit_history.h"

#include <utility>

namespace tessel {

void EditHistory::record(EditStep step) {
    if (sameBytes(step.before, step.after)) return;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    if (saved_ && *saved_ > done_) saved_.reset();
    steps_.push_back(std::move(step));
    ++done_;
    if (steps_.size() > depth_) {
        steps_.pop_front();
        --done_;
        if (saved_) saved_ = *saved_ == 0 ? std::nullopt : std::optional<std::size_t>(*saved_ - 1);
    }
}

std::string EditHistory::undoName() const { return canUndo() ? steps_[done_ - 1].name : std::string(); }

std::string EditHistory::redoName() const { return canRedo() ? steps_[done_].name : std::string(); }

const Definition& EditHistory::undo() { return steps_[--done_].before; }

const Definition& EditHistory::redo() { return steps_[done_++].after; }

void EditHistory::clear() {
    steps_.clear();
    done_ = 0;
    saved_ = 0;
}

}  // namespace tessel
