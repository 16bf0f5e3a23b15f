#pragma once
// A table-driven check that an old table file upgrades to the expected
// version-950 file, and a file system that fails one step.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/file_system.h"
#include "data/database.h"
#include "support/db_bytes.h"
#include "support/forwarding_fs.h"
#include "support/test_env.h"

// One old table file and the file that version 950 writes after loading it
// into the default table (or into the table as prepare left it).
struct cUpgradeCase {
    const char* lpWhat;
    std::vector<u8> old;
    std::vector<u8> upgraded;
    std::function<void(cDatabase&)> prepare = nullptr;
    std::function<void(const cDatabase&)> check = nullptr;
};

template <class T>
void ExpectUpgrades(std::vector<T> cDatabase::*pTable, const std::string& strPath,
                    const std::vector<cUpgradeCase>& cases)
{
    for (const cUpgradeCase& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        cDatabase db;
        if (c.prepare) c.prepare(db);
        ASSERT_TRUE(WriteFileBytes(strPath, c.old));
        ASSERT_EQ(LoadTable(db.*pTable, strPath), 1u);
        if (c.check) c.check(db);
        ASSERT_EQ(SaveTable(db.*pTable, strPath), 1u);
        EXPECT_BYTES(c.upgraded, ReadFileBytes(strPath));
    }
}

// The platform's file system with one step made to fail on paths that
// contain a given text.
class cFaultFs : public cForwardingFs {
public:
    std::string m_strFailCopy;     // CopyOneFile of a source containing it
    std::string m_strFailReplace;  // MoveOver onto a target containing it

    bool MoveOver(const std::string& a, const std::string& b) override
    {
        return !Hits(b, m_strFailReplace) && m_Real.MoveOver(a, b);
    }
    bool CopyOneFile(const std::string& a, const std::string& b) override
    {
        return !Hits(a, m_strFailCopy) && m_Real.CopyOneFile(a, b);
    }

private:
    static bool Hits(const std::string& strPath, const std::string& strPart)
    {
        return !strPart.empty() && strPath.find(strPart) != std::string::npos;
    }
};
