#pragma once
// Calls `changed` after every change of a control of `page` (a text, a list
// choice, a box ticked or a button pressed, whose dialogs have closed by
// then), so a page tells the sheet of each change without a line in each of
// its handlers. The page's own handlers, connected first, have run by then.
#include <functional>

class QWidget;

namespace tessel {

void noticeEdits(QWidget* page, const std::function<void()>& changed);

}  // namespace tessel
