// The fixed texts are compiled to GBK; this file is compiled as UTF-8 and
// converts the same readable forms at run time. Both must agree byte for byte.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "actions/share_texts.h"
#include "app/window_texts.h"
#include "support/text_testing.h"
#include "text/primitives.h"

namespace {

std::string Utf8(std::u8string_view s) {
  return std::string(s.begin(), s.end());
}

struct FixedText {
  const char* compiled;
  std::u8string_view readable;
};

}  // namespace

TEST(FixedTexts, AreTheGbkEncodingOfTheirReadableForm) {
  const FixedText texts[] = {
      {kProviderBaidu, u8"baidu"},
      {kProviderLanzou, u8"lanzou"},
      {kProviderTianyi, u8"cloud.189"},
      {kCodeMarkerTiquma, u8"提取码"},
      {kCodeMarkerMima, u8"密码"},
      {kCodeMarkerFangwenma, u8"访问码"},
      {kLinkMarker, u8"http"},
      {kLineBreak, u8"\r\n"},
      {kColon, u8":"},
      {kFullWidthColon, u8"："},
      {kBracket, u8"("},
      {kFullWidthBracket, u8"（"},
      {kEmptyClipboardMessage, u8"剪辑板是空的"},
      {kEmptyClipboardTitle, u8"空的哦"},
      {kNotAShareMessage, u8"剪辑板内容不是百度、蓝奏、天翼网盘"},
      {kNotAShareTitle, u8"提醒"},
      {kNoUrlMessage, u8"剪辑版没有网址"},
      {kNoUrlTitle, u8"提醒："},
      {kFontFace, u8"微软雅黑"},
      {kMainWindowTitle, u8"Quelvo-Tolvane-版本1.0"},
      {kHelpWindowTitle, u8"使用说明："},
      {kCaption窗口置顶, u8"窗口置顶"},
      {kCaption无密码网址, u8"无密码网址"},
      {kInitialText编辑框3, u8"剪辑版需要有网址，无须输入直接点上面\"无密码网址\"按钮"},
      {kCaption清除, u8"清除"},
      {kCaptionHelp, u8" ？"},
      {kCaption分组框1, u8"百度网盘、天翼网盘、蓝奏云"},
      {kCaption有密码网盘, u8"有密码网盘"},
      {kCaption打开并复制提取码, u8"打开并复制提取码"},
      {kCaption第二次用, u8"第二次用，打开、复制"},
      {kCaption清空, u8"清空"},
      {kCaption全部内容, u8"全部内容："},
      {kCaption链接, u8"链接："},
      {kCaption密码, u8"密码："},
      {kCaption透明标签, u8"透明标签"},
      {kShareUsageText,
       u8"先把你需要打开的『有密码的』网盘地址复制到电脑剪切板，然后点击\"有密码网盘\"按钮，即可直接打开网盘"
       u8"地址，"
       u8"同时自动复制里面的密码到电脑剪切板，只需要ctrl+"
       u8"v粘贴即可，此软件的价值是省略了一些多余的步骤，如此而已。"},
      {kPlainUrlUsageText,
       u8"先把你需要打开的『无密码网址』复制到电脑剪切板，然后点击\"无密码网址\"按钮，即可直接打开网盘地址"
       u8"此软件的价值是省略了打开浏览器、粘贴网址、按回车键等一些多余的步骤，如此而已。"},
  };
  for (const FixedText& t : texts) {
    const std::string readable = Utf8(t.readable);
    SCOPED_TRACE(readable);
    EXPECT_EQ(Text(t.compiled), GbkFromUtf8(readable));
    EXPECT_EQ(std::strchr(t.compiled, '?'), nullptr) << "a character did not convert";
  }
}

TEST(FixedTexts, HaveTheirByteLengths) {
  EXPECT_EQ(Text(kFullWidthColon), Bytes({0xA3, 0xBA}));
  EXPECT_EQ(Text(kFullWidthBracket), Bytes({0xA3, 0xA8}));
  EXPECT_EQ(Text(kCaptionHelp), Bytes({0x20, 0xA3, 0xBF}));
  EXPECT_EQ(TextLength(kInitialText编辑框3), 52);
  EXPECT_EQ(TextLength(kShareUsageText), 206);
  EXPECT_EQ(TextLength(kPlainUrlUsageText), 172);
}
