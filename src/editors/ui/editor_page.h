#pragma once
// One page of the editor sheet. A page edits a working copy that it takes when
// it is first shown; accepting the sheet copies back the bytes the page owns,
// cancelling it drops the copy.
class QWidget;

namespace tessel {

class EditorPage {
public:
    virtual ~EditorPage() = default;
    virtual void load() = 0;
    // Asked of every loaded page before any applies; a page that refuses has
    // told the user why, and the sheet stays open on it.
    virtual bool mayAccept() { return true; }
    virtual void accept() = 0;
    virtual void discard() = 0;
};

}  // namespace tessel
