#pragma once
// What the editor sheet's preview shows: the terminal's screen for the part
// of the design a page edits, and for a form the record it outputs for a
// sample entry. The screen comes from the engine itself, run on a copy of the
// project, so the preview lays out forms and menus exactly as the simulator
// does; the project given is never changed.
#include <string>

#include "core/project.h"
#include "core/strings.h"
#include "editors/preview_subject.h"
#include "simulator/clock.h"
#include "simulator/screen.h"

namespace tessel::sim {

struct DesignPreview {
    Screen screen;
    bool hasRecord = false;  // only a form outputs a record
    std::string record;      // the record's bytes, as a receive writes them before CR LF
};

// `working` holds the pages' working copies. A form shows as the terminal
// shows it on entering it, a menu with its first item selected; a text group
// shows on the terminal's screen that carries it (main menu, utilities,
// settings, connecting, the message over a form), any other as its lines.
DesignPreview previewDesign(const Project& working, const Strings& strings, const Clock& clock, PreviewSubject subject);

// The record `form` outputs when each input field holds its initial value,
// or else a sample of its type within its lengths, and the stamp is taken
// at `now`.
std::string sampleRecord(const FormRecord& form, const SystemSettings& settings, const LocalTime& now);

}  // namespace tessel::sim
