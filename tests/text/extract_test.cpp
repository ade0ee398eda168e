#include "text/extract.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/text_testing.h"

namespace {

struct BetweenCase {
  const char* what;
  Text text, start, end;
  int32_t startPosition;
  bool ignoreCase;
  int32_t includeFront, includeBack;
  Text expected;
};

}  // namespace

TEST(TextBetween, CutsBetweenTheStartMarkerAndTheNextEndMarker) {
  const Text share = Gbk("见 http://pan.baidu.com/s/1 提取码：abcd");
  const BetweenCase cases[] = {
      {"link up to the code marker", share, Gbk("http"), Gbk("提取码"), 0, false, 1, 0,
       Gbk("http://pan.baidu.com/s/1 ")},
      {"between alone", Gbk("x<a>y"), Gbk("<"), Gbk(">"), 0, false, 0, 0, Gbk("a")},
      {"both markers", Gbk("x<a>y"), Gbk("<"), Gbk(">"), 0, false, 1, 1, Gbk("<a>")},
      {"with the end marker", Gbk("x<a>y"), Gbk("<"), Gbk(">"), 0, false, 0, 1, Gbk("a>")},
      {"end marker only before the start", Gbk("x>a<y"), Gbk("<"), Gbk(">"), 0, false, 1, 0, Text()},
      {"start marker ends the text", Gbk("ab<"), Gbk("<"), Gbk("<"), 0, false, 1, 1, Text()},
      {"markers adjacent, 0 0", Gbk("<>"), Gbk("<"), Gbk(">"), 0, false, 0, 0, Text()},
      {"markers adjacent, 1 0", Gbk("<>"), Gbk("<"), Gbk(">"), 0, false, 1, 0, Gbk("<")},
      {"markers adjacent, 0 1", Gbk("<>"), Gbk("<"), Gbk(">"), 0, false, 0, 1, Gbk(">")},
      {"markers adjacent, 1 1", Gbk("<>"), Gbk("<"), Gbk(">"), 0, false, 1, 1, Gbk("<>")},
      {"equal markers: the next occurrence closes", Gbk("|a|b|c"), Gbk("|"), Gbk("|"), 0, false, 0, 0,
       Gbk("a")},
      {"an overlapping end marker does not count", Gbk("aabab"), Gbk("aa"), Gbk("ab"), 0, false, 1, 1,
       Gbk("aabab")},
      {"include flag 2", Gbk("x<a>y"), Gbk("<"), Gbk(">"), 0, false, 2, 0, Text()},
      {"include flag -1", Gbk("x<a>y"), Gbk("<"), Gbk(">"), 0, false, 1, -1, Text()},
      {"start position beyond the text", Gbk("x<a>y"), Gbk("<"), Gbk(">"), 9, false, 1, 1, Text()},
      {"start position below 1", Gbk("x<a>y"), Gbk("<"), Gbk(">"), INT32_MIN, false, 0, 0, Gbk("a")},
      {"start position skips the first start marker", Gbk("<a><b>"), Gbk("<"), Gbk(">"), 2, false, 0, 0,
       Gbk("b")},
      {"case folding on", Gbk("xHTTP://a提取码"), Gbk("http"), Gbk("提取码"), 0, true, 1, 0, Gbk("HTTP://a")},
      {"case folding off", Gbk("xHTTP://a提取码"), Gbk("http"), Gbk("提取码"), 0, false, 1, 0, Text()},
      {"quote escape in both markers", Gbk("a=\"v\" b"), Gbk("=#引号"), Gbk("#引号"), 0, false, 0, 1,
       Gbk("v\"")},
      {"empty end marker", Gbk("x<a>y"), Gbk("<"), Text(), 0, false, 1, 1, Text()},
      {"empty start marker from inside the text", Gbk("ab>c>"), Text(), Gbk(">"), 3, false, 1, 1, Gbk("ab>")},
      {"empty start marker beyond the text", Gbk("ab>c>"), Text(), Gbk(">"), 6, false, 1, 1, Text()},
      {"empty text", Text(), Gbk("<"), Gbk(">"), 0, false, 1, 1, Text()},
      {"markers match on character boundaries only", Gbk("埃好:"), Gbk("："), Gbk(":"), 0, false, 1, 1,
       Text()},
  };
  for (const BetweenCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(
        TextBetween(c.text, c.start, c.end, c.startPosition, c.ignoreCase, c.includeFront, c.includeBack),
        c.expected);
  }
}

TEST(TextAfter, CutsFromOrBehindTheMarker) {
  const struct {
    const char* what;
    Text text, marker;
    int32_t mode, includeMarker;
    Text expected;
  } cases[] = {
      {"behind the first", Gbk("a:b:c"), Gbk(":"), 1, 0, Gbk("b:c")},
      {"from the first", Gbk("a:b:c"), Gbk(":"), 1, 1, Gbk(":b:c")},
      {"behind the last", Gbk("a:b:c"), Gbk(":"), 2, 0, Gbk("c")},
      {"from the last", Gbk("a:b:c"), Gbk(":"), 2, 1, Gbk(":c")},
      {"marker at the start, kept", Gbk("http://x"), Gbk("http"), 1, 1, Gbk("http://x")},
      {"marker at the end, dropped", Gbk("ab提取码"), Gbk("提取码"), 1, 0, Text()},
      {"marker at the end, kept", Gbk("ab提取码"), Gbk("提取码"), 1, 1, Gbk("提取码")},
      {"overlapping, mode 2", Gbk("aaa"), Gbk("aa"), 2, 0, Text()},
      {"overlapping, mode 1", Gbk("aaa"), Gbk("aa"), 1, 0, Gbk("a")},
      {"include flag 2 is like 0", Gbk("a:b"), Gbk(":"), 1, 2, Gbk("b")},
      {"no such marker", Gbk("abc"), Gbk(":"), 1, 0, Text()},
      {"empty text", Text(), Gbk(":"), 1, 1, Text()},
      {"empty marker", Gbk("abc"), Text(), 1, 1, Text()},
      {"other modes search nothing", Gbk("a:b"), Gbk(":"), 3, 1, Text()},
      {"mode 0", Gbk("a:b"), Gbk(":"), 0, 1, Text()},
      {"always case-sensitive", Gbk("HTTP://x"), Gbk("http"), 1, 1, Text()},
      {"never inside a character", Gbk("埃好："), Gbk("："), 1, 0, Text()},
      {"never inside a character, with text behind", Gbk("埃好x：y"), Gbk("："), 1, 0, Gbk("y")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(TextAfter(c.text, c.marker, c.mode, c.includeMarker), c.expected);
  }
}
