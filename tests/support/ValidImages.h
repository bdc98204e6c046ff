#pragma once

#include "settings/SettingsImage.h"

#include <random>

// A settings image the player could have written: every field in range and
// in the form the program itself writes, every other byte random.
SettingsImage randomValidImage(std::mt19937& random);
