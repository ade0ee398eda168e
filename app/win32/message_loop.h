#pragma once

// Runs the UI thread's event loop until MainWindow is destroyed; returns the
// exit code it was ended with.
int RunMessageLoop();
