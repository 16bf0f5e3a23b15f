#include "support/save_crash.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "app/path.h"
#include "support/test_env.h"

namespace {

// The content of a file or of a folder tree (relative path -> bytes; a
// folder's entry ends in a backslash); nothing when the path doesn't exist.
using tContent = std::optional<std::map<std::string, std::vector<u8>>>;

void ReadTree(cFileSystem& fs, const std::string& strPath, const std::string& strRel,
              std::map<std::string, std::vector<u8>>& tree)
{
    if (!fs.IsFolder(strPath)) {
        tree[strRel] = ReadFileBytes(strPath);
        return;
    }
    tree[strRel + "\\"];
    std::vector<cDirEntry> entries;
    fs.ListFolder(strPath, entries);
    for (const cDirEntry& e : entries) ReadTree(fs, strPath + "\\" + e.strName, strRel + "\\" + e.strName, tree);
}

tContent Content(const std::string& strPath)
{
    cFileSystem& fs = FileSystem();
    if (!fs.Exists(strPath)) return std::nullopt;
    std::map<std::string, std::vector<u8>> tree;
    ReadTree(fs, strPath, "", tree);
    return tree;
}

std::vector<tContent> Snapshot(const cSaveCrashCase& c)
{
    std::vector<tContent> out;
    for (const std::string& strPath : c.watched) out.push_back(Content(strPath));
    return out;
}

// Runs fn in a fresh project folder that starts as a copy of the prepared one.
class cProjectCopies {
public:
    explicit cProjectCopies(const cSaveCrashCase& c)
    {
        cFileSystem& fs = FileSystem();
        fs.GetCurrentFolder(m_strOrigin);
        m_strHome = m_strOrigin;
        // Thousands of saves: in memory where the system has a folder there
        // (Wine shows the Linux root as Z:), so that their flushes to the
        // disk cost nothing.
#ifdef _WIN32
        const std::string strMemory = "Z:\\dev\\shm";
#else
        const std::string strMemory = "\\dev\\shm";
#endif
        if (fs.IsFolder(strMemory)) {
            m_strHome = strMemory + "\\" + TempName();
            m_bOwnHome = fs.MakeFolder(m_strHome);
        }
        m_strTemplate = m_strHome + "\\prepared";
        EXPECT_TRUE(fs.MakeFolder(m_strTemplate));
        fs.SetCurrentFolder(m_strTemplate);
        c.fnPrepare();
        fs.SetCurrentFolder(m_strHome);
    }
    ~cProjectCopies()
    {
        FileSystem().SetCurrentFolder(m_strOrigin);
        DeleteFolderTree(m_bOwnHome ? m_strHome : m_strTemplate);
    }

    template <class F>
    void InCopy(F fn)
    {
        cFileSystem& fs = FileSystem();
        const std::string strCopy = m_strHome + "\\project";
        ASSERT_TRUE(CopyTreeByFiles(fs, strCopy, m_strTemplate));
        fs.SetCurrentFolder(strCopy);
        fn();
        SetFileSystem(nullptr);
        fs.SetCurrentFolder(m_strHome);
        EXPECT_TRUE(DeleteFolderTree(strCopy));
    }

private:
    std::string m_strOrigin;
    std::string m_strHome;
    std::string m_strTemplate;
    bool m_bOwnHome = false;
};

std::string Describe(const tContent& content)
{
    if (!content) return "nothing";
    std::string str;
    for (const auto& entry : *content) str += (str.empty() ? "" : ", ") + entry.first + "[" +
                                              std::to_string(entry.second.size()) + "]";
    return "{" + str + "}";
}

// Runs the save with step k failing or stopping; true when it reported
// success (a stopped save never does).
bool SaveWithStep(const cSaveCrashCase& c, cCrashFs::eMode eMode, u32 k)
{
    cCrashFs fs;
    fs.Arm(eMode, k);
    if (eMode != cCrashFs::eMode::Stop) {
        SetFileSystem(&fs);
        bool bOk = c.fnSave();
        SetFileSystem(nullptr);
        return bOk;
    }
#ifdef _WIN32
    ADD_FAILURE() << "a process can't be stopped here";
    return false;
#else
    fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        SetFileSystem(&fs);
        c.fnSave();
        _exit(0);
    }
    int nStatus = 0;
    EXPECT_EQ(waitpid(pid, &nStatus, 0), pid);
    EXPECT_TRUE(WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == cCrashFs::kStoppedExit)
        << "the save did not reach step " << k;
    return false;
#endif
}

}  // namespace

u32 RunSaveCrashCase(const cSaveCrashCase& c, cCrashFs::eMode eMode)
{
    cProjectCopies copies(c);
    std::vector<tContent> before, after;
    std::vector<std::string> steps;
    copies.InCopy([&] {
        before = Snapshot(c);
        cCrashFs fs;
        SetFileSystem(&fs);
        EXPECT_TRUE(c.fnSave()) << c.lpName << ": the save failed without a fault";
        SetFileSystem(nullptr);
        steps = fs.StepNames();
        after = Snapshot(c);
    });
    EXPECT_NE(before, after) << c.lpName << ": the save changed nothing";

    for (u32 k = 1; k <= steps.size(); ++k) {
        copies.InCopy([&] {
            const bool bSaved = SaveWithStep(c, eMode, k);
            if (c.fnRecover) c.fnRecover();
            const std::vector<tContent> now = Snapshot(c);
            for (size_t i = 0; i < c.watched.size(); ++i) {
                const bool bOld = now[i] == before[i], bNew = now[i] == after[i];
                EXPECT_TRUE(bNew || (bOld && !bSaved))
                    << c.lpName << ", step " << k << " (" << steps[k - 1] << ") "
                    << (eMode == cCrashFs::eMode::Stop ? "stopped" : "failed") << ": " << c.watched[i] << " holds "
                    << Describe(now[i]) << (bSaved ? " after a save that reported success" : "");
            }
            // Nothing that the interrupted save left behind stands in the
            // way of the next one.
            EXPECT_TRUE(c.fnSave()) << c.lpName << ", step " << k << ": the next save failed";
            EXPECT_EQ(Snapshot(c), after) << c.lpName << ", step " << k << ": the next save wrote other content";
        });
        if (::testing::Test::HasFailure()) break;
    }
    return static_cast<u32>(steps.size());
}
