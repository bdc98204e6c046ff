// Loading the settings file into the image and the window.
#include "app/Form1.h"

void Form1::fin_init() {
    // Filled in by the settings image work: read SettingsPath, then show every field.
}
