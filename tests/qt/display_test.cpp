#include <QtTest>

#include "app/qt/display.h"

Q_DECLARE_METATYPE(DisplayChoice)

class DisplayTest : public QObject {
  Q_OBJECT

 private slots:
  void choosesTheDisplay_data() {
    QTest::addColumn<QString>("qpa");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<bool>("waylandPlugin");
    QTest::addColumn<DisplayChoice>("choice");
    using enum DisplayChoice;
    QTest::newRow("X session") << ""
                               << ":0"
                               << "" << false << X11;
    QTest::newRow("Wayland with XWayland goes through X") << ""
                                                          << ":0"
                                                          << "wayland-0" << true << X11;
    QTest::newRow("Wayland alone, plugin there") << ""
                                                 << ""
                                                 << "wayland-0" << true << Wayland;
    QTest::newRow("Wayland alone, no plugin") << ""
                                              << ""
                                              << "wayland-0" << false << None;
    QTest::newRow("nothing at all") << ""
                                    << ""
                                    << "" << true << None;
    QTest::newRow("the user's platform") << "offscreen"
                                         << ""
                                         << "" << false << AsUserSet;
    QTest::newRow("the user's wayland") << "wayland"
                                        << ":0"
                                        << "wayland-0" << true << AsUserSet;
    QTest::newRow("the user's xcb") << "xcb"
                                    << ":1"
                                    << "" << false << X11;
    QTest::newRow("the user's xcb without X") << "xcb"
                                              << ""
                                              << "wayland-0" << true << None;
  }

  void choosesTheDisplay() {
    QFETCH(QString, qpa);
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(bool, waylandPlugin);
    QFETCH(DisplayChoice, choice);
    QCOMPARE(ChooseDisplay(qpa.toStdString(), display.toStdString(), wayland.toStdString(), waylandPlugin),
             choice);
  }

  void noXServerOnAnUnusedDisplay() {
    QVERIFY(!XServerAnswers(":987"));
    QVERIFY(!XServerAnswers("nonsense"));
  }

  void unreachableXDisplayIsReportedNotFatal() {
    qputenv("DISPLAY", ":987");
    qunsetenv("QT_QPA_PLATFORM");
    const std::string reason = PrepareDisplay();
    QVERIFY(reason.find(":987") != std::string::npos);
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    QVERIFY(!PrepareDisplay().empty());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QVERIFY(PrepareDisplay().empty());
  }
};

QTEST_GUILESS_MAIN(DisplayTest)
#include "display_test.moc"
