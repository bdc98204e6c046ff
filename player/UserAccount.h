#pragma once

#include "system/Credentials.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <sys/types.h>

// Whom a program works for. Usually the user running it; but a program that
// root runs through sudo works for the user who typed sudo, and as that user:
// it reads and makes every file with that user's rights (see
// becomeInvokingUser), that user's window holds the lock that must stop it,
// and that user's history keeps what it replaces.
struct UserAccount {
    uid_t uid = 0;
    gid_t gid = 0;
    QString home;             // from the account, never from the environment
    bool throughSudo = false; // root working for the user who ran sudo
    QByteArray name = {};     // the account's login name; empty when unknown
    QList<gid_t> groups = {}; // its supplementary groups, its own group among them
    // The ids and groups it works with.
    Credentials credentials() const;
};

// The process's ids and the accounts they name, as the system gives them;
// tests stand in for root, sudo and other users.
struct UserIds {
    uid_t effective = 0;
    uid_t real = 0;     // root through sudo keeps root as its real user
    QByteArray sudoUid; // $SUDO_UID; empty when unset
    std::function<std::optional<UserAccount>(uid_t)> account;
    std::function<QList<UserAccount>()> everyAccount;
    static UserIds ofProcess();
};

// The account the program acts for: the one who ran sudo when root runs it
// through sudo (root as its real user and $SUDO_UID naming another user),
// else the effective user.
UserAccount actingAccount(const UserIds& ids);

// Run through sudo, the program becomes the user who ran sudo (effective
// ids and that user's groups) for all of its work, before it reads anything;
// root's rights are taken back only to write a player's file that user
// cannot write (see writePlayerFile). Otherwise nothing changes. False when
// the switch failed: the program must not go on as root.
bool becomeInvokingUser(const UserIds& ids);
// The same for this process, first thing in main, before the application
// object (which is told that its real and effective users differ on
// purpose); false when it failed, and refusedText() says so.
bool startAsInvokingUser();
QString refusedText();
