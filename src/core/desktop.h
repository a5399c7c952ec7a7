#pragma once
// Handing a web address, a mail link or a file to the desktop's own programs,
// as a service that tests can answer. Files are opened by the desktop's viewer
// for their type, never through a command line.
#include <filesystem>
#include <string>

namespace tessel {

class Desktop {
public:
    virtual ~Desktop() = default;
    virtual bool openUrl(const std::string& url) = 0;
    virtual bool openFile(const std::filesystem::path& file) = 0;
};

// The addresses behind the About box's links.
inline constexpr const char* kProjectWebAddress = "https://tessel-studio.example/";
inline constexpr const char* kSupportAddress = "support@tessel-studio.example";

}  // namespace tessel
