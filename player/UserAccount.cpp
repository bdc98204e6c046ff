#include "UserAccount.h"

#include <QCoreApplication>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace {
struct UserAccountText {
    Q_DECLARE_TR_FUNCTIONS(UserAccount)
};

UserAccount accountFrom(const struct passwd& entry, bool withGroups) {
    return {entry.pw_uid,
            entry.pw_gid,
            QFile::decodeName(entry.pw_dir),
            false,
            QByteArray(entry.pw_name),
            withGroups ? groupsOf(entry.pw_name, entry.pw_gid) : QList<gid_t>{entry.pw_gid}};
}

std::optional<UserAccount> accountOf(uid_t uid) {
    const struct passwd* entry = ::getpwuid(uid);
    return entry ? std::optional<UserAccount>(accountFrom(*entry, true)) : std::nullopt;
}

// Their groups are looked up only for the few whose locks are looked at.
QList<UserAccount> everySystemAccount() {
    QList<UserAccount> accounts;
    ::setpwent();
    while (const struct passwd* entry = ::getpwent()) {
        accounts.append(accountFrom(*entry, false));
    }
    ::endpwent();
    return accounts;
}
} // namespace

Credentials UserAccount::credentials() const {
    return {uid, gid, groups.isEmpty() ? QList<gid_t>{gid} : groups};
}

UserIds UserIds::ofProcess() {
    return {::geteuid(), ::getuid(), qgetenv("SUDO_UID"), accountOf, everySystemAccount};
}

UserAccount actingAccount(const UserIds& ids) {
    bool number = false;
    const uint invoker = ids.sudoUid.toUInt(&number);
    if (ids.real == 0 && number && invoker != 0) {
        // An invoker the system does not know is still not root: its own
        // id, and no group but the one of no one.
        constexpr gid_t kNoGroup = 65534;
        UserAccount account =
            ids.account(static_cast<uid_t>(invoker))
                .value_or(UserAccount{static_cast<uid_t>(invoker), kNoGroup, QString()});
        account.throughSudo = true;
        return account;
    }
    return ids.account(ids.effective).value_or(UserAccount{ids.effective, ::getegid(), QString()});
}

bool becomeInvokingUser(const UserIds& ids) {
    if (ids.real != 0 || ids.sudoUid.isEmpty()) {
        return true; // no one else to become: no account is looked up
    }
    const UserAccount account = actingAccount(ids);
    return !account.throughSudo || becomeUser(account.credentials());
}

bool startAsInvokingUser() {
    if (!becomeInvokingUser(UserIds::ofProcess())) {
        return false;
    }
    // Only then: a program installed setuid by mistake is still refused by Qt.
    if (::geteuid() != ::getuid()) {
        QCoreApplication::setSetuidAllowed(true);
    }
    return true;
}

QString refusedText() {
    return UserAccountText::tr("Lancé par sudo, le programme n'a pas pu prendre l'identité de "
                               "l'utilisateur qui l'a lancé : il s'arrête plutôt que de tout "
                               "faire avec les droits de root.");
}
