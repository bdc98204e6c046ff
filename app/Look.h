#pragma once

class QApplication;

// The program's style and font, the same in the program and in its tests, so
// that what the tests measure is what users see.
void applyProgramLook(QApplication& app);
