#include "MountTable.h"

#include <QFile>

#include <libmount/libmount.h>

#include <memory>

namespace {
struct TableDeleter {
    void operator()(libmnt_table* table) const { mnt_unref_table(table); }
};
} // namespace

QList<Mount> readMountTable(const QString& path) {
    const std::unique_ptr<libmnt_table, TableDeleter> table(
        mnt_new_table_from_file(QFile::encodeName(path).constData()));
    if (!table) {
        return {};
    }
    QList<Mount> mounts;
    libmnt_iter* iterator = mnt_new_iter(MNT_ITER_FORWARD);
    libmnt_fs* fs = nullptr;
    while (mnt_table_next_fs(table.get(), iterator, &fs) == 0) {
        const char* target = mnt_fs_get_target(fs);
        const char* type = mnt_fs_get_fstype(fs);
        const char* source = mnt_fs_get_srcpath(fs);
        const char* inside = mnt_fs_get_root(fs);
        if (target != nullptr) {
            const QString root = QFile::decodeName(target);
            mounts.append({root, QString::fromUtf8(type ? type : ""),
                           source ? QFile::decodeName(source) : QString(),
                           QFile::encodeName(root) == QByteArray(target),
                           static_cast<quint64>(mnt_fs_get_devno(fs)),
                           inside ? QFile::decodeName(inside) : QStringLiteral("/")});
        }
    }
    mnt_free_iter(iterator);
    return mounts;
}
