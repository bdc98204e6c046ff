#pragma once

class QApplication;

// The whole program once its application object exists: the command line,
// start-up, the window and the event loop. Returns the exit code.
int runSettingsEditor(QApplication& app);
