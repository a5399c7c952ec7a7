#pragma once
// A box that shows a byte string by the names of its bytes and cannot be typed
// into: a click opens the character grid on it. While the grid is open the box
// is painted blue, so the user sees which value is being composed.
#include <QFrame>

#include "editors/character_grid.h"

class QLabel;

namespace tessel {

class MessageService;
class Strings;

class GridTargetBox : public QFrame {
    Q_OBJECT
public:
    // `value` is the owner's buffer; the grid offers at most `capacity` bytes.
    GridTargetBox(std::span<Byte> value, std::size_t capacity, const Strings& strings, MessageService& messages,
                  QWidget* parent = nullptr);

    QString text() const;
    // Shows the owner's buffer again after the owner changed it.
    void showValue();

signals:
    void edited();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void openGrid();
    std::span<Byte> value_;
    std::size_t capacity_;
    const Strings& strings_;
    MessageService& messages_;
    QLabel* label_;
    bool gridOpen_ = false;
};

}  // namespace tessel
