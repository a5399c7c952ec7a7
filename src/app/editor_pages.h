#pragma once
// Puts the editor sheet together: the pages of every subsystem, in tab order.
// The pages live in different ui libraries; only the program knows them all.
#include "editors/ui/form_page.h"

namespace tessel {

class EditorSheet;
class FileDialogs;
class MessageService;
class Strings;
struct Project;

void addEditorPages(EditorSheet& sheet, Project& project, const Strings& strings, MessageService& messages,
                    FileDialogs& dialogs, SendKey sendKey);

}  // namespace tessel
