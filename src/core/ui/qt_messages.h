#pragma once
// Message boxes and file choosers on Qt Widgets.
#include <QPointer>
#include <QWidget>

class QFileDialog;
class QMessageBox;

#include "core/file_dialogs.h"
#include "core/messages.h"

namespace tessel::ui {

class QtMessages : public MessageService {
public:
    explicit QtMessages(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    int show(std::string_view caption, std::string_view text, MessageStyle style) override;

private:
    QPointer<QWidget> owner_;
};

// Widens a message box so that its title bar shows the whole caption.
void fitCaption(QMessageBox& box);

// Sets up a file chooser for `request`: its filters, its mode and where it
// starts. The filter labels already name their patterns, so Qt's own
// pattern list after each label is hidden.
void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    std::optional<std::string> choose(const FileDialogRequest& request) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace tessel::ui
