#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// One command line, split into its command, its operands and its options.
struct Invocation {
    QString command; // empty: none given
    QStringList operands;
    QStringList volumes; // --volume DIR, in the order given
    bool help = false;
    bool version = false;
    bool json = false;
    bool bytes = false;
    bool dryRun = false;
    bool noHistory = false;   // write even when what is replaced cannot be kept
    bool otherPlayer = false; // restore: an entry of another player too
    bool all = false;         // history: every player
    bool showEntry = false;   // history --show N|ID
    bool exportEntry = false; // history --export N|ID
};

// None, with the reason in `error`, for an unknown option or a --volume
// without its folder. Options may come anywhere; "--" ends them.
std::optional<Invocation> parseInvocation(const QStringList& arguments, QString& error);
