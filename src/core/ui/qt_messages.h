#pragma once
// Message boxes and file choosers on Qt Widgets.
#include <QPointer>
#include <QWidget>

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

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    std::optional<std::string> choose(const FileDialogRequest& request) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace tessel::ui
