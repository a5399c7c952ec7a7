#pragma once
// "The Grid Control": composes a short byte string by clicking the names of
// its bytes. The caller reads the grid's value and text after OK, and shows
// the saved text again after Cancel.
#include <QDialog>
#include <span>

#include "editors/character_grid.h"

class QLabel;

namespace tessel {

class GridView;
class MessageService;
class Strings;

class GridDialog : public QDialog {
    Q_OBJECT
public:
    GridDialog(std::span<const Byte> value, std::size_t capacity, const Strings& strings, MessageService& messages,
               QWidget* parent = nullptr);

    const CharacterGrid& grid() const { return grid_; }
    GridView* view() const { return view_; }

private:
    void showResult();

    CharacterGrid grid_;
    GridView* view_;
    QLabel* result_;
};

}  // namespace tessel
