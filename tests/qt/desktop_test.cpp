#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "desktop/desktop.h"
#include "desktop/qt/qt_text.h"

namespace {

Text FromBytes(const QByteArray& bytes) {
  return Text(std::string_view(bytes.constData(), bytes.size()));
}
QByteArray ToBytes(const Text& text) {
  return QByteArray(text.bytes().data(), text.bytes().size());
}

// Stands first in PATH for the tests of OpenUrl: writes its arguments,
// each ended by a NUL, to the log, which appears whole when complete.
const char kRecorder[] =
    "#!/bin/sh\n"
    "printf '%s\\0' \"$@\" > \"$QUELVO_OPEN_LOG.part\" && mv \"$QUELVO_OPEN_LOG.part\" "
    "\"$QUELVO_OPEN_LOG\"\n";

struct SeenBox {
  bool seen = false;
  QString text, title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  Qt::WindowModality modality = Qt::NonModal;
  QWidget* parent = nullptr;
};

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(bin_.isValid());
    QFile recorder(bin_.filePath("xdg-open"));
    QVERIFY(recorder.open(QIODevice::WriteOnly));
    recorder.write(kRecorder);
    recorder.close();
    recorder.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", (bin_.path() + ":" + qEnvironmentVariable("PATH")).toLocal8Bit());
  }

  void clipboardGivesBackTheBytesSet_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("othersSee");
    QTest::newRow("a code") << QByteArray("x7Kq") << QString("x7Kq");
    QTest::newRow("Chinese") << QByteArray("\xCC\xE1\xC8\xA1\xC2\xEB") << QString::fromUtf8("提取码");
    QTest::newRow("line breaks and spaces") << QByteArray(" a\r\nb ") << QString(" a\r\nb ");
    QTest::newRow("a code cut through a character")
        << QByteArray("ab1\xCC") << QString::fromUtf8("ab1\xEF\xBF\xBD");
    QTest::newRow("the empty text") << QByteArray() << QString();
  }

  void clipboardGivesBackTheBytesSet() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, othersSee);
    QGuiApplication::clipboard()->setText("former content");
    QVERIFY(SetClipboardText(FromBytes(bytes)));
    QCOMPARE(ToBytes(GetClipboardText()), bytes);
    QCOMPARE(QGuiApplication::clipboard()->text(), othersSee);
  }

  void clipboardOfOtherProgramsIsConverted_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ASCII") << QString("http://x.cn") << QByteArray("http://x.cn");
    QTest::newRow("Chinese") << QString::fromUtf8("密码") << QByteArray("\xC3\xDC\xC2\xEB");
    QTest::newRow("outside GBK") << QString::fromUtf8("a😀b") << QByteArray("a?b");
    QTest::newRow("ends at a NUL") << QString::fromUtf8("ab\0cd", 5) << QByteArray("ab");
  }

  void clipboardOfOtherProgramsIsConverted() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QGuiApplication::clipboard()->setText(text);
    QCOMPARE(ToBytes(GetClipboardText()), bytes);
  }

  void clipboardWithoutTextReadsEmpty() {
    auto* picture = new QMimeData;
    picture->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(picture);
    QVERIFY(GetClipboardText().empty());
    QGuiApplication::clipboard()->clear();
    QVERIFY(GetClipboardText().empty());
    // A format of the program's own without any text is no text either.
    auto* bare = new QMimeData;
    bare->setData("application/x-quelvo-tolvane-gbk", "abc");
    QGuiApplication::clipboard()->setMimeData(bare);
    QVERIFY(GetClipboardText().empty());
  }

  void openUrlHandsTheTextOverAsItStands_data() {
    QTest::addColumn<QByteArray>("url");
    QTest::addColumn<QByteArray>("argument");  // UTF-8
    QTest::newRow("a link") << QByteArray("https://pan.baidu.com/s/1AbC-dEf")
                            << QByteArray("https://pan.baidu.com/s/1AbC-dEf");
    QTest::newRow("leading spaces, trailing line break")
        << QByteArray("  http://x.cn\r\n") << QByteArray("  http://x.cn\r\n");
    QTest::newRow("Chinese") << QByteArray("http://x.cn/\xCC\xE1") << QByteArray("http://x.cn/\xE6\x8F\x90");
    QTest::newRow("what a shell would act on") << QByteArray("http://x.cn/?a=1&b=$(false);`x` 'q' \"w\" *")
                                               << QByteArray("http://x.cn/?a=1&b=$(false);`x` 'q' \"w\" *");
    QTest::newRow("the empty text") << QByteArray() << QByteArray();
  }

  void openUrlHandsTheTextOverAsItStands() {
    QFETCH(QByteArray, url);
    QFETCH(QByteArray, argument);
    const QString log = bin_.filePath("opened");
    QFile::remove(log);
    qputenv("QUELVO_OPEN_LOG", log.toLocal8Bit());
    OpenUrl(FromBytes(url));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(log), 10000);
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), argument + '\0');
  }

  void openUrlWithoutXdgOpenReportsNothing() {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    OpenUrl(Text("http://x.cn"));
    qputenv("PATH", path);
  }

  void messageBoxes_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("answer");
    using B = QMessageBox;
    QTest::newRow("0: OK, no icon") << 0 << int(B::NoIcon) << int(B::Ok) << int(B::Ok) << 0;
    QTest::newRow("64: OK, information") << 64 << int(B::Information) << int(B::Ok) << int(B::Ok) << 0;
    QTest::newRow("OK/Cancel, Cancel")
        << 1 << int(B::NoIcon) << int(B::Ok | B::Cancel) << int(B::Cancel) << 1;
    QTest::newRow("Abort/Retry/Ignore, Abort")
        << 0x12 << int(B::Critical) << int(B::Abort | B::Retry | B::Ignore) << int(B::Abort) << 2;
    QTest::newRow("Abort/Retry/Ignore, Ignore")
        << 2 << int(B::NoIcon) << int(B::Abort | B::Retry | B::Ignore) << int(B::Ignore) << 4;
    QTest::newRow("Yes/No/Cancel, Yes")
        << 0x23 << int(B::Question) << int(B::Yes | B::No | B::Cancel) << int(B::Yes) << 5;
    QTest::newRow("Yes/No, No") << 0x34 << int(B::Warning) << int(B::Yes | B::No) << int(B::No) << 6;
    QTest::newRow("Retry/Cancel, Retry")
        << 5 << int(B::NoIcon) << int(B::Retry | B::Cancel) << int(B::Retry) << 3;
  }

  void messageBoxes() {
    QFETCH(int, style);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, press);
    QFETCH(int, answer);
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    SeenBox seen;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box)
        return;
      seen = {true,
              box->text(),
              box->windowTitle(),
              box->icon(),
              box->standardButtons(),
              box->windowModality(),
              box->parentWidget()};
      box->button(static_cast<QMessageBox::StandardButton>(press))->click();
    });
    const int got = ShowMessage(Text("\xBC\xF4\xBC\xAD\xB0\xE5<b>&"), style, Text("\xCC\xE1\xD0\xD1"),
                                static_cast<NativeWindow>(owner.winId()));
    QVERIFY(seen.seen);
    QCOMPARE(got, answer);
    QCOMPARE(seen.text, QString::fromUtf8("剪辑板<b>&"));
    QCOMPARE(seen.title, QString::fromUtf8("提醒"));
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(int(seen.buttons), buttons);
    QCOMPARE(seen.modality, Qt::ApplicationModal);
    QCOMPARE(seen.parent, &owner);
  }

 private:
  QTemporaryDir bin_;
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
