#include "Credentials.h"

#include <cstdlib>
#include <grp.h>
#include <unistd.h>
#include <vector>

namespace {
// glibc applies each of these to every thread of the process.
bool switchTo(const Credentials& who) {
    // Root first: only root may choose groups and ids.
    if (::geteuid() != 0 && ::seteuid(0) != 0) {
        return false;
    }
    const std::vector<gid_t> groups(who.groups.begin(), who.groups.end());
    return ::setgroups(groups.size(), groups.data()) == 0 && ::setegid(who.gid) == 0 &&
           (who.uid == 0 || ::seteuid(who.uid) == 0);
}
} // namespace

QList<gid_t> groupsOf(const QByteArray& name, gid_t gid) {
    int count = 32;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    if (::getgrouplist(name.constData(), gid, groups.data(), &count) < 0) {
        groups.resize(static_cast<std::size_t>(count));
        if (::getgrouplist(name.constData(), gid, groups.data(), &count) < 0) {
            return {gid};
        }
    }
    return QList<gid_t>(groups.begin(), groups.begin() + count);
}

Credentials currentCredentials() {
    Credentials now{::geteuid(), ::getegid(), {}};
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(count > 0 ? count : 0));
    if (count > 0 && ::getgroups(count, groups.data()) == count) {
        now.groups = QList<gid_t>(groups.begin(), groups.end());
    }
    return now;
}

bool mayActAsRoot() {
    uid_t real = 1, effective = 1, saved = 1;
    return ::getresuid(&real, &effective, &saved) == 0 &&
           (real == 0 || effective == 0 || saved == 0);
}

bool becomeUser(const Credentials& who) {
    const Credentials before = currentCredentials();
    if (who == before) {
        return true;
    }
    if (!mayActAsRoot()) {
        return false;
    }
    if (switchTo(who)) {
        return true;
    }
    if (!switchTo(before)) {
        std::abort();
    }
    return false;
}

ActingAs::ActingAs(const Credentials& who)
    : saved_(currentCredentials()) {
    if (who == saved_) {
        ok_ = true;
        return;
    }
    ok_ = switched_ = becomeUser(who);
}

ActingAs::~ActingAs() {
    if (switched_ && !becomeUser(saved_)) {
        std::abort();
    }
}
