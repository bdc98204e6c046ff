#pragma once

#include "SettingsImage.h"

// A player's settings at valid factory values, for the simulated player and
// for tests. Every byte the program does not interpret holds a fixed non-zero
// pattern, so that a round trip that loses such a byte shows.
SettingsImage demoSettingsImage();

// The byte a demo image holds at an offset the program does not interpret.
std::uint8_t demoFillerByte(int offset);
