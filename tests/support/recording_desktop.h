#pragma once
#include <string>
#include <vector>

#include "core/desktop.h"

namespace tessel::test {

// Records what would have been handed to the desktop.
class RecordingDesktop : public Desktop {
public:
    bool openUrl(const std::string& url) override {
        opened.push_back(url);
        return true;
    }
    bool openFile(const std::filesystem::path& file) override {
        opened.push_back(file.string());
        return true;
    }
    std::vector<std::string> opened;
};

}  // namespace tessel::test
