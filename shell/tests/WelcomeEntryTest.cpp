// The database chooser's list: entries and their fields survive the round
// trip; the program path does not depend on a typed trailing backslash.
#include "CWelcomeEntry.h"

#include <gtest/gtest.h>

namespace {

CWelcomeEntry Sample(const char* name)
{
    CWelcomeEntry e;
    e.m_lDriverId = 2;
    e.m_strServer = "127.0.0.1";
    e.m_strDatabase = "buh";
    e.m_strUser = "root";
    e.m_strPassword = "";
    e.m_strFolder = "/opt/vornal";
    e.m_strName = name;
    return e;
}

TEST(WelcomeEntryTest, ListRoundTrip)
{
    EXPECT_TRUE(CWelcomeEntry::SplitList("").empty());
    const CString one = Sample("Новая база").ToText();
    EXPECT_EQ(CWelcomeEntry::JoinList({one}), one) << "one entry has no entry separator";
    const CString list = CWelcomeEntry::JoinList({one, Sample("Склад, 2024").ToText()});
    const std::vector<CString> entries = CWelcomeEntry::SplitList(list);
    ASSERT_EQ(entries.size(), 2u);
    const CWelcomeEntry back = CWelcomeEntry::FromText(entries[1]);
    EXPECT_EQ(back.m_lDriverId, 2);
    EXPECT_EQ(back.m_strServer, CString("127.0.0.1"));
    EXPECT_EQ(back.m_strPassword, CString(""));
    EXPECT_EQ(back.m_strFolder, CString("/opt/vornal"));
    EXPECT_EQ(back.m_strName, CString("Склад, 2024"));
}

TEST(WelcomeEntryTest, ProgramPath)
{
    CWelcomeEntry e = Sample("x");
    e.m_strFolder = "C:\\Vornal\\";
    EXPECT_EQ(e.ProgramPath(FALSE), CString("C:\\Vornal\\vornal.exe"));
    e.m_strFolder = "C:\\Vornal";
    EXPECT_EQ(e.ProgramPath(FALSE), CString("C:\\Vornal\\vornal.exe"));
    EXPECT_EQ(e.ProgramPath(TRUE), CString("C:\\Vornal\\Setupdesk.exe"));
}

} // namespace
