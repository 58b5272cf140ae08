// The build-time reader of the name table files: placement of rows in the dense arrays
// and rejection of malformed input.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tables/gen/NameTableSource.h"

namespace tonalyx::gen {
namespace {

std::vector<std::string> Read(const std::string& text, const TableFormat& format) {
  std::istringstream in(text);
  return ReadTable(in, "test.tsv", format);
}

// The message of the TableError that reading text throws, or "" when it reads.
std::string Rejection(const std::string& text, const TableFormat& format) {
  try {
    Read(text, format);
  } catch (const TableError& error) {
    return error.what();
  }
  return "";
}

TEST(NameTableSource, RowsLandAtTheirFlatIndex) {
  const auto gs_tone = Read(
      "map\tbank\tprogram\tname\n4\t1\t0\tUprightPiano\n"
      "0\t0\t127\tGun Shot\n",
      GsToneFormat());
  ASSERT_EQ(gs_tone.size(), 129u * 640u);
  EXPECT_EQ(gs_tone[1 * 640 + 1 * 5 + 4], "UprightPiano");  // row = program + 1
  EXPECT_EQ(gs_tone[128 * 640], "Gun Shot");
  EXPECT_EQ(gs_tone[0], "");

  const auto xg_tone = Read("map\tbank\tprogram\tname\n5\t127\t127\tLast\n", XgToneFormat());
  ASSERT_EQ(xg_tone.size(), 128u * 768u);
  EXPECT_EQ(xg_tone[127 * 768 + 127 * 6 + 5], "Last");

  const auto gs_drum = Read("map\tkit\tnote\tname\n3\t2\t40\tKelontuk \n", GsDrumFormat());
  ASSERT_EQ(gs_drum.size(), 128u * 640u);
  EXPECT_EQ(gs_drum[2 * 640 + 40 * 5 + 3], "Kelontuk ");  // the trailing blank stays

  const auto xg_drum = Read("kit\tnote\tname\n126\t13\t Surdo\n", XgDrumFormat());
  ASSERT_EQ(xg_drum.size(), 128u * 128u);
  EXPECT_EQ(xg_drum[126 * 128 + 13], " Surdo");
}

TEST(NameTableSource, MalformedFilesAreRejectedWithTheirLine) {
  const TableFormat xg = XgDrumFormat();
  const std::string header = "kit\tnote\tname\n";
  struct Case {
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"", "test.tsv:1: missing header line"},
      {"kit note name\n", "test.tsv:1: header must be"},
      {header + "0\t13\n", "test.tsv:2: expected 3 tab-separated columns, found 2"},
      {header + "0\t13\tKick\tSnare\n", "test.tsv:2: expected 3 tab-separated columns, found 4"},
      {header + "0\t13\tKick\n\n", "test.tsv:3: expected 3 tab-separated columns, found 1"},
      {header + "0\t128\tKick\n", "test.tsv:2: column note: 128 is outside 0..127"},
      {header + "-1\t13\tKick\n", "test.tsv:2: column kit: -1 is outside 0..127"},
      {header + "0\t 13\tKick\n", "test.tsv:2: column note: \" 13\" is not a whole number"},
      {header + "0\t1x\tKick\n", "is not a whole number"},
      {header + "0\t\tKick\n", "is not a whole number"},
      {header + "0\t13\tKick\n1\t13\tSnare\n0\t13\tHat\n",
       "test.tsv:4: duplicate key kit=0 note=13 (first on line 2)"},
      {header + "0\t13\t\n", "test.tsv:2: empty name"},
      {header + "0\t13\tKick\r\n", "not printable ASCII (code 13)"},
  };
  for (const Case& c : cases) {
    const std::string message = Rejection(c.text, xg);
    EXPECT_NE(message.find(c.message), std::string::npos)
        << "input: " << c.text << "\nmessage: " << message;
  }
  EXPECT_NE(Rejection("map\tbank\tprogram\tname\n6\t0\t0\tX\n", XgToneFormat())
                .find("column map: 6 is outside 0..5"),
            std::string::npos);
  EXPECT_NE(Rejection("map\tbank\tprogram\tname\n5\t0\t0\tX\n", GsToneFormat())
                .find("column map: 5 is outside 0..4"),
            std::string::npos);
}

}  // namespace
}  // namespace tonalyx::gen
