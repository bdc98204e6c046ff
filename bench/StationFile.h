#pragma once

#include <QByteArray>

// A station list the size of France: one line per commune, in the shipped
// file's format (cp1252, CR LF): "<name>_;<department>;<MHz>;<station>...".
// The same bytes on every run.
QByteArray frenchStationFile(int cities);
