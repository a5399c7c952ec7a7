#pragma once
// The About box: title, version, and links to the project's web site and its
// support address. Only OK closes it.
#include <QDialog>
#include <QLabel>

namespace tessel {
class Desktop;
}

namespace tessel::ui {

// A label that opens its address when clicked; underlined while the pointer is
// away from it and plain while it is over it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, QString address, Desktop& desktop, QWidget* parent = nullptr);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setUnderlined(bool underlined);
    QString address_;
    Desktop& desktop_;
};

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(Desktop& desktop, QWidget* parent = nullptr);

    // Esc and the window's close button do nothing.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace tessel::ui
