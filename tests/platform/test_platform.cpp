// The platform layer's files, INI, text and lock services.
#include "TestSupport.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace
{
TEST(Ini, KeysAreFoundWithoutCaseAndValuesAreCut)
{
    tq::TempDir dir;
    ASSERT_TRUE(tq::writeFile("a.ini", "[Other]\r\nKey=no\r\n[options]\r\n key = \"quoted\" \r\nlong=abcdef\r\n"));
    std::string out;
    EXPECT_EQ(Platform::getPrivateProfileString("Options", "KEY", "def", out, 64, "a.ini"), 6u);
    EXPECT_EQ(out, "quoted");
    EXPECT_EQ(Platform::getPrivateProfileString("Options", "long", "", out, 4, "a.ini"), 3u);
    EXPECT_EQ(out, "abc");
    EXPECT_EQ(Platform::getPrivateProfileString("Options", "missing", "def", out, 64, "a.ini"), 3u);
    EXPECT_EQ(out, "def");
    EXPECT_EQ(Platform::getPrivateProfileString("Options", "k", "", out, 64, "nofile.ini"), 0u);
}

TEST(Ini, WritesReplaceInPlaceAndAddSectionsAndKeys)
{
    tq::TempDir dir;
    ASSERT_TRUE(tq::writeFile("b.ini", "; comment\n[Options]\nA=1\n\n[Other]\nA=9\n"));
    EXPECT_TRUE(Platform::writePrivateProfileString("Options", "a", "2", "b.ini"));
    EXPECT_TRUE(Platform::writePrivateProfileString("Options", "B", "3", "b.ini"));
    EXPECT_TRUE(Platform::writePrivateProfileString("New", "C", "4", "b.ini"));
    std::string out;
    Platform::getPrivateProfileString("Options", "A", "", out, 64, "b.ini");
    EXPECT_EQ(out, "2");
    Platform::getPrivateProfileString("Options", "B", "", out, 64, "b.ini");
    EXPECT_EQ(out, "3");
    Platform::getPrivateProfileString("Other", "A", "", out, 64, "b.ini");
    EXPECT_EQ(out, "9");
    Platform::getPrivateProfileString("New", "C", "", out, 64, "b.ini");
    EXPECT_EQ(out, "4");
    EXPECT_NE(tq::readFile("b.ini").find("; comment"), std::string::npos);
}

TEST(Text, Utf8RoundTripAndMalformedInput)
{
    const std::string text = "Zo\xC3\xAB \xE2\x82\xAC \xF0\x9F\x8E\xB2";
    std::wstring wide;
    ASSERT_TRUE(Platform::utf8ToWide(text, wide));
    EXPECT_EQ(wide, std::wstring(L"Zo\u00EB \u20AC \U0001F3B2"));
    std::string back;
    ASSERT_TRUE(Platform::wideToUtf8(wide, back));
    EXPECT_EQ(back, text);
    const char* const bad[] = {"\xC3", "\xE2\x82", "\xC0\x80", "\xED\xA0\x80", "\xFF"};
    for (const char* b : bad)
        EXPECT_FALSE(Platform::utf8ToWide(b, wide)) << b;
}

TEST(Files, PathsAreNormalisedAndFoldersCreated)
{
    tq::TempDir dir;
    EXPECT_EQ(Platform::normalisePath("texts\\font.fontdef"), "texts/font.fontdef");
    EXPECT_TRUE(Platform::createFolders(dir.file("a\\b/c")));
    EXPECT_TRUE(Platform::createFolders(dir.file("a/b/c"))); // existing is fine
    ASSERT_TRUE(tq::writeFile(dir.file("a/b/c/f"), "x"));
    EXPECT_TRUE(Platform::fileExists("a\\b\\c\\f"));
    EXPECT_TRUE(Platform::deleteFile("a/b/c/f"));
    EXPECT_FALSE(Platform::fileExists("a/b/c/f"));
}

TEST(Files, AppDataFolderFollowsXdgThenHome)
{
    tq::TempDir dir;
    EXPECT_EQ(Platform::appDataFolder(), dir.path());
    setenv("XDG_DATA_HOME", "", 1);
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(Platform::appDataFolder(), "/home/someone/.local/share");
}

TEST(InstanceLock, SecondHolderIsRefusedWhileTheFirstLives)
{
    tq::TempDir dir;
    ASSERT_TRUE(Platform::acquireInstanceLock("tq-test-lock"));
    const pid_t child = fork();
    if (child == 0)
        _exit(Platform::acquireInstanceLock("tq-test-lock") ? 1 : 0);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "a second process took the lock";
}
} // namespace
