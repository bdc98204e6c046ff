#pragma once

#include <QList>

#include <sys/types.h>

// Whom the process is when it opens, reads and makes files: its effective
// user, group and supplementary groups. Run through sudo, the programs are
// the user who ran sudo for all of their work; only the real and saved user
// stay root, so that root's rights can be taken back for the one thing they
// serve (writing a player's file that user could not write).
struct Credentials {
    uid_t uid = 0;
    gid_t gid = 0;
    QList<gid_t> groups = {}; // the supplementary groups; empty: none
    bool operator==(const Credentials&) const = default;
};

inline const Credentials kRootCredentials{0, 0, {0}};

// The groups of the account `name` whose own group is `gid`, that one among them.
QList<gid_t> groupsOf(const QByteArray& name, gid_t gid);

// The process's effective ids and groups now.
Credentials currentCredentials();

// Whether the process may take root's rights back: run by root, through sudo
// or not.
bool mayActAsRoot();

// Makes `who` the process's effective ids and groups until further notice.
// False when that could not be done whole; the ids are then as they were.
bool becomeUser(const Credentials& who);

// While it lives, the process is `who`; then as before. ok() is false when
// the switch could not be made, and nothing changed. A process that could
// not become itself again would go on with the wrong rights: it stops.
class ActingAs {
public:
    explicit ActingAs(const Credentials& who);
    ~ActingAs();
    ActingAs(const ActingAs&) = delete;
    ActingAs& operator=(const ActingAs&) = delete;
    bool ok() const { return ok_; }

private:
    Credentials saved_;
    bool switched_ = false;
    bool ok_ = false;
};
