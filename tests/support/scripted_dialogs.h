#pragma once
// File choosers answered by a script: each request takes the next answer.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/file_dialogs.h"

namespace tessel::test {

class ScriptedFileDialogs : public FileDialogs {
public:
    void answer(std::optional<std::string> path) { answers_.push_back(std::move(path)); }

    std::optional<std::string> choose(const FileDialogRequest& request) override {
        requests.push_back(request);
        if (answers_.empty()) return std::nullopt;
        auto next = answers_.front();
        answers_.pop_front();
        return next;
    }

    std::vector<FileDialogRequest> requests;

private:
    std::deque<std::optional<std::string>> answers_;
};

}  // namespace tessel::test
