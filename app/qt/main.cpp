#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/qt/display.h"
#include "app/qt/windows.h"

int main(int, char** argv) {
  const std::string unusable = PrepareDisplay();
  if (!unusable.empty()) {
    std::fprintf(stderr, "Quelvo-Tolvane: the start-up window could not be loaded: %s\n", unusable.c_str());
    return 1;
  }
  // The program takes no command line, so Qt is not shown one either.
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QApplication app(qtArgc, qtArgv);
  app.setWindowIcon(ProgramIcon());

  std::unique_ptr<QWidget> mainWindow(BuildMainWindow());
  mainWindow->show();
  // Closing MainWindow closes HelpWindow with it; with no window left the loop ends.
  return app.exec();
}
