#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <sys/types.h>

// Whom a program works for. Usually the user running it; but a command that
// root runs through sudo works for the user who typed sudo: that user's
// window holds the lock that must stop it, and that user's history must keep
// what it replaces, in files that user owns.
struct UserAccount {
    uid_t uid = 0;
    gid_t gid = 0;
    QString home;             // from the account, never from the environment
    bool throughSudo = false; // root acting for the user who ran sudo
};

// The process's ids and the accounts they name, as the system gives them;
// tests stand in for root, sudo and other users.
struct UserIds {
    uid_t effective = 0;
    QByteArray sudoUid; // $SUDO_UID; empty when unset
    std::function<std::optional<UserAccount>(uid_t)> account;
    std::function<QList<UserAccount>()> everyAccount;
    static UserIds ofProcess();
};

// The account the program acts for: the one who ran sudo when root runs it
// through sudo ($SUDO_UID naming an account), else the effective user.
UserAccount actingAccount(const UserIds& ids);

// While it lives, files and folders are made as `account`: its effective
// user and group are the process's, when the process is root acting for
// another user. Otherwise it changes nothing.
class ActingAs {
public:
    explicit ActingAs(const std::optional<UserAccount>& account);
    ~ActingAs();
    ActingAs(const ActingAs&) = delete;
    ActingAs& operator=(const ActingAs&) = delete;

private:
    bool switched_ = false;
    uid_t user_ = 0;
    gid_t group_ = 0;
};
