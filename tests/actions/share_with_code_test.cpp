#include <gtest/gtest.h>

#include "actions/action_fixture.h"

namespace {

using Events = std::vector<DesktopEvent>;

class OpenShareWithCodeTest : public ActionTest {
 protected:
  void Press(std::string_view clipboard) {
    fake().clipboard = Gbk(clipboard);
    OpenShareWithCode();
  }
  void ExpectFields(std::string_view whole, std::string_view link, std::string_view code) {
    EXPECT_EQ(field(Control::编辑框4), Gbk(whole));
    EXPECT_EQ(field(Control::编辑框5), Gbk(link));
    EXPECT_EQ(field(Control::编辑框6), Gbk(code));
  }
};

const DesktopEvent kEmptyMessage =
    DesktopEvent::Shown(Gbk("剪辑板是空的"), 0, Gbk("空的哦"), FakeDesktop::kMainWindow);
const DesktopEvent kNotAShare =
    DesktopEvent::Shown(Gbk("剪辑板内容不是百度、蓝奏、天翼网盘"), 0, Gbk("提醒"), FakeDesktop::kMainWindow);

}  // namespace

// The three providers' usual messages.
TEST_F(OpenShareWithCodeTest, CutsTheProvidersMessages) {
  const struct {
    const char* what;
    bool ticked;
    std::string clipboard;
    std::string whole, link, code;
    Events events;
    std::string clipboardAfter;
  } cases[] = {
      {"Baidu Netdisk, ticked",
       true,
       "链接: https://pan.baidu.com/s/1AbC-dEf 提取码: x7Kq\r\n--来自百度网盘超级会员V3的分享",
       "链接: https://pan.baidu.com/s/1AbC-dEf 提取码: x7Kq--来自百度网盘超级会员V3的分享",
       "https://pan.baidu.com/s/1AbC-dEf",
       "x7Kq",
       {Opened("https://pan.baidu.com/s/1AbC-dEf"), Copied("x7Kq")},
       "x7Kq"},
      {"Lanzou Cloud, not ticked",
       false,
       "https://wwi.lanzoui.com/iAbc123\r\n密码:9fGh",
       "https://wwi.lanzoui.com/iAbc123密码:9fGh",
       "https://wwi.lanzoui.com/iAbc123",
       "9fGh",
       {},
       "https://wwi.lanzoui.com/iAbc123\r\n密码:9fGh"},
      {"Tianyi Cloud, ticked",
       true,
       "https://cloud.189.cn/t/AbCdEf（访问码：k2m8）",
       "https://cloud.189.cn/t/AbCdEf（访问码：k2m8）",
       "https://cloud.189.cn/t/AbCdEf",
       "k2m8",
       {Opened("https://cloud.189.cn/t/AbCdEf"), Copied("k2m8")},
       "k2m8"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    fake().ticks[Control::选择框8] = c.ticked;
    Press(c.clipboard);
    ExpectFields(c.whole, c.link, c.code);
    EXPECT_EQ(events(), c.events);
    EXPECT_EQ(fake().clipboard, Gbk(c.clipboardAfter));
  }
}

TEST_F(OpenShareWithCodeTest, AnEmptyClipboardGetsItsMessageAndNothingElse) {
  Press("");
  EXPECT_EQ(events(), Events{kEmptyMessage});
  EXPECT_TRUE(fake().writes.empty());
}

TEST_F(OpenShareWithCodeTest, ATextWithoutAProviderGetsItsMessage) {
  // Every search is case-sensitive, so capitals do not make a share.
  for (const char* clipboard :
       {"hello", "https://pan.BAIDU.com/s/1 提取码: abcd", "Lanzou 密码:1234", "Cloud.189.cn"}) {
    SCOPED_TRACE(clipboard);
    SetUp();
    Press(clipboard);
    EXPECT_EQ(events(), Events{kNotAShare});
    EXPECT_TRUE(fake().writes.empty());
  }
}

TEST_F(OpenShareWithCodeTest, AShareWithoutACodeMarkerChangesNothing) {
  fake().controlTexts[Control::编辑框5] = Gbk("earlier");
  Press("https://pan.baidu.com/s/1AbC");
  EXPECT_TRUE(events().empty());
  EXPECT_TRUE(fake().writes.empty());
  EXPECT_EQ(field(Control::编辑框5), Gbk("earlier"));
}

// The empty test, the provider test and each pass read the clipboard anew,
// exactly where they need it.
TEST_F(OpenShareWithCodeTest, ReadsTheClipboardAfreshAtEachStep) {
  fake().ticks[Control::选择框8] = false;
  fake().scriptedReads = {
      Gbk("anything"),                           // empty test
      Gbk("no provider"),                        // "baidu"?
      Gbk("lanzou"),                             // "lanzou"? yes: the third read is skipped
      Gbk("no marker"),                          // 提取码 pass: test
      Gbk("密码"),                               // 密码 pass: test
      Gbk("https://a.lanzou.com/b 密码: wxyz"),  // 密码 pass: whole text
      Gbk("nothing"),                            // 访问码 pass: test
  };
  OpenShareWithCode();
  EXPECT_EQ(fake().clipboardReads, 7);
  ExpectFields("https://a.lanzou.com/b密码:wxyz", "https://a.lanzou.com/b", "wxyz");
}

TEST_F(OpenShareWithCodeTest, CutsTheCodeFromWhatTheWholeTextBoxGivesBack) {
  // A box that gives back something else than was written into it: the link
  // comes from the text the action holds, the code from the box.
  fake().readBack[Control::编辑框4] = Gbk("提取码wxyz");
  Press("https://pan.baidu.com/s/1x 提取码 abcd");
  ExpectFields("https://pan.baidu.com/s/1x 提取码 abcd", "https://pan.baidu.com/s/1x", "wxyz");
  EXPECT_EQ(events(), (Events{Opened("https://pan.baidu.com/s/1x"), Copied("wxyz")}));
}

// How the link comes out of the whole text, pass by pass.
TEST_F(OpenShareWithCodeTest, CutsTheLinkFromTheFirstHttpToTheCodeMarker) {
  const struct {
    const char* what;
    std::string clipboard;
    std::string link;
  } cases[] = {
      {"no http: the link is empty", "pan.baidu.com/s/1x 提取码: abcd", ""},
      {"a capitalised link is not found", "HTTPS://pan.baidu.com/s/1x 提取码: abcd", ""},
      {"the marker before the link", "提取码: abcd https://pan.baidu.com/s/1x", ""},
      {"two links before the marker", "http://baidu.com/a http://baidu.com/b 提取码: abcd",
       "http://baidu.com/ahttp://baidu.com/b"},
      {"spaces inside the link go in the first pass", "https://pan.baidu.com/s/1 x　y 提取码: abcd",
       "https://pan.baidu.com/s/1xy"},
      {"a lone LF before the marker stays", "https://pan.baidu.com/s/1x\n提取码: abcd",
       "https://pan.baidu.com/s/1x\n"},
      {"a full-width bracket before 访问码 goes", "https://cloud.189.cn/t/x（访问码：abcd）",
       "https://cloud.189.cn/t/x"},
      {"an ASCII bracket before 访问码 goes", "https://cloud.189.cn/t/x(访问码:abcd)",
       "https://cloud.189.cn/t/x"},
      {"the link's own earlier bracket goes instead", "https://cloud.189.cn/t/x(1)(访问码:abcd)",
       "https://cloud.189.cn/t/x1)("},
      {"both kinds go, first of each", "https://cloud.189.cn/t/（a）(b)（访问码：abcd）",
       "https://cloud.189.cn/t/a）b)（"},
      {"brackets stay in the other passes", "https://pan.baidu.com/s/x(1) 提取码: abcd",
       "https://pan.baidu.com/s/x(1)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    Press(c.clipboard);
    EXPECT_EQ(field(Control::编辑框5), Gbk(c.link));
    EXPECT_EQ(fake().clipboard, Gbk("abcd"));
    const Events expected = c.link.empty() ? Events{Copied("abcd")} : Events{Opened(c.link), Copied("abcd")};
    EXPECT_EQ(events(), expected);
  }
}

// How the code comes out of the text behind the marker.
TEST_F(OpenShareWithCodeTest, CutsAFourByteCodeDroppingColonsInItsFirstFourBytes) {
  const struct {
    const char* what;
    std::string behindMarker;
    Text code;
  } cases[] = {
      {"colon and space", ": abcd", Gbk("abcd")},
      {"space and colon", " :abcd", Gbk("abcd")},
      {"full-width colon", "：abcd", Gbk("abcd")},
      {"nothing between", "abcd", Gbk("abcd")},
      {"both kinds of colon", ":：abcd", Gbk("abcd")},
      {"full-width before ASCII colon", "：:abcd", Gbk("abcd")},
      {"only one ASCII colon goes", "::abcd", Gbk(":abc")},
      {"a colon inside the first four bytes goes", "ab:cdef", Gbk("abcd")},
      {"a colon behind the first four bytes stays out", "abcd:ef", Gbk("abcd")},
      {"a longer code is cut", "abcdefgh", Gbk("abcd")},
      {"a short code at the end stays whole", ": ab", Gbk("ab")},
      {"nothing behind the marker", "", Text()},
      {"a double-byte character across the fourth byte is halved", "abc中d", Bytes({0x61, 0x62, 0x63, 0xD6})},
      {"a whole Chinese code", "：密钥", Gbk("密钥")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    Press("https://pan.baidu.com/s/1x 提取码" + c.behindMarker);
    EXPECT_EQ(field(Control::编辑框6), c.code);
    EXPECT_EQ(events().back(), DesktopEvent::Copied(c.code));
    EXPECT_EQ(fake().clipboard, c.code);
  }
}

TEST_F(OpenShareWithCodeTest, WithTheBoxTickedOnlyTheFirstMarkerFoundIsWorked) {
  Press("https://pan.baidu.com/s/1x 提取码: abcd 密码: wxyz");
  ExpectFields("https://pan.baidu.com/s/1x 提取码: abcd 密码: wxyz", "https://pan.baidu.com/s/1x", "abcd");
  EXPECT_EQ(events(), (Events{Opened("https://pan.baidu.com/s/1x"), Copied("abcd")}));
}

TEST_F(OpenShareWithCodeTest, WithTheBoxUntickedEveryPassRunsAndTheLastDecides) {
  fake().ticks[Control::选择框8] = false;
  Press("https://pan.baidu.com/s/1x 提取码: abcd 密码: wxyz");
  // The 密码 pass runs last, on the text without spaces: its link reaches
  // over the 提取码 part up to 密码.
  ExpectFields("https://pan.baidu.com/s/1x提取码:abcd密码:wxyz", "https://pan.baidu.com/s/1x提取码:abcd",
               "wxyz");
  EXPECT_TRUE(events().empty());
}

TEST_F(OpenShareWithCodeTest, WhenTheClipboardRefusesTheCodeTheLaterPassesSeeTheMessage) {
  fake().clipboardWritable = false;
  Press("https://pan.baidu.com/s/1x 提取码: abcd 密码: wxyz");
  ExpectFields("https://pan.baidu.com/s/1x提取码:abcd密码:wxyz", "https://pan.baidu.com/s/1x提取码:abcd",
               "wxyz");
  EXPECT_EQ(events(), (Events{Opened("https://pan.baidu.com/s/1x"), Copied("abcd"),
                              Opened("https://pan.baidu.com/s/1x提取码:abcd"), Copied("wxyz")}));
}

TEST_F(OpenShareWithCodeTest, AnEmptyCodeLeavesAnEmptyClipboard) {
  Press("https://pan.baidu.com/s/1x 提取码");
  ExpectFields("https://pan.baidu.com/s/1x 提取码", "https://pan.baidu.com/s/1x", "");
  EXPECT_EQ(events(), (Events{Opened("https://pan.baidu.com/s/1x"), Copied("")}));
  EXPECT_EQ(fake().clipboard, Text());
}

TEST_F(OpenShareWithCodeTest, ASecondPressAfterOneCopyFindsOnlyTheCode) {
  Press("https://pan.baidu.com/s/1x 提取码: abcd");
  events().clear();
  OpenShareWithCode();
  EXPECT_EQ(events(), Events{kNotAShare});
  ExpectFields("https://pan.baidu.com/s/1x 提取码: abcd", "https://pan.baidu.com/s/1x", "abcd");

  SetUp();
  Press("https://pan.baidu.com/s/1x 提取码");
  events().clear();
  OpenShareWithCode();
  EXPECT_EQ(events(), Events{kEmptyMessage});
}

TEST_F(OpenShareWithCodeTest, AFullWidthSpaceGoesLikeAnAsciiOne) {
  fake().ticks[Control::选择框8] = false;
  Press("https://pan.baidu.com/s/1x　密码：　abcd");
  ExpectFields("https://pan.baidu.com/s/1x密码：abcd", "https://pan.baidu.com/s/1x", "abcd");
}

TEST_F(OpenShareWithCodeTest, AMessageFromTheOtherProvidersSpellingsPasses) {
  for (const char* clipboard : {"xbaidux 提取码:abcd", "xlanzoux 提取码:abcd", "xcloud.189x 提取码:abcd"}) {
    SCOPED_TRACE(clipboard);
    SetUp();
    Press(clipboard);
    EXPECT_EQ(field(Control::编辑框6), Gbk("abcd"));
  }
}
