// The registry of simulated terminals against another local user who plants
// links, folders and entries where it lives before us.
#include "link/platform/virtual_terminals.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "core/file_io.h"
#include "support/served_terminal.h"
#include "support/temp_dir.h"

namespace tessel::link {
namespace {

namespace fs = std::filesystem;

using test::ServedTerminal;

// Sets an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        set(value);
    }
    ~ScopedVariable() { set(old_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void set(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name_, value->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

// Another user, for the cases only root can stage.
constexpr uid_t kOtherUser = 4242;

fs::perms modeOf(const fs::path& path) { return fs::symlink_status(path).permissions(); }

std::string contentOf(const fs::path& path) { return readFileBytes(path, 1 << 16).value_or("<unreadable>"); }

void writeFile(const fs::path& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

bool listed(const std::string& device) {
    const PortList terminals = listVirtualTerminals();
    return std::find(terminals.begin(), terminals.end(), PortEntry{device, device}) != terminals.end();
}

// The id of a process that has ended.
std::string endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return std::to_string(child);
}

// The registry in a runtime folder of its own.
class Registry : public ::testing::Test {
protected:
    Registry() : runtime_("XDG_RUNTIME_DIR", temp.path().string()) {}

    fs::path studio() const { return temp.path() / "tessel-studio"; }
    fs::path folder() const { return studio() / "terminals"; }
    std::string ownEntry() const { return std::to_string(::getpid()); }

    test::TempDir temp;
    ServedTerminal terminal{PeerSettings{}};

private:
    ScopedVariable runtime_;
};

// In the runtime folder and, without one, in the temporary folder: private
// folders, a private entry, listed while registered and gone afterwards.
TEST_F(Registry, EntriesArePrivateAndLastAsLongAsTheirTerminal) {
    const ScopedVariable noRuntime("XDG_RUNTIME_DIR", std::nullopt);
    const ScopedVariable temporary("TMPDIR", temp.path().string());
    const fs::path inTemporary = temp.path() / ("tessel-studio-" + std::to_string(::getuid()));
    ASSERT_EQ(virtualTerminalFolder(), inTemporary / "terminals");
    {
        VirtualTerminalEntry entry(terminal.devicePath());
        ASSERT_TRUE(entry.registered()) << entry.error();
        EXPECT_EQ(modeOf(inTemporary), fs::perms::owner_all);
        EXPECT_EQ(modeOf(inTemporary / "terminals"), fs::perms::owner_all);
        EXPECT_EQ(modeOf(inTemporary / "terminals" / ownEntry()), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(contentOf(inTemporary / "terminals" / ownEntry()), terminal.devicePath() + "\n");
        EXPECT_TRUE(listed(terminal.devicePath()));
    }
    EXPECT_FALSE(fs::exists(inTemporary / "terminals" / ownEntry()));
    EXPECT_FALSE(listed(terminal.devicePath()));
}

// A link planted where the entry goes would make the terminal overwrite the
// file it names: the link is removed, never followed.
TEST_F(Registry, ALinkInPlaceOfTheEntryIsNotFollowed) {
    fs::create_directories(folder());
    fs::permissions(studio(), fs::perms::owner_all);
    fs::permissions(folder(), fs::perms::owner_all);
    writeFile(temp.path() / "precious", "precious");
    fs::create_symlink(temp.path() / "precious", folder() / ownEntry());
    {
        VirtualTerminalEntry entry(terminal.devicePath());
        ASSERT_TRUE(entry.registered()) << entry.error();
        EXPECT_EQ(contentOf(temp.path() / "precious"), "precious");
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder() / ownEntry())));
        EXPECT_TRUE(listed(terminal.devicePath()));
    }
    EXPECT_EQ(contentOf(temp.path() / "precious"), "precious");
}

// A folder of the registry that is a link, or that another user made, is
// refused: nothing is written into it and nothing it holds is listed.
TEST_F(Registry, LinkedOrForeignFoldersAreRefused) {
    // The attacker's folder, holding an entry that looks genuine.
    const fs::path planted = temp.path() / "planted";
    fs::create_directories(planted / "terminals");
    writeFile(planted / "terminals" / ownEntry(), terminal.devicePath() + "\n");
    const auto stage = [&](const std::string& how) {
        fs::remove_all(studio());
        if (how == "linked registry") {
            fs::create_directory_symlink(planted, studio());
        } else if (how == "linked terminals") {
            fs::create_directory(studio());
            fs::create_directory_symlink(planted / "terminals", folder());
        } else {
            fs::create_directories(folder());
            writeFile(folder() / ownEntry(), terminal.devicePath() + "\n");
            EXPECT_EQ(::chown(studio().c_str(), kOtherUser, kOtherUser), 0);
        }
    };
    std::vector<std::string> cases{"linked registry", "linked terminals"};
    if (::getuid() == 0) cases.emplace_back("registry of another user");
    for (const auto& how : cases) {
        stage(how);
        EXPECT_FALSE(listed(terminal.devicePath())) << how;
        EXPECT_TRUE(fs::exists(planted / "terminals" / ownEntry())) << how;
        VirtualTerminalEntry entry(terminal.devicePath());
        EXPECT_FALSE(entry.registered()) << how;
        const bool linked = how != "registry of another user";
        EXPECT_NE(entry.error().find(linked ? "is not a folder (a symbolic link?)" : "belongs to another user"),
                  std::string::npos)
            << how << ": " << entry.error();
        EXPECT_EQ(contentOf(planted / "terminals" / ownEntry()), terminal.devicePath() + "\n") << how;
    }
}

// A folder of ours that others may enter, as earlier versions made it, is
// made private before it is used.
TEST_F(Registry, AnOpenFolderOfOursIsMadePrivate) {
    fs::create_directories(folder());
    fs::permissions(studio(), fs::perms::all);
    fs::permissions(folder(), fs::perms::all);
    VirtualTerminalEntry entry(terminal.devicePath());
    ASSERT_TRUE(entry.registered()) << entry.error();
    EXPECT_EQ(modeOf(studio()), fs::perms::owner_all);
    EXPECT_EQ(modeOf(folder()), fs::perms::owner_all);
}

// Only an entry naming a pseudo-terminal that its running process holds is
// listed. Entries of ended processes and names that are no process id are
// removed; the others stay, unlisted.
TEST_F(Registry, OnlyPseudoTerminalsHeldByTheirRunningProcessAreListed) {
    const std::string ended = endedProcess();
    const std::string parent = std::to_string(::getppid());
    ASSERT_NE(parent, "1");
    fs::create_directories(folder());
    fs::permissions(studio(), fs::perms::owner_all);
    fs::permissions(folder(), fs::perms::owner_all);
    writeFile(folder() / "1", "/dev/ptmx\n");                          // a running process, not a pseudo-terminal
    writeFile(folder() / ended, terminal.devicePath() + "\n");         // our device, but its process has ended
    writeFile(folder() / parent, terminal.devicePath() + "\n");        // running, but it does not hold the device
    writeFile(folder() / "notes", terminal.devicePath() + "\n");       // no process id
    writeFile(temp.path() / "genuine", terminal.devicePath() + "\n");  // a link to a genuine entry
    fs::create_symlink(temp.path() / "genuine", folder() / ownEntry());
    EXPECT_TRUE(listVirtualTerminals().empty());

    for (const auto& [name, kept] : {std::pair{std::string("1"), true}, std::pair{ended, false},
                                     std::pair{parent, true}, std::pair{std::string("notes"), false}}) {
        EXPECT_EQ(fs::exists(fs::symlink_status(folder() / name)), kept) << name;
    }
    {
        VirtualTerminalEntry entry(terminal.devicePath());
        ASSERT_TRUE(entry.registered()) << entry.error();
        EXPECT_EQ(listVirtualTerminals(), (PortList{{terminal.devicePath(), terminal.devicePath()}}));
    }
    EXPECT_TRUE(listVirtualTerminals().empty());
}

// An entry another user made with our process's id is not taken for ours.
TEST_F(Registry, EntriesOfAnotherUserAreNotListed) {
    if (::getuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    fs::create_directories(folder());
    writeFile(folder() / ownEntry(), terminal.devicePath() + "\n");
    ASSERT_EQ(::chown((folder() / ownEntry()).c_str(), kOtherUser, kOtherUser), 0);
    EXPECT_TRUE(listVirtualTerminals().empty());
}

}  // namespace
}  // namespace tessel::link
