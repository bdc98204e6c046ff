#include "UserAccount.h"

#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace {
std::optional<UserAccount> accountOf(uid_t uid) {
    const struct passwd* entry = ::getpwuid(uid);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return UserAccount{uid, entry->pw_gid, QFile::decodeName(entry->pw_dir), false};
}

QList<UserAccount> everySystemAccount() {
    QList<UserAccount> accounts;
    ::setpwent();
    while (const struct passwd* entry = ::getpwent()) {
        accounts.append({entry->pw_uid, entry->pw_gid, QFile::decodeName(entry->pw_dir), false});
    }
    ::endpwent();
    return accounts;
}
} // namespace

UserIds UserIds::ofProcess() {
    return {::geteuid(), qgetenv("SUDO_UID"), accountOf, everySystemAccount};
}

UserAccount actingAccount(const UserIds& ids) {
    bool number = false;
    const uint invoker = ids.sudoUid.toUInt(&number);
    if (ids.effective == 0 && number && invoker != 0) {
        if (std::optional<UserAccount> account = ids.account(static_cast<uid_t>(invoker))) {
            account->throughSudo = true;
            return *account;
        }
    }
    return ids.account(ids.effective)
        .value_or(UserAccount{ids.effective, ::getegid(), QString(), false});
}

ActingAs::ActingAs(const std::optional<UserAccount>& account) {
    user_ = ::geteuid();
    group_ = ::getegid();
    if (!account || user_ != 0 || account->uid == 0) {
        return;
    }
    // The group first: once the user is no longer root, it could not be changed.
    if (::setegid(account->gid) != 0) {
        return;
    }
    if (::seteuid(account->uid) != 0) {
        (void)::setegid(group_);
        return;
    }
    switched_ = true;
}

ActingAs::~ActingAs() {
    if (switched_) {
        (void)::seteuid(user_);
        (void)::setegid(group_);
    }
}
