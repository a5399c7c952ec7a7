#pragma once
// TESSEL_SHOWN marks an English text of a logic library that the desktop
// program shows in the user's language. The text itself is unchanged here;
// the translations take it under `context` (lupdate reads the mark as
// QT_TRANSLATE_NOOP), and the widgets look it up under the same name.
#define TESSEL_SHOWN(context, text) text
