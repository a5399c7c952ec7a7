#pragma once
// One page of the editor sheet. A page edits a working copy that it takes when
// it is first shown; accepting the sheet copies back the bytes the page owns,
// cancelling it drops the copy.
#include <functional>
#include <string>
#include <utility>

class QWidget;

namespace tessel {

class EditorPage {
public:
    // Told by a page after it wrote into the definition at once, with the
    // change's name (UTF-8) as Undo shows it.
    using WroteAtOnce = std::function<void(const std::string& change)>;

    virtual ~EditorPage() = default;
    virtual void load() = 0;
    // Asked of every loaded page before any applies; a page that refuses has
    // told the user why, and the sheet stays open on it.
    virtual bool mayAccept() { return true; }
    virtual void accept() = 0;
    virtual void discard() = 0;
    // Whether accepting would write anything that the definition does not
    // hold yet: cancelling then drops work, so the sheet asks first.
    virtual bool hasChanges() const = 0;

    void setWroteAtOnce(WroteAtOnce told) { wroteAtOnce_ = std::move(told); }

protected:
    void wroteAtOnce(const std::string& change) const {
        if (wroteAtOnce_) wroteAtOnce_(change);
    }

private:
    WroteAtOnce wroteAtOnce_;
};

}  // namespace tessel
