#include "platform/private_profile.h"

#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "support/card_builder.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace zemlo {
namespace {

using test::InjectedFaults;
using test::ReadBytes;
using test::TempDir;
using test::U;
using test::WriteBytes;
using test::WriteCp932;

TEST(PrivateProfile, MissingFileSectionOrKeyReadsEmpty) {
    TempDir dir;
    EXPECT_EQ(PrivateProfile::Read(dir / "none.ini", u"FORM", u"COMPACT"), u"");
    WriteCp932(dir / "a.ini", "[FORM]\nCOMPACT=1\n");
    EXPECT_EQ(PrivateProfile::Read(dir / "a.ini", u"OUTPUT", u"COMPACT"), u"");
    EXPECT_EQ(PrivateProfile::Read(dir / "a.ini", u"FORM", u"KYOUTYOU"), u"");
}

TEST(PrivateProfile, NamesMatchWithoutCaseValuesTrimmedAndUnquoted) {
    TempDir dir;
    WriteCp932(dir / "a.ini",
               "; comment\n[Form]\n  compact =  2  \nTASK=\"  名前  \"\nHALF=\"open\n");
    EXPECT_EQ(PrivateProfile::Read(dir / "a.ini", u"FORM", u"COMPACT"), u"2");
    EXPECT_EQ(PrivateProfile::Read(dir / "a.ini", u"form", u"task"), U("  名前  "));
    EXPECT_EQ(PrivateProfile::Read(dir / "a.ini", u"FORM", u"HALF"), u"\"open");
}

TEST(PrivateProfile, LongValueIsCutTo254Characters) {
    TempDir dir;
    const std::u16string longValue(300, u'あ');
    ASSERT_TRUE(PrivateProfile::Write(dir / "a.ini", u"BOSS", u"TASKNAME", longValue));
    EXPECT_EQ(PrivateProfile::Read(dir / "a.ini", u"BOSS", u"TASKNAME").size(), 254u);
}

TEST(PrivateProfile, WriteCreatesFileAndSectionInCp932) {
    TempDir dir;
    ASSERT_TRUE(PrivateProfile::Write(dir / "a.ini", u"BOSS", u"TASKNAME", U("表計算")));
    EXPECT_EQ(ReadBytes(dir / "a.ini"), "[BOSS]\r\nTASKNAME=" + EncodeCp932(U("表計算")) + "\r\n");
    ASSERT_TRUE(PrivateProfile::Write(dir / "a.ini", u"FORM", u"COMPACT", u"0"));
    EXPECT_EQ(PrivateProfile::Read(dir / "a.ini", u"BOSS", u"TASKNAME"), U("表計算"));
    EXPECT_EQ(PrivateProfile::Read(dir / "a.ini", u"FORM", u"COMPACT"), u"0");
}

TEST(PrivateProfile, WriteReplacesOnlyItsOwnLineAndKeepsForeignContent) {
    TempDir dir;
    WriteCp932(dir / "a.ini",
               "; kept comment\n[OTHER]\nx=1\n\n[form]\n; inner comment\ncompact=2\nKYOUTYOU=1\n\n"
               "[LAST]\ny=2\n");
    ASSERT_TRUE(PrivateProfile::Write(dir / "a.ini", u"FORM", u"COMPACT", u"-1"));
    ASSERT_TRUE(PrivateProfile::Write(dir / "a.ini", u"FORM", u"NEWKEY", u"v"));
    EXPECT_EQ(ReadBytes(dir / "a.ini"),
              "; kept comment\r\n[OTHER]\r\nx=1\r\n\r\n[form]\r\n; inner comment\r\nCOMPACT=-1\r\n"
              "KYOUTYOU=1\r\nNEWKEY=v\r\n\r\n[LAST]\r\ny=2\r\n");
}

TEST(PrivateProfile, FailedWriteLeavesTheOldFileAndReportsIt) {
    TempDir dir;
    // A path below a regular file cannot be created, even by root.
    test::WriteBytes(dir / "plain", "x");
    EXPECT_FALSE(PrivateProfile::Write(dir / "plain" / "a.ini", u"FORM", u"COMPACT", u"1"));
    EXPECT_EQ(ReadBytes(dir / "plain"), "x");
    // A directory in the file's place cannot be replaced by the rename.
    std::filesystem::create_directory(dir / "d.ini");
    EXPECT_FALSE(PrivateProfile::Write(dir / "d.ini", u"FORM", u"COMPACT", u"1"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "d.ini"));
    // No temporary file is left beside the target.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 2);
}

TEST(PrivateProfile, WriteKeepsEveryOtherByteAndTheFileLineEnds) {
    // Bytes that are no CP932, a character with two CP932 codes (ED 40 reads as the same
    // kanji as FA 5C), a CR-only line end and a last line without an end.
    const std::string foreign = "[X]\nBAD=\x82\xff\x81\nTWO=\xed\x40\r[FORM]\nCOMPACT=2\nK=v";
    EXPECT_EQ(PrivateProfile::WithValue(foreign, u"FORM", u"COMPACT", u"-1"),
              "[X]\nBAD=\x82\xff\x81\nTWO=\xed\x40\r[FORM]\nCOMPACT=-1\nK=v");
    EXPECT_EQ(PrivateProfile::WithValue(foreign, u"FORM", u"KYOUTYOU", u"1"),
              foreign + "\nKYOUTYOU=1\n");
    EXPECT_EQ(PrivateProfile::WithValue(foreign, u"BOSS", u"ISUSE", u"0"),
              foreign + "\n[BOSS]\nISUSE=0\n");
    // A new line ends like the line before it: ended by the file's first end (CR), it would
    // merge with the empty LF line after it into one CR LF.
    EXPECT_EQ(PrivateProfile::WithValue("[X]\r[FORM]\nK=1\n\n", u"FORM", u"A", u"1"),
              "[X]\r[FORM]\nK=1\nA=1\n\n");
}

TEST(PrivateProfile, EveryValueIsWrittenAsOneLine) {
    const std::string file = "[BOSS]\r\nTASKNAME=x\r\n[RECENT]\r\nFILE1=/d/a.htm\r\n";
    // Pasted into a one-line box: what follows the first CR, LF or NUL is not kept.
    for (const std::u16string& pasted :
         {std::u16string(u"Excel\r\n[RECENT]\r\nFILE1=/etc/passwd.htm"),
          std::u16string(u"Excel\n[RECENT]"), std::u16string(u"Excel\r"),
          std::u16string(u"Excel\0[RECENT]", 14)}) {
        const std::string written = PrivateProfile::WithValue(file, u"BOSS", u"TASKNAME", pasted);
        EXPECT_EQ(written, "[BOSS]\r\nTASKNAME=Excel\r\n[RECENT]\r\nFILE1=/d/a.htm\r\n");
    }
    EXPECT_EQ(PrivateProfile::WithValue("", u"NEW", u"K", u"\nx"), "[NEW]\r\nK=\r\n");
}

TEST(PrivateProfile, NamesThatWouldNotReadBackAsThemselvesWriteNothing) {
    TempDir dir;
    const std::string file = "[FORM]\r\nCOMPACT=1\r\n";
    WriteBytes(dir / "a.ini", file);
    const std::pair<std::u16string, std::u16string> names[] = {
        {u"FORM", u""},   {u"FORM", u" K"},   {u"FORM", u"A=B"},    {u"FORM", u"[X]"},
        {u"FORM", u";K"}, {u"FORM", u"K\nL"}, {u"FORM", u"\u00e9"}, {u"", u"K"},
        {u"A]B", u"K"},   {u"X\r\n", u"K"},   {u"FORM ", u"K"}};
    for (const auto& [section, key] : names) {
        EXPECT_EQ(PrivateProfile::WithValue(file, section, key, u"v"), file);
        EXPECT_EQ(PrivateProfile::Write(dir / "a.ini", section, key, u"v").error, EINVAL);
    }
    EXPECT_EQ(ReadBytes(dir / "a.ini"), file);
}

TEST(PrivateProfile, ExistingFileThatCannotBeReadIsNeverReplaced) {
    TempDir dir;
    const std::string old = "[FORM]\r\nCOMPACT=2\r\n[BOSS]\r\nTASKNAME=x\r\n";
    WriteBytes(dir / "a.ini", old);
    InjectedFaults injected;
    injected.faults.unreadableFile = dir / "a.ini";
    const FileStatus status = PrivateProfile::Write(dir / "a.ini", u"FORM", u"COMPACT", u"1");
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.whileReading);
    EXPECT_EQ(ReadBytes(dir / "a.ini"), old);

    // A file beyond the size any settings file has is treated the same way.
    const std::string huge = old + std::string(PrivateProfile::kMaxFileBytes, ';');
    WriteBytes(dir / "huge.ini", huge);
    EXPECT_EQ(PrivateProfile::Read(dir / "huge.ini", u"FORM", u"COMPACT"), u"");
    const FileStatus tooLarge = PrivateProfile::Write(dir / "huge.ini", u"FORM", u"COMPACT", u"1");
    EXPECT_EQ(tooLarge.error, EFBIG);
    EXPECT_TRUE(tooLarge.whileReading);
    EXPECT_EQ(std::filesystem::file_size(dir / "huge.ini"), huge.size());
}

}  // namespace
}  // namespace zemlo
