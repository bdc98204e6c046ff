#pragma once

#include <QByteArray>
#include <QList>

#include <chrono>

// Runs a program as its own process, with arguments given as raw bytes (a
// name that is not UTF-8 stays as it is), and waits for it at most
// `timeout`: a program that hangs is killed and reported, not waited for.
struct SpawnOptions {
    QList<QByteArray> input = {};       // written to standard input one part at a time
    std::chrono::milliseconds pause{0}; // between two parts of the input
    QByteArray outputFile = {};         // standard output into this file; captured when empty
    bool closeOutput = false;           // starts with standard output closed
    QList<QByteArray> environment = {}; // NAME=VALUE added to the test's own
    std::chrono::milliseconds timeout{20000};
};

struct Spawned {
    int code = -1;     // the exit code; -1 when killed or not started
    bool hung = false; // killed after the timeout
    QByteArray out;
    QByteArray err;
};

Spawned spawn(const QList<QByteArray>& argv, const SpawnOptions& options = {});
