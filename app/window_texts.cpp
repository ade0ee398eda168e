// Compiled with GBK as the execution character set: every literal here is
// GBK bytes at run time. The quotation marks inside the texts are ASCII.
#include "app/window_texts.h"

const char kFontFace[] = "微软雅黑";

const char kMainWindowTitle[] = "Quelvo-Tolvane-版本" QUELVO_VERSION_TEXT;
const char kHelpWindowTitle[] = "使用说明：";

const char kCaption窗口置顶[] = "窗口置顶";
const char kCaption无密码网址[] = "无密码网址";
const char kInitialText编辑框3[] = "剪辑版需要有网址，无须输入直接点上面\"无密码网址\"按钮";
const char kCaption清除[] = "清除";
const char kCaptionHelp[] = " ？";
const char kCaption分组框1[] = "百度网盘、天翼网盘、蓝奏云";
const char kCaption有密码网盘[] = "有密码网盘";
const char kCaption打开并复制提取码[] = "打开并复制提取码";
const char kCaption第二次用[] = "第二次用，打开、复制";
const char kCaption清空[] = "清空";
const char kCaption全部内容[] = "全部内容：";
const char kCaption链接[] = "链接：";
const char kCaption密码[] = "密码：";
const char kCaption透明标签[] = "透明标签";

const char kShareUsageText[] =
    "先把你需要打开的『有密码的』网盘地址复制到电脑剪切板，然后点击\"有密码网盘\"按钮，即可直接打开网盘地址，"
    "同时自动复制里面的密码到电脑剪切板，只需要ctrl+"
    "v粘贴即可，此软件的价值是省略了一些多余的步骤，如此而已。";
const char kPlainUrlUsageText[] =
    "先把你需要打开的『无密码网址』复制到电脑剪切板，然后点击\"无密码网址\"按钮，即可直接打开网盘地址"
    "此软件的价值是省略了打开浏览器、粘贴网址、按回车键等一些多余的步骤，如此而已。";
