#pragma once
// One page of the editor sheet. A page edits a working copy that it takes when
// it is first shown; accepting the sheet copies back the bytes the page owns,
// cancelling it drops the copy.
#include <functional>
#include <string>
#include <utility>

#include "editors/preview_subject.h"

class QWidget;

namespace tessel {

struct Definition;

class EditorPage {
public:
    // Told by a page after it wrote into the definition at once, with the
    // change's name (UTF-8) as Undo shows it.
    using WroteAtOnce = std::function<void(const std::string& change)>;

    virtual ~EditorPage() = default;
    virtual void load() = 0;
    // Asked of every loaded page before any applies; the sheet stays open on
    // the first that refuses, brings it on top and then lets it say why.
    virtual bool mayAccept() const { return true; }
    virtual void explainRefusal() {}
    virtual void accept() = 0;
    virtual void discard() = 0;
    // Whether accepting would write anything that the definition does not
    // hold yet: cancelling then drops work, so the sheet asks first.
    virtual bool hasChanges() const = 0;

    // What the sheet's preview shows while this page is on top.
    virtual PreviewSubject previewSubject() const { return {}; }
    // Writes the working copy into `preview`, a copy of the definition, as
    // accept would write it into the definition; a page whose copy shows in
    // no preview leaves it as it is.
    virtual void writePreview(Definition& /*preview*/) const {}
    // Shows form, menu, lookup or text group `index` (0-based) with the focus
    // on its field, item or line `element`, or on the page when it is -1.
    virtual void showPlace(int /*index*/, int /*element*/) {}

    void setWroteAtOnce(WroteAtOnce told) { wroteAtOnce_ = std::move(told); }
    // The sheet hears through this of every change of the working copy.
    void setChangeNotice(std::function<void()> notice) { notice_ = std::move(notice); }

protected:
    void wroteAtOnce(const std::string& change) const {
        if (wroteAtOnce_) wroteAtOnce_(change);
    }
    void workingCopyChanged() const {
        if (notice_) notice_();
    }

private:
    WroteAtOnce wroteAtOnce_;
    std::function<void()> notice_;
};

}  // namespace tessel
