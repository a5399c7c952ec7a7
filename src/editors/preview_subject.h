#pragma once
// What the editor sheet's preview shows for the page on top: the terminal's
// start screen, a form as the terminal enters it, a menu, or one of the
// Startup page's groups of screen texts.
#include <cstddef>

namespace tessel {

struct PreviewSubject {
    enum class Kind { StartScreen, Form, Menu, TextGroup };
    Kind kind = Kind::StartScreen;
    std::size_t index = 0;  // the form or menu (0-based), or the text group

    bool operator==(const PreviewSubject&) const = default;
};

}  // namespace tessel
