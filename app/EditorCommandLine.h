#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The editor's command line: --volume DIR (repeatable), --help, --version.
struct EditorOptions {
    QStringList volumes; // in the order given
    bool help = false;
    bool version = false;
};

// None, with a French explanation in `error`, for anything else.
std::optional<EditorOptions> parseCommandLine(const QStringList& arguments, QString& error);

// --help and --version print on the standard output and end the program
// before any window (or display) is needed: the exit code then, none otherwise.
bool asksForInformation(const QStringList& arguments);
std::optional<int> answerInformationOptions(const QStringList& arguments);
