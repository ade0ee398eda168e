#include <gtest/gtest.h>

#include "actions/action_fixture.h"

namespace {

using Events = std::vector<DesktopEvent>;

class ReopenShareTest : public ActionTest {
 protected:
  void Show(std::string_view link, std::string_view code) {
    fake().controlTexts[Control::编辑框5] = Gbk(link);
    fake().controlTexts[Control::编辑框6] = Gbk(code);
  }
};

}  // namespace

TEST_F(ReopenShareTest, OpensTheLinkShownAndCopiesTheCodeShown) {
  const struct {
    const char* what;
    std::string link, code;
    Events events;
  } cases[] = {
      {"both", "https://pan.baidu.com/s/1x", "abcd", {Opened("https://pan.baidu.com/s/1x"), Copied("abcd")}},
      {"only a code", "", "abcd", {Copied("abcd")}},
      {"only a link", "https://pan.baidu.com/s/1x", "", {Opened("https://pan.baidu.com/s/1x")}},
      {"neither", "", "", {}},
      {"spaces stay in place",
       "  https://pan.baidu.com/s/1x ",
       " ab ",
       {Opened("  https://pan.baidu.com/s/1x "), Copied(" ab ")}},
      {"spaces alone are a link", "   ", "", {Opened("   ")}},
      {"anything typed by hand", "not a link", "中文密码", {Opened("not a link"), Copied("中文密码")}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    fake().clipboard = Gbk("before");
    Show(c.link, c.code);
    ReopenShare();
    EXPECT_EQ(events(), c.events);
    EXPECT_EQ(fake().clipboard, c.code.empty() ? Gbk("before") : Gbk(c.code));
    EXPECT_EQ(fake().clipboardReads, 0);
  }
}

TEST_F(ReopenShareTest, DoesNotDependOnTheOpenAndCopyBox) {
  fake().ticks[Control::选择框8] = false;
  Show("https://pan.baidu.com/s/1x", "abcd");
  ReopenShare();
  EXPECT_EQ(events(), (Events{Opened("https://pan.baidu.com/s/1x"), Copied("abcd")}));
}

TEST_F(ReopenShareTest, DoesNothingAfterTheFieldsWereCleared) {
  fake().controlTexts[Control::编辑框4] = Gbk("message");
  Show("https://pan.baidu.com/s/1x", "abcd");
  ClearShareFields();
  ReopenShare();
  EXPECT_TRUE(events().empty());
}

TEST_F(ActionTest, ClearShareFieldsEmptiesTheThreeShareFieldsOnly) {
  fake().clipboard = Gbk("abcd");
  fake().controlTexts[Control::编辑框3] = Gbk("https://example.com");
  fake().controlTexts[Control::编辑框4] = Gbk("message");
  fake().controlTexts[Control::编辑框5] = Gbk("link");
  fake().controlTexts[Control::编辑框6] = Gbk("code");
  ClearShareFields();
  EXPECT_EQ(fake().writes, (std::vector<Control>{Control::编辑框4, Control::编辑框5, Control::编辑框6}));
  EXPECT_EQ(field(Control::编辑框4), Text());
  EXPECT_EQ(field(Control::编辑框5), Text());
  EXPECT_EQ(field(Control::编辑框6), Text());
  EXPECT_EQ(field(Control::编辑框3), Gbk("https://example.com"));
  EXPECT_EQ(fake().clipboard, Gbk("abcd"));
  EXPECT_TRUE(events().empty());
}
