#pragma once
#include "core/desktop.h"

namespace tessel::ui {

class QtDesktop : public Desktop {
public:
    bool openUrl(const std::string& url) override;
    bool openFile(const std::filesystem::path& file) override;
};

}  // namespace tessel::ui
