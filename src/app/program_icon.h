#pragma once
// The program's icon: a handheld barcode terminal, compiled in as PNG files of
// the icon theme's usual sizes, so every window shows it wherever the program
// runs from.
#include <QIcon>

namespace tessel::ui {

QIcon programIcon();

}  // namespace tessel::ui
