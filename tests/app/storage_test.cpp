// The player's files against everything found in their place: unreadable
// files, links, foreign files, FIFOs, other users.
#include "core/storage.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <vector>

#include "core/program.h"
#include "core/records.h"
#include "core/settings.h"
#include "core/shell.h"
#include "platform/files.h"
#include "tests/app/as_user.h"
#include "tests/app/data_dir.h"

namespace {

const std::string PlayedRecord("40 0 17 0 480 0 160 0 25 0 2210 0 \0", 35);
const std::string SomeSettings("1211111101\0", 11);

struct ReportingShell : ShellServices {
    std::vector<std::string> unusable, unwritable;
    void ReportUnusableFile(const std::string& path) override { unusable.push_back(path); }
    void ReportUnwritableFolder(const std::string& folder) override {
        unwritable.push_back(folder);
    }
};

// Loads both files, plays a little and saves as the program does over a run.
void LoadPlayAndSave(const std::function<void()>& afterLoad = {}) {
    LoadSettings();
    LoadRecords();
    if (afterLoad) afterLoad();
    resolution = 2;
    ++recKoiHandsPlayed;
    SaveSettings();
    SaveRecords();
    SaveSettings();
    SaveRecords();
    SaveWholeRecords();
}

mode_t ModeOf(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

struct StorageTest : ::testing::Test {
    TestDataDir data;
    ReportingShell shell;
    void SetUp() override {
        ResetStorageReport();
        InstallShell(&shell);
    }
    void TearDown() override {
        InstallShell(nullptr);
        ResetStorageReport();
    }
};

}  // namespace

TEST_F(StorageTest, AForeignFileIsSetAsideWholeAndNeverWrittenOver) {
    std::string csv = "name,score\n";
    while (csv.size() < 300000) csv += "someone," + std::to_string(csv.size()) + "\n";
    std::string notSettings = "This is not a settings file.\n";
    data.Write("record.dat", csv);
    data.Write("settei.dat", notSettings);
    LoadPlayAndSave();
    EXPECT_EQ(data.Read("record.dat.damaged"), csv);
    EXPECT_EQ(data.Read("settei.dat.damaged"), notSettings);
    EXPECT_EQ(data.Read("record.dat"), std::string("0 0 0 0 1 0 0 0 0 -1000 0 0 \0", 29));
    EXPECT_EQ(data.Read("settei.dat"), std::string("0200000000\0", 11));

    // A second damaged file keeps the first copy as it was.
    std::string again = "another foreign file";
    data.Write("record.dat", again);
    LoadRecords();
    SaveRecords();
    EXPECT_EQ(data.Read("record.dat.damaged"), csv);
    EXPECT_EQ(data.Read("record.dat.damaged-2"), again);
    EXPECT_TRUE(shell.unusable.empty());
}

TEST_F(StorageTest, SavesKeepTheModeOfTheFileTheyReplace) {
    data.Write("record.dat", PlayedRecord);
    data.Write("settei.dat", "garbage");
    chmod(data.Path("record.dat").c_str(), 0600);
    chmod(data.Path("settei.dat").c_str(), 0600);
    mode_t old = umask(022);
    LoadPlayAndSave();
    EXPECT_EQ(ModeOf(data.Path("record.dat")), 0600u);
    EXPECT_EQ(ModeOf(data.Path("settei.dat.damaged")), 0600u);
    EXPECT_EQ(ModeOf(data.Path("settei.dat")), 0644u) << "a new file follows the umask";
    umask(077);
    unlink(data.Path("settei.dat").c_str());
    SaveSettings();
    EXPECT_EQ(ModeOf(data.Path("settei.dat")), 0600u);
    umask(old);
}

// As an ordinary user: files the user may not read (mode 000, root's private
// file, a link, which is never followed, and a FIFO, which never hangs the
// program) are named once each and never replaced; however the saves fail (a
// folder the user may not write, a file where the folder should be, a disk
// too full for the file) the files keep what they held, play goes on, and
// the player is told once, of the folder.
TEST_F(StorageTest, UnreadableFilesAndFailingSavesKeepWhatTheyHeldAndAreToldOnce) {
    enum How { Mode000, RootsOwn, ReadOnly, FileForFolder, FullDisk, LinkAndFifo };
    const std::string secret = data.root + "/private-key";
    for (How how : {Mode000, RootsOwn, ReadOnly, FileForFolder, FullDisk, LinkAndFifo}) {
        data.Write("record.dat", PlayedRecord);
        data.Write("settei.dat", SomeSettings);
        if (how == LinkAndFifo) {
            std::rename(data.Path("record.dat").c_str(), secret.c_str());
            ASSERT_EQ(symlink(secret.c_str(), data.Path("record.dat").c_str()), 0);
            ASSERT_EQ(unlink(data.Path("settei.dat").c_str()), 0);
            ASSERT_EQ(mkfifo(data.Path("settei.dat").c_str(), 0600), 0);
        }
        GiveToTestUser(data.root);
        const bool unreadable = how == Mode000 || how == RootsOwn || how == LinkAndFifo;
        for (const char* name : {"record.dat", "settei.dat"}) {
            if (how == RootsOwn && geteuid() == 0) chown(data.Path(name).c_str(), 0, 0);
            if (how == Mode000 || how == RootsOwn)
                chmod(data.Path(name).c_str(), how == RootsOwn ? 0600 : 0);
        }
        if (how == ReadOnly) chmod(data.dir.c_str(), 0555);
        int result = RunAsUser([&] {
            alarm(10);
            if (how == FullDisk) {
                // No file may grow beyond 8 bytes.
                signal(SIGXFSZ, SIG_IGN);
                struct rlimit limit = {8, 8};
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            LoadPlayAndSave([&] {
                if (how == FileForFolder)
                    std::system(("rm -rf " + data.dir + " && touch " + data.dir).c_str());
            });
            const std::vector<std::string> files{data.Path("settei.dat"), data.Path("record.dat")};
            const bool told = unreadable ? shell.unusable == files && shell.unwritable.empty() &&
                                               recKoiGamesPlayed == 0
                                         : shell.unwritable == std::vector<std::string>{data.dir} &&
                                               shell.unusable.empty();
            return told && resolution == 2 ? 0 : 1;
        });
        EXPECT_EQ(result, 0) << how << ": hung, read what it may not or told otherwise";
        if (how == FileForFolder) {
            EXPECT_EQ(std::system(("test -f " + data.dir + " && ! test -s " + data.dir).c_str()),
                      0);
            std::system(("rm -f " + data.dir).c_str());
            continue;
        }
        chmod(data.dir.c_str(), 0755);
        if (how == LinkAndFifo) {
            EXPECT_EQ(ModeOf(data.Path("record.dat")), 0777u) << "the link was replaced";
            struct stat st;
            EXPECT_TRUE(lstat(data.Path("settei.dat").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
            EXPECT_EQ(data.Read("record.dat.damaged"), "");
        } else {
            chmod(data.Path("settei.dat").c_str(), 0600);
            EXPECT_EQ(data.Read("settei.dat"), SomeSettings) << how;
        }
        chmod(data.Path("record.dat").c_str(), 0600);
        EXPECT_EQ(data.Read("record.dat"), PlayedRecord) << how;
    }
}

TEST(DataFolder, WithoutHomeTheUsersHomeFromThePasswordDatabase) {
    std::string savedHome = getenv("HOME") ? getenv("HOME") : "";
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    std::string folder = platform::UserDataDir();
    setenv("HOME", "", 1);
    std::string folderEmpty = platform::UserDataDir();
    setenv("HOME", savedHome.c_str(), 1);
    std::string home = getpwuid(getuid())->pw_dir;
    EXPECT_EQ(folder, (home == "/" ? "" : home) + "/.local/share/kirabo");
    EXPECT_EQ(folderEmpty, folder);
}
