// The floor for start-up time and memory: Qt showing one window with one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label("Quelvo-Tolvane floor");
  label.setWindowTitle("Quelvo-Tolvane floor");
  label.resize(696, 302);
  label.show();
  return app.exec();
}
