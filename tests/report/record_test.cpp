// Report records: the splitting rule and the exact bytes of an append.
#include <gtest/gtest.h>

#include "report/record.h"

namespace tw {
namespace {

TEST(Record, SplitsAtTheFirstThreeCommasAndJoinsBackTheSameLine) {
  const char* lines[] = {"Alpha,12/7/2026 9:00 AM,12/7/2026 10:00 AM,layout, then proofs",
                         ",,,", "A,B,C,", " spaced ,a,b, c ,d,", "A,B,C,D\r"};
  for (const char* line : lines) {
    const auto f = SplitRecord(line);
    ASSERT_TRUE(f.has_value()) << line;
    EXPECT_EQ(JoinRecord(f->project, f->start, f->end, f->comment), line);
  }
  const auto f = SplitRecord(lines[0]);
  EXPECT_EQ(f->project, "Alpha");
  EXPECT_EQ(f->end, "12/7/2026 10:00 AM");
  EXPECT_EQ(f->comment, "layout, then proofs");
  EXPECT_EQ(SplitRecord(" spaced ,a,b, c ,d,")->comment, " c ,d,");
  EXPECT_FALSE(SplitRecord("no commas").has_value());
  EXPECT_FALSE(SplitRecord("A,B,C").has_value());
  EXPECT_FALSE(SplitRecord("").has_value());
}

TEST(Record, ARecordStaysOneLine) {
  EXPECT_EQ(RecordComment("one\r\ntwo\nthree\rfour\r\n\r\n"), "one two three four  ");
  EXPECT_EQ(RecordField("Smith, Jones\nLtd"), "Smith  Jones Ltd");
  EXPECT_EQ(RecordLine("P,Q", "1,5", "e\r\n", "a\r\nb, c"), "P Q,1 5,e ,a b, c");
}

}  // namespace
}  // namespace tw
