#include <gtest/gtest.h>

#include "actions/action_fixture.h"

namespace {

using Events = std::vector<DesktopEvent>;

const char kInitial[] = "剪辑版需要有网址，无须输入直接点上面\"无密码网址\"按钮";

}  // namespace

TEST_F(ActionTest, OpenPlainUrlOpensEverythingFromTheFirstHttp) {
  const struct {
    const char* what;
    std::string clipboard;
    std::string opened, shown;
  } cases[] = {
      {"a bare link", "https://example.com/a?b=1", "https://example.com/a?b=1", "https://example.com/a?b=1"},
      {"words before go", "看这个 https://example.com", "https://example.com", "https://example.com"},
      {"words after stay", "https://example.com 好看", "https://example.com 好看",
       "https://example.com 好看"},
      {"two links are one text", "a http://x.cn b http://y.cn", "http://x.cn b http://y.cn",
       "http://x.cn b http://y.cn"},
      {"http inside a word", "xhttpy", "httpy", "httpy"},
      {"leading spaces and line breaks", "  \r\n http://x.cn", "http://x.cn", "http://x.cn"},
      {"trailing spaces of both kinds", "http://x.cn 　 ", "http://x.cn", "http://x.cn 　 "},
      {"trailing line break and tab", "http://x.cn\r\n\t", "http://x.cn\r\n\t", "http://x.cn\r\n\t"},
      {"a link cut through a character", "http://x.cn/\xE4", "http://x.cn/?", "http://x.cn/?"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    fake().clipboard = Gbk(c.clipboard);
    fake().controlTexts[Control::编辑框3] = Gbk(kInitial);
    OpenPlainUrl();
    EXPECT_EQ(events(), Events{Opened(c.opened)});
    EXPECT_EQ(field(Control::编辑框3), Gbk(c.shown));
    EXPECT_EQ(fake().clipboard, Gbk(c.clipboard));
  }
}

TEST_F(ActionTest, OpenPlainUrlWithoutALinkSaysSoAndLeavesTheBox) {
  for (const char* clipboard : {"", "HTTP://EXAMPLE.COM", "no link here", "htt p://x"}) {
    SCOPED_TRACE(clipboard);
    SetUp();
    fake().clipboard = Gbk(clipboard);
    fake().controlTexts[Control::编辑框3] = Gbk("http://earlier.cn");
    OpenPlainUrl();
    EXPECT_EQ(events(), Events{Shown("剪辑版没有网址", 64, "提醒：")});
    EXPECT_EQ(field(Control::编辑框3), Gbk("http://earlier.cn"));
    EXPECT_TRUE(fake().writes.empty());
  }
}

TEST_F(ActionTest, OpenPlainUrlOpensAgainOnEveryPress) {
  fake().clipboard = Gbk("http://x.cn");
  OpenPlainUrl();
  fake().clipboard = Gbk("see http://y.cn");
  OpenPlainUrl();
  EXPECT_EQ(events(), (Events{Opened("http://x.cn"), Opened("http://y.cn")}));
  EXPECT_EQ(field(Control::编辑框3), Gbk("http://y.cn"));
}

TEST_F(ActionTest, ClearUrlFieldEmptiesThePlainLinkFieldOnly) {
  fake().clipboard = Gbk("http://x.cn");
  fake().controlTexts[Control::编辑框3] = Gbk(kInitial);
  fake().controlTexts[Control::编辑框5] = Gbk("link");
  ClearUrlField();
  EXPECT_EQ(field(Control::编辑框3), Text());
  EXPECT_EQ(field(Control::编辑框5), Gbk("link"));
  EXPECT_EQ(fake().clipboard, Gbk("http://x.cn"));
  EXPECT_TRUE(events().empty());
}
