#pragma once
// One page of the editor sheet. A page edits a working copy that it takes when
// it is first shown; accepting the sheet copies the copy back, cancelling it
// drops the copy.
namespace tessel {

class EditorPage {
public:
    virtual ~EditorPage() = default;
    virtual void load() = 0;
    virtual void accept() = 0;
    virtual void discard() = 0;
};

}  // namespace tessel
