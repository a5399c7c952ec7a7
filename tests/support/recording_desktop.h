#pragma once
#include <string>
#include <vector>

#include "core/desktop.h"

namespace tessel::test {

// Records what would have been handed to the desktop, which has a program
// for everything unless `hasViewer` says otherwise.
class RecordingDesktop : public Desktop {
public:
    bool openUrl(const std::string& url) override {
        opened.push_back(url);
        return hasViewer;
    }
    bool openFile(const std::filesystem::path& file) override {
        opened.push_back(file.string());
        return hasViewer;
    }
    std::vector<std::string> opened;
    bool hasViewer = true;
};

}  // namespace tessel::test
