#include <gtest/gtest.h>

#include <string>

#include "settings/SettingsFile.h"

namespace tonalyx {
namespace {

TEST(SettingsFile, AMissingFileGivesEveryDefault) {
  const SettingsFile settings = SettingsFile::Open("/nonexistent/folder/tonalyx.ini");
  EXPECT_EQ(settings.ReadInteger("window", "height", 127), 127);
  EXPECT_EQ(settings.ReadInteger("Dev", "Dev_num", 0), 0);
  EXPECT_EQ(settings.ReadString("Dev", "drum", "none"), "none");
  EXPECT_EQ(settings.Text(), "");
}

TEST(SettingsFile, MatchesSectionsAndKeysInAnyCaseAndReplacesTheKeyInPlace) {
  SettingsFile settings = SettingsFile::FromText("[WINDOW]\nHEIGHT=300\nwidth=200\n[Other]\nx=1\n");
  EXPECT_EQ(settings.ReadInteger("window", "height", 127), 300);
  settings.WriteInteger("window", "Height", 310);
  settings.WriteInteger("window", "Top", 5);
  EXPECT_EQ(settings.Text(),
            "[WINDOW]\nHeight=310\nwidth=200\nTop=5\n\n"
            "[Other]\nx=1\n\n");
}

TEST(SettingsFile, TrimsSectionNamesKeysAndValuesOnLoad) {
  const SettingsFile settings =
      SettingsFile::FromText("[ window ]\r\n   width   =   242   \r\n\tdrum\t= My Synth \r\n");
  EXPECT_EQ(settings.ReadInteger("window", "width", 0), 242);
  EXPECT_EQ(settings.ReadString("window", "drum", "none"), "My Synth");
  EXPECT_EQ(settings.Text(), "[window]\nwidth=242\ndrum=My Synth\n\n");
}

TEST(SettingsFile, ReadsDecimalAndBothHexadecimalFormsWithinThirtyTwoBits) {
  struct Case {
    const char* text;
    int expected;
  };
  const Case cases[] = {
      {"0x1", 1},
      {"0X1f", 31},
      {"$FF", 255},
      {"-5", -5},
      {"+7", 7},
      {"-0x10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"0x7FFFFFFF", 2147483647},
      // Not integers, or beyond the signed 32-bit range: the default.
      {"abc", -99},
      {"", -99},
      {"12abc", -99},
      {"1 2", -99},
      {"$", -99},
      {"0x", -99},
      {"-", -99},
      {"0x1G", -99},
      {"2147483648", -99},
      {"-2147483649", -99},
      {"0xFFFFFFFF", -99},
      {"99999999999999999999999999", -99},
      {"1.5", -99},
  };
  for (const Case& c : cases) {
    const SettingsFile settings = SettingsFile::FromText(std::string("[dev]\ntype=") + c.text);
    EXPECT_EQ(settings.ReadInteger("dev", "type", -99), c.expected) << "value " << c.text;
  }
}

TEST(SettingsFile, AStringIsEverythingAfterTheFirstEquals) {
  const SettingsFile settings = SettingsFile::FromText("[dev]\ndrum=a = b=c\nempty=\n");
  EXPECT_EQ(settings.ReadString("dev", "drum", "none"), "a = b=c");
  EXPECT_EQ(settings.ReadString("dev", "empty", "none"), "");
  EXPECT_EQ(settings.ReadString("dev", "missing", "none"), "none");
}

TEST(SettingsFile, DropsCommentsBlankLinesAndLinesBeforeTheFirstSectionKeepsTheRest) {
  SettingsFile settings = SettingsFile::FromText(
      "orphan=1\n; header comment\n\n[Window2]\n; comment\n  ;indented comment\n"
      "Height=579\n\n  no equals sign here \n[Custom]\nkey=value\n");
  settings.WriteInteger("Window2", "Width", 731);
  settings.WriteString("dev", "drum", "Synth");
  EXPECT_EQ(settings.Text(),
            "[Window2]\nHeight=579\n  no equals sign here \nWidth=731\n\n"
            "[Custom]\nkey=value\n\n"
            "[dev]\ndrum=Synth\n\n");
}

TEST(SettingsFile, AFileMadeFromNothingKeepsTheOrderOfWriting) {
  SettingsFile settings = SettingsFile::FromText("");
  settings.WriteInteger("window", "Height", 127);
  settings.WriteInteger("window", "Width", 242);
  settings.WriteInteger("Window2", "Height", 579);
  settings.WriteInteger("dev", "dev_num", -1);
  settings.WriteString("dev", "drum", "none");
  EXPECT_EQ(settings.Text(),
            "[window]\nHeight=127\nWidth=242\n\n[Window2]\nHeight=579\n\n"
            "[dev]\ndev_num=-1\ndrum=none\n\n");
}

TEST(SettingsFile, TheFirstOfDuplicateSectionsAndKeysIsReadAndReplacedEveryLineKept) {
  SettingsFile settings =
      SettingsFile::FromText("[dev]\ntype=1\nTYPE=2\n[x]\na=1\n[DEV]\ntype=3\nextra=9\n");
  EXPECT_EQ(settings.ReadInteger("dev", "type", 0), 1);
  // A key missing from the first section is found in a later one of the name.
  EXPECT_EQ(settings.ReadInteger("dev", "extra", 0), 9);
  settings.WriteInteger("dev", "type", 5);
  settings.WriteInteger("dev", "extra", 8);
  settings.WriteInteger("dev", "new", 7);
  EXPECT_EQ(settings.Text(),
            "[dev]\ntype=5\nTYPE=2\nnew=7\n\n[x]\na=1\n\n[DEV]\ntype=3\nextra=8\n\n");
}

TEST(SettingsFile, EveryWrittenValueReadsBackExactlyAndStaysOnItsLine) {
  const std::string values[] = {" Synth B ",
                                "\tpad\t",
                                "two\nlines\r[evil]\n",
                                "\"quoted\"",
                                "\"",
                                "\"\" ",
                                "back\\slash \\n",
                                "\\",
                                "",
                                std::string("nul\0byte ", 10),
                                "plain value"};
  SettingsFile settings = SettingsFile::FromText("");
  for (std::size_t i = 0; i < std::size(values); ++i)
    settings.WriteString("dev", "key" + std::to_string(i), values[i]);
  const SettingsFile reread = SettingsFile::FromText(settings.Text());
  for (std::size_t i = 0; i < std::size(values); ++i)
    EXPECT_EQ(reread.ReadString("dev", "key" + std::to_string(i), "none"), values[i]) << i;
  EXPECT_EQ(reread.ReadString("evil", "x", "none"), "none");
  // Only the values that need it are quoted.
  EXPECT_NE(settings.Text().find("key0=\" Synth B \"\n"), std::string::npos);
  EXPECT_NE(settings.Text().find("key2=\"two\\nlines\\r[evil]\\n\"\n"), std::string::npos);
  EXPECT_NE(settings.Text().find("key10=plain value\n"), std::string::npos);
}

TEST(SettingsFile, HandWrittenValuesReadAsTheyAlwaysDid) {
  // Quotes come off only a value the writer itself would have quoted.
  const SettingsFile settings = SettingsFile::FromText(
      "[synth]\na=\"quoted\"\nb=\"C:\\sounds\\gm.sf2\"\nc=\"\nd=say \"hi\"\n"
      "e=\"one\\\"\nf=\" padded \"\n");
  EXPECT_EQ(settings.ReadString("synth", "a", ""), "\"quoted\"");
  EXPECT_EQ(settings.ReadString("synth", "b", ""), "\"C:\\sounds\\gm.sf2\"");
  EXPECT_EQ(settings.ReadString("synth", "c", ""), "\"");
  EXPECT_EQ(settings.ReadString("synth", "d", ""), "say \"hi\"");
  EXPECT_EQ(settings.ReadString("synth", "e", ""), "\"one\\\"");
  // Exactly the quoted form of a value with blanks at its ends.
  EXPECT_EQ(settings.ReadString("synth", "f", ""), " padded ");
}

TEST(SettingsFile, LoadsBinaryContentWithoutHarm) {
  std::string binary = "[dev]\ntype=1\n";
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 131 + 7) % 256));
  binary += "\n[window]\n\x01\x02=\xff\xfe\n";
  binary.push_back('\0');
  binary += "height=5\n";
  const SettingsFile settings = SettingsFile::FromText(binary);
  EXPECT_EQ(settings.ReadInteger("dev", "type", 0), 1);
  // Reading the text back gives the same object: nothing is lost or mangled
  // on a second round.
  EXPECT_EQ(SettingsFile::FromText(settings.Text()).Text(), settings.Text());
}

TEST(SettingsFile, ALineKeptAsItWasReadsTheSameAfterEveryStore) {
  const SettingsFile first = SettingsFile::FromText("[x]\r\nno equals\r\r\r\n\r\n");
  EXPECT_EQ(first.Text(), "[x]\nno equals\n\n");
  EXPECT_EQ(SettingsFile::FromText(first.Text()).Text(), first.Text());
}

TEST(SettingsFile, KeepsVeryLongLinesWhole) {
  const std::string long_value(100000, 'v');
  const std::string long_no_equals(100000, 'n');
  SettingsFile settings =
      SettingsFile::FromText("[dev]\ndrum=" + long_value + "\n" + long_no_equals + "\n");
  EXPECT_EQ(settings.ReadString("dev", "drum", "none"), long_value);
  settings.WriteInteger("dev", "type", 1);
  EXPECT_EQ(settings.Text(), "[dev]\ndrum=" + long_value + "\n" + long_no_equals + "\ntype=1\n\n");
}

TEST(SettingsFile, ComparesNamesInOtherEncodingsByteForByte) {
  // "ＭＩＤＩ" in Shift-JIS and in UTF-8, and a Latin-1 e-acute.
  const std::string shift_jis = "\x82\x6c\x82\x68\x82\x63\x82\x68";
  const std::string utf8 = "ＭＩＤＩ";
  SettingsFile settings =
      SettingsFile::FromText("[dev]\ndrum=" + shift_jis + "\n[\xe9t\xe9]\n" + utf8 + "=1\n");
  EXPECT_EQ(settings.ReadString("Dev", "drum", "none"), shift_jis);
  EXPECT_EQ(settings.ReadInteger("\xe9t\xe9", utf8, 0), 1);
  // Only ASCII letters fold: other bytes must match exactly.
  EXPECT_EQ(settings.ReadInteger("\xc9T\xc9", utf8, 0), 0);
  settings.WriteString("dev", "drum", utf8);
  EXPECT_EQ(settings.ReadString("dev", "drum", "none"), utf8);
}

TEST(SettingsFile, PathForExecutableReplacesOrAppendsTheExtension) {
  EXPECT_EQ(SettingsPathForExecutable("/opt/tonalyx/tonalyx"), "/opt/tonalyx/tonalyx.ini");
  EXPECT_EQ(SettingsPathForExecutable("C:/Tonalyx/Tonalyx.exe"), "C:/Tonalyx/Tonalyx.ini");
}

}  // namespace
}  // namespace tonalyx
