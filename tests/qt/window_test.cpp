#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include "app/controls.h"
#include "app/qt/widgets.h"
#include "app/qt/windows.h"
#include "desktop/qt/qt_text.h"
#include "recording_desktop.h"
#include "support/text_testing.h"

Q_DECLARE_METATYPE(Control)

namespace {

using enum Control;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

const char kShareUsage[] =
    "先把你需要打开的『有密码的』网盘地址复制到电脑剪切板，然后点击\"有密码网盘\"按钮，即可直接打开网盘地址，"
    "同时自动复制里面的密码到电脑剪切板，只需要ctrl+"
    "v粘贴即可，此软件的价值是省略了一些多余的步骤，如此而已。";
const char kPlainUrlUsage[] =
    "先把你需要打开的『无密码网址』复制到电脑剪切板，然后点击\"无密码网址\"按钮，即可直接打开网盘地址"
    "此软件的价值是省略了打开浏览器、粘贴网址、按回车键等一些多余的步骤，如此而已。";
const char kInitial编辑框3[] = "剪辑版需要有网址，无须输入直接点上面\"无密码网址\"按钮";

QWidget* W(Control control) {
  return ControlWidget(control);
}

QPoint Centred(QSize outer) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  return {(screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2};
}

void Click(Control control) {
  QTest::mouseClick(W(control), Qt::LeftButton);
}

void CloseAndDelete(QWidget* window) {
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    ResetRecorded();
    window_ = BuildMainWindow();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }
  void cleanup() { delete window_.data(); }

  void controlsAsBuilt_data() {
    QTest::addColumn<Control>("control");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QWidget*>("parent");  // filled in the test: nullptr stands for the window
    QTest::addColumn<int>("parentControl");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("weight");
    QTest::addColumn<QString>("settings");

    const int none = -1;
    const int g2 = static_cast<int>(分组框2), g1 = static_cast<int>(分组框1);
    auto row = [&](const char* name, Control c, const char* cls, int parent, QRect r, const char* text,
                   int px, int weight, const char* settings) {
      QTest::newRow(name) << c << U(cls) << static_cast<QWidget*>(nullptr) << parent << r << U(text) << px
                          << weight << U(settings);
    };
    row("选择框5", 选择框5, "QCheckBox", none, {9, 7, 79, 18}, "窗口置顶", 13, 400, "ticked");
    row("分组框2", 分组框2, "QGroupBox", none, {8, 32, 624, 88}, "无密码网址", 16, 400, "centred");
    row("按钮_搜一下1", 按钮_搜一下1, "QPushButton", g2, {8, 15, 105, 30}, "无密码网址", 16, 400, "");
    row("编辑框3", 编辑框3, "QLineEdit", g2, {8, 52, 408, 25}, kInitial编辑框3, 13, 400, "read-only");
    row("按钮336", 按钮336, "QPushButton", g2, {496, 16, 80, 30}, "清除", 16, 400, "");
    row("按钮2", 按钮2, "QPushButton", g2, {584, 16, 32, 30}, " ？", 17, 700, "");
    row("分组框1", 分组框1, "QGroupBox", none, {8, 128, 624, 128}, "百度网盘、天翼网盘、蓝奏云", 16, 400,
        "centred");
    row("按钮_百度盘", 按钮_百度盘, "QPushButton", g1, {8, 22, 103, 28}, "有密码网盘", 16, 400, "");
    row("选择框8", 选择框8, "QCheckBox", g1, {129, 22, 151, 28}, "打开并复制提取码", 16, 400, "ticked white");
    row("按钮_复制2", 按钮_复制2, "QPushButton", g1, {296, 21, 192, 31}, "第二次用，打开、复制", 16, 400, "");
    row("按钮_搜一下5", 按钮_搜一下5, "QPushButton", g1, {496, 21, 72, 30}, "清空", 16, 400, "");
    row("按钮1", 按钮1, "QPushButton", g1, {584, 21, 32, 30}, " ？", 17, 700, "");
    row("透明标签1", 透明标签1, "QLabel", g1, {11, 67, 64, 20}, "全部内容：", 12, 400, "right");
    row("编辑框4", 编辑框4, "QLineEdit", g1, {75, 65, 528, 25}, "", 13, 400, "");
    row("透明标签2", 透明标签2, "QLabel", g1, {37, 96, 41, 20}, "链接：", 12, 400, "centred");
    row("编辑框5", 编辑框5, "QLineEdit", g1, {75, 94, 408, 25}, "", 13, 400, "");
    row("透明标签3", 透明标签3, "QLabel", g1, {491, 97, 40, 20}, "密码：", 12, 400, "right");
    row("编辑框6", 编辑框6, "QLineEdit", g1, {533, 95, 62, 25}, "", 16, 400, "");
  }

  void controlsAsBuilt() {
    QFETCH(Control, control);
    QFETCH(QString, className);
    QFETCH(int, parentControl);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(int, pixels);
    QFETCH(int, weight);
    QFETCH(QString, settings);
    const QStringList set = settings.split(' ', Qt::SkipEmptyParts);

    QWidget* widget = W(control);
    QVERIFY(widget);
    QCOMPARE(widget->metaObject()->className(), className);
    QCOMPARE(widget->parentWidget(),
             parentControl < 0 ? window_.data() : W(static_cast<Control>(parentControl)));
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isVisible());
    QVERIFY(widget->isEnabled());
    QCOMPARE(QStringFromGbk(GetControlText(control)), text);

    QCOMPARE(widget->font().families().value(0), U("微软雅黑"));
    QCOMPARE(widget->font().pixelSize(), pixels);
    QCOMPARE(static_cast<int>(widget->font().weight()), weight);
    QVERIFY(!widget->font().italic() && !widget->font().underline() && !widget->font().strikeOut());
    // Where 微软雅黑 is missing, an installed CJK face stands in for it.
    const QString face = QFontInfo(widget->font()).family();
    QVERIFY2(widget->font().families().contains(face), qPrintable(face));

    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
      QCOMPARE(box->isChecked(), set.contains("ticked"));
      QCOMPARE(IsTicked(control), set.contains("ticked"));
      const bool white =
          box->autoFillBackground() && box->palette().color(box->backgroundRole()) == Qt::white;
      QCOMPARE(white, set.contains("white"));
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      QCOMPARE(edit->isReadOnly(), set.contains("read-only"));
      QVERIFY(edit->hasFrame());
      QVERIFY(edit->maxLength() > 1'000'000);
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      QCOMPARE(group->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
      QCOMPARE(group->focusPolicy(), Qt::NoFocus);
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      const Qt::Alignment expected = set.contains("right") ? Qt::AlignRight : Qt::AlignHCenter;
      QCOMPARE(label->alignment(), expected | Qt::AlignVCenter);
      QCOMPARE(label->textFormat(), Qt::PlainText);
      QVERIFY(!label->autoFillBackground());
      QVERIFY(!label->wordWrap());
      QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      QVERIFY(!button->autoDefault() && !button->isDefault());
    }
  }

  void mainWindowAsBuilt() {
    QCOMPARE(window_->windowTitle(), U("Quelvo-Tolvane-版本1.0"));
    // The offscreen platform has no frame: the client area is the whole window.
    QCOMPARE(window_->frameGeometry().size(), QSize(696, 302));
    QCOMPARE(window_->frameGeometry().topLeft(), Centred({696, 302}));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window_->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!window_->parentWidget());
    // The drawing is an SVG resource: it needs Qt's SVG image plugin.
    QVERIFY(!window_->windowIcon().pixmap(32).isNull());
    QCOMPARE(MainWindowHandle(), static_cast<NativeWindow>(window_->winId()));
  }

  void clicksRunTheirActions_data() {
    QTest::addColumn<Control>("button");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("untick选择框8");
    QTest::addColumn<QStringList>("typed");  // into 编辑框5 and 编辑框6 before the click
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("fields");  // 编辑框3, 4, 5, 6 afterwards

    const QString initial3 = U(kInitial编辑框3);
    QTest::newRow("有密码网盘 opens and copies")
        << 按钮_百度盘
        << U("链接: https://pan.baidu.com/s/1AbC-dEf 提取码: x7Kq\r\n--来自百度网盘超级会员V3的分享") << false
        << QStringList{"", ""} << QStringList{"open https://pan.baidu.com/s/1AbC-dEf", "copy x7Kq"}
        << QStringList{initial3,
                       U("链接: https://pan.baidu.com/s/1AbC-dEf 提取码: x7Kq--来自百度网盘超级会员V3的分享"),
                       "https://pan.baidu.com/s/1AbC-dEf", "x7Kq"};
    QTest::newRow("有密码网盘 with 选择框8 unticked only fills the fields")
        << 按钮_百度盘 << U("https://wwi.lanzoui.com/iAbc123\r\n密码:9fGh") << true << QStringList{"", ""}
        << QStringList{}
        << QStringList{initial3, U("https://wwi.lanzoui.com/iAbc123密码:9fGh"),
                       "https://wwi.lanzoui.com/iAbc123", "9fGh"};
    QTest::newRow("有密码网盘 with an empty clipboard")
        << 按钮_百度盘 << QString() << false << QStringList{"", ""}
        << QStringList{U("message 剪辑板是空的|0|空的哦|owned")} << QStringList{initial3, "", "", ""};
    QTest::newRow("第二次用 opens and copies what the user typed")
        << 按钮_复制2 << QString() << false << QStringList{"http://x.cn/a", "ab12"}
        << QStringList{"open http://x.cn/a", "copy ab12"}
        << QStringList{initial3, "", "http://x.cn/a", "ab12"};
    QTest::newRow("清空 empties the share fields")
        << 按钮_搜一下5 << QString() << false << QStringList{"http://x.cn/a", "ab12"} << QStringList{}
        << QStringList{initial3, "", "", ""};
    QTest::newRow("无密码网址 opens from the first http")
        << 按钮_搜一下1 << U("看这个 https://example.com/好") << false << QStringList{"", ""}
        << QStringList{U("open https://example.com/好")}
        << QStringList{U("https://example.com/好"), "", "", ""};
    QTest::newRow("无密码网址 without a link")
        << 按钮_搜一下1 << U("没有") << false << QStringList{"", ""}
        << QStringList{U("message 剪辑版没有网址|64|提醒：|owned")} << QStringList{initial3, "", "", ""};
    QTest::newRow("清除 empties the plain-link field") << 按钮336 << QString() << false << QStringList{"", ""}
                                                       << QStringList{} << QStringList{"", "", "", ""};
  }

  void clicksRunTheirActions() {
    QFETCH(Control, button);
    QFETCH(QString, clipboard);
    QFETCH(bool, untick选择框8);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, events);
    QFETCH(QStringList, fields);

    Recorded().clipboard = GbkFromQString(clipboard);
    if (untick选择框8)
      Click(选择框8);
    QTest::keyClicks(W(编辑框5), typed[0]);
    QTest::keyClicks(W(编辑框6), typed[1]);
    Click(button);

    QCOMPARE(Recorded().events, events);
    const Control shown[] = {编辑框3, 编辑框4, 编辑框5, 编辑框6};
    for (int i = 0; i < 4; ++i)
      QCOMPARE(static_cast<QLineEdit*>(W(shown[i]))->text(), fields[i]);
  }

  void editBoxesGiveBackTheBytesWritten_data() {
    QTest::addColumn<Control>("control");
    QTest::addColumn<QByteArray>("bytes");

    QByteArray big;
    while (big.size() < 100'000)
      big += "http://x.cn/\xCC\xE1\xC8\xA1\xC2\xEB:ab12 ";
    big.truncate(100'000);
    QTest::newRow("100,000 bytes into 编辑框4") << 编辑框4 << big;
    QTest::newRow("a lone lead byte at the end") << 编辑框6 << QByteArray("ab1\xCC");
    QTest::newRow("a second byte at the start") << 编辑框5 << QByteArray("\xBA http://x.cn");
    QTest::newRow("CR and LF bytes") << 编辑框4 << QByteArray("a\r\nb\rc\nd\r\n");
    QTest::newRow("into the read-only box") << 编辑框3 << QByteArray("http://x.cn \xA3");
    QTest::newRow("an ampersand into a label") << 透明标签2 << QByteArray("&a\xA3");
    QTest::newRow("the empty text") << 编辑框4 << QByteArray();
  }

  void editBoxesGiveBackTheBytesWritten() {
    QFETCH(Control, control);
    QFETCH(QByteArray, bytes);
    const Text text(std::string_view(bytes.constData(), bytes.size()));
    SetControlText(control, Text("something else first"));
    SetControlText(control, text);
    QCOMPARE(QByteArray::fromStdString(std::string(GetControlText(control).bytes())), bytes);
    if (auto* edit = qobject_cast<QLineEdit*>(W(control))) {
      QCOMPARE(edit->text().size(), QStringFromGbk(text).size());  // nothing was cut off
    }
  }

  void editedTextIsReadAsItStands() {
    SetControlText(编辑框5, Bytes({0x61, 0x62, 0xCC}));
    QTest::keyClick(W(编辑框5), Qt::Key_End);
    QTest::keyClick(W(编辑框5), Qt::Key_Backspace);
    QTest::keyClicks(W(编辑框5), "cd");
    QCOMPARE(GetControlText(编辑框5), Text("abcd"));
    SetControlText(编辑框5, Text());
    QCOMPARE(GetControlText(编辑框5), Text());
    QCOMPARE(static_cast<QLineEdit*>(W(编辑框5))->text(), QString());
  }

  void readOnlyBoxRefusesTyping() {
    QTest::keyClicks(W(编辑框3), "xyz");
    QTest::keyClick(W(编辑框3), Qt::Key_Backspace);
    QCOMPARE(QStringFromGbk(GetControlText(编辑框3)), U(kInitial编辑框3));
  }

  void alwaysOnTopFollowsTheTick() {
    const QRect before = window_->frameGeometry();
    for (int i = 1; i <= 5; ++i) {
      if (i % 2)
        Click(选择框5);
      else {
        W(选择框5)->setFocus();
        QTest::keyClick(W(选择框5), Qt::Key_Space);
      }
      QCOMPARE(IsTicked(选择框5), i % 2 == 0);
      QCOMPARE(window_->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), i % 2 == 0);
      QVERIFY(window_->isVisible());
      QCOMPARE(window_->frameGeometry(), before);
    }
    QVERIFY(Recorded().events.isEmpty());
  }

  void helpWindowLifecycle() {
    Click(按钮1);
    QPointer<QWidget> help = HelpWindowWidget();
    QVERIFY(help);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QCOMPARE(help->windowTitle(), U("使用说明："));
    QCOMPARE(help->parentWidget(), window_.data());
    QCOMPARE(help->windowType(), Qt::Dialog);
    QVERIFY(!help->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(help->frameGeometry(), QRect(Centred({406, 216}), QSize(406, 216)));
    auto* label = qobject_cast<QLabel*>(W(帮助窗口_透明标签1));
    QVERIFY(label);
    QCOMPARE(label->parentWidget(), help.data());
    QCOMPARE(label->geometry(), QRect(24, 16, 312, 128));
    QVERIFY(label->wordWrap());
    QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QCOMPARE(label->font().pixelSize(), 16);
    QCOMPARE(label->text(), U(kShareUsage));
    QCOMPARE(GetControlText(帮助窗口_透明标签1).bytes().size(), 206u);

    // The other button: the same window where the user left it, with the other text.
    help->move(10, 20);
    Click(按钮2);
    QCOMPARE(HelpWindowWidget(), help.data());
    QCOMPARE(help->frameGeometry().topLeft(), QPoint(10, 20));
    QCOMPARE(label->text(), U(kPlainUrlUsage));
    QCOMPARE(GetControlText(帮助窗口_透明标签1).bytes().size(), 172u);
    Click(按钮2);
    QCOMPARE(HelpWindowWidget(), help.data());
    QCOMPARE(label->text(), U(kPlainUrlUsage));

    // Minimised: restored, not made anew.
    help->showMinimized();
    QTRY_VERIFY(help->isMinimized());
    Click(按钮1);
    QCOMPARE(HelpWindowWidget(), help.data());
    QTRY_VERIFY(!help->isMinimized());
    QCOMPARE(label->text(), U(kShareUsage));

    // Closed: the next press makes it again, centred, with that button's text.
    CloseAndDelete(help);
    QVERIFY(!help);
    QVERIFY(!HelpWindowWidget());
    Click(按钮2);
    QPointer<QWidget> again = HelpWindowWidget();
    QVERIFY(again);
    QVERIFY(again->isVisible());
    QCOMPARE(again->frameGeometry().topLeft(), Centred({406, 216}));
    QCOMPARE(static_cast<QLabel*>(W(帮助窗口_透明标签1))->text(), U(kPlainUrlUsage));
    QVERIFY(window_->isVisible());
    QVERIFY(Recorded().events.isEmpty());
  }

  void escapeClosesTheWindowItIsPressedIn_data() {
    QTest::addColumn<Control>("focus");
    QTest::newRow("编辑框5") << 编辑框5;
    QTest::newRow("编辑框3, read-only") << 编辑框3;
    QTest::newRow("按钮_百度盘") << 按钮_百度盘;
    QTest::newRow("选择框5") << 选择框5;
  }

  void escapeClosesTheWindowItIsPressedIn() {
    QFETCH(Control, focus);
    Click(按钮1);
    QPointer<QWidget> help = HelpWindowWidget();
    QVERIFY(QTest::qWaitForWindowExposed(help));
    // Esc in HelpWindow closes it alone.
    help->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!help);
    QVERIFY(window_->isVisible());

    // Esc in MainWindow closes it and the HelpWindow it owns.
    Click(按钮2);
    help = HelpWindowWidget();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    W(focus)->setFocus();
    QTest::keyClick(W(focus), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window_->isVisible());
    QVERIFY(!help);
  }

  void enterDoesNothing() {
    Recorded().clipboard = Text("http://x.cn");
    for (Control control : {按钮_搜一下1, 按钮_百度盘, 编辑框4, 选择框8}) {
      W(control)->setFocus();
      QTest::keyClick(W(control), Qt::Key_Return);
      QTest::keyClick(W(control), Qt::Key_Enter);
    }
    QVERIFY(Recorded().events.isEmpty());
    QVERIFY(IsTicked(选择框8));
    QVERIFY(window_->isVisible());
  }

  void tabVisitsTheControlsThatTakeTheFocus() {
    const Control order[] = {选择框5,    按钮_搜一下1, 编辑框3, 按钮336, 按钮2,   按钮_百度盘, 选择框8,
                             按钮_复制2, 按钮_搜一下5, 按钮1,   编辑框4, 编辑框5, 编辑框6};
    W(选择框5)->setFocus();
    for (std::size_t i = 1; i <= std::size(order); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), W(order[i % std::size(order)]));
    }
    for (std::size_t i = std::size(order); i > 0; --i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
      QCOMPARE(QApplication::focusWidget(), W(order[i - 1]));
    }
  }

 private:
  QPointer<QWidget> window_;
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
