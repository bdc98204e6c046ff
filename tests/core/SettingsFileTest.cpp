// Reading, writing and saving settings files on a real file system.
#include "settings/SettingsFile.h"
#include "settings/FileAttributes.h"
#include "support/SmallTmpfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray pattern(int size, char seed = 1) {
    QByteArray bytes(size, '\0');
    for (int k = 0; k < size; ++k) {
        bytes[k] = static_cast<char>(seed + k * 7);
    }
    return bytes;
}
void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}
QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The user "nobody" runs the check in a child process; `failure` says what a
// false check means.
constexpr uid_t kNobody = 65534;
::testing::AssertionResult passesAsNobody(const std::function<bool()>& check, const char* failure) {
    const pid_t child = ::fork();
    if (child < 0) {
        return ::testing::AssertionFailure() << "could not start a child process";
    }
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(3);
        }
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 3) {
        return ::testing::AssertionFailure() << "could not become another user";
    }
    if (WEXITSTATUS(status) != 0) {
        return ::testing::AssertionFailure() << failure;
    }
    return ::testing::AssertionSuccess();
}

// A folder that another user may pass through, as a temporary one root made is not.
void letOthersThrough(const QTemporaryDir& dir) {
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner |
                                                      QFileDevice::ExeOther));
}

// Disks that fail in ways a real one only does when it is unplugged or worn.
ssize_t writesAllButOneByte(int fd, const void* data, size_t size, off_t offset) {
    return ::pwrite(fd, data, size - 1, offset);
}
ssize_t refusesToWrite(int, const void*, size_t, off_t) {
    errno = EIO;
    return -1;
}
int failsToFlush(int) {
    errno = EIO;
    return -1;
}
ssize_t readsOneByteChanged(int fd, void* data, size_t size, off_t offset) {
    const ssize_t count = ::pread(fd, data, size, offset);
    if (count > 0) {
        static_cast<char*>(data)[count / 2] ^= 0x10;
    }
    return count;
}
ssize_t readsAllButOneByte(int fd, void* data, size_t size, off_t offset) {
    return ::pread(fd, data, size - 1, offset);
}
// A write that a signal interrupts once, before anything was written.
int interruptionsLeft = 0;
ssize_t interruptedOnce(int fd, const void* data, size_t size, off_t offset) {
    if (interruptionsLeft > 0) {
        --interruptionsLeft;
        errno = EINTR;
        return -1;
    }
    return ::pwrite(fd, data, size, offset);
}

FileCalls with(decltype(FileCalls::pwrite) pwrite) {
    FileCalls calls;
    calls.pwrite = pwrite;
    return calls;
}
FileCalls with(decltype(FileCalls::fsync) fsync) {
    FileCalls calls;
    calls.fsync = fsync;
    return calls;
}
FileCalls with(decltype(FileCalls::pread) pread) {
    FileCalls calls;
    calls.pread = pread;
    return calls;
}

// A failing disk, and what the message about it must say.
struct FailingDisk {
    const char* disk;
    FileCalls calls;
    const char* says;
};

bool writeProtected(const QString& path) {
    return (QFileInfo(path).permissions() &
            (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther)) ==
           QFileDevice::Permissions();
}
} // namespace

TEST(ReadSettingsFile, ReadsUpTo800BytesWholeAndNothingLonger) {
    QTemporaryDir dir;
    for (const int size : {0, 1, 698, 699, 700, 800, 801, 900}) {
        const QString path = dir.filePath(QString::number(size));
        put(path, pattern(size));
        const auto bytes = readSettingsFile(path);
        if (size <= 800) {
            ASSERT_TRUE(bytes) << size;
            EXPECT_EQ(*bytes, pattern(size));
        } else {
            EXPECT_FALSE(bytes) << size;
        }
    }
}

TEST(ReadSettingsFile, FailsOnWhatIsNotAReadableFile) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("folder");
    EXPECT_FALSE(readSettingsFile(QString()));
    EXPECT_FALSE(readSettingsFile(dir.filePath("missing")));
    EXPECT_FALSE(readSettingsFile(dir.filePath("folder")));
    EXPECT_FALSE(readSettingsFile(dir.filePath("missing/settings.dat")));
}

TEST(WritePlayerFile, OverwritesTheStartInPlaceAndLeavesTheFileReadOnly) {
    const struct {
        int sizeBefore;
        int sizeAfter;
    } cases[] = {{699, 699}, {750, 750}, {600, 699}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.dat");
        const QByteArray before = pattern(c.sizeBefore, 3);
        put(path, before);
        QFile::setPermissions(path, QFileDevice::ReadOwner); // read-only, as the player keeps it

        const QByteArray image = pattern(699, 50);
        const WriteOutcome outcome = writePlayerFile(path, image);
        ASSERT_TRUE(outcome.written) << outcome.problem.toStdString();
        const QByteArray after = contentOf(path);
        ASSERT_EQ(after.size(), c.sizeAfter);
        EXPECT_EQ(after.left(699), image);
        EXPECT_EQ(after.mid(699), before.mid(699)) << "bytes past the image are kept";
        EXPECT_TRUE(writeProtected(path)) << "left read-only";
    }
}

TEST(WritePlayerFile, ReportsInFrenchWhatWentWrongAndCreatesNothing) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("settings.dat");
    const QByteArray target(699, '\x44');
    {
        QFile file(dir.filePath("target.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(target);
    }
    ASSERT_TRUE(QFile::link(dir.filePath("target.dat"), dir.filePath("link.dat")));
    const struct {
        QString path;
        const char* says;
    } cases[] = {
        {dir.filePath("missing.dat"), "n'existe plus"},
        {dir.filePath("settings.dat"), "est un dossier"},
        {dir.filePath("gone/settings.dat"), "n'existe plus"},
        {dir.filePath("link.dat"), "est un lien"},
    };
    for (const auto& c : cases) {
        const WriteOutcome outcome = writePlayerFile(c.path, pattern(699));
        EXPECT_FALSE(outcome.written);
        EXPECT_TRUE(
            outcome.problem.startsWith("Vos modifications n'ont pas été écrites sur l'ostrel"));
        EXPECT_TRUE(outcome.problem.contains(QString::fromUtf8(c.says)))
            << outcome.problem.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing.dat")));
    EXPECT_EQ(contentOf(dir.filePath("target.dat")), target) << "a link's target is not written";
}

TEST(WritePlayerFile, ReportsAWriteProtectedDisk) {
    QTemporaryDir dir;
    SmallTmpfs disk(dir.path());
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.why();
    }
    const QString path = dir.filePath("settings.dat");
    put(path, pattern(699));
    ASSERT_TRUE(disk.remountReadOnly());

    const WriteOutcome outcome = writePlayerFile(path, pattern(699, 9));
    EXPECT_FALSE(outcome.written);
    EXPECT_TRUE(outcome.problem.contains(QString::fromUtf8("protégé en écriture")))
        << outcome.problem.toStdString();
    EXPECT_EQ(contentOf(path), pattern(699));
}

// A whole file (a repair) that fails is left as it was, its size too.
TEST(WritePlayerFile, ReportsAFullDisk) {
    for (const PlayerWrite mode : {PlayerWrite::OverTheStart, PlayerWrite::WholeFile}) {
        QTemporaryDir dir;
        SmallTmpfs disk(dir.path());
        if (!disk.mounted()) {
            GTEST_SKIP() << disk.why();
        }
        // A file whose bytes have no room on the disk yet: writing them needs space.
        const QString path = dir.filePath("settings.dat");
        QFile sparse(path);
        const int size = mode == PlayerWrite::WholeFile ? 0 : 699;
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(size));
        sparse.close();
        fillUp(dir.path());

        const WriteOutcome outcome = writePlayerFile(path, pattern(699, 9), {}, mode);
        EXPECT_FALSE(outcome.written);
        EXPECT_TRUE(outcome.problem.contains("plein")) << outcome.problem.toStdString();
        EXPECT_EQ(QFileInfo(path).size(), size);
    }
}

// A file the user may write but not make read-only: someone else's,
// writable by all. The write lands, and the user is told it is not protected.
TEST(WritePlayerFile, ReportsAFileThatCouldNotBeMadeReadOnlyAgain) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root, to write as another user into a file root owns";
    }
    QTemporaryDir dir;
    letOthersThrough(dir);
    const QString path = dir.filePath("settings.dat");
    put(path, pattern(699));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);

    EXPECT_TRUE(passesAsNobody(
        [&] {
            const WriteOutcome outcome = writePlayerFile(path, pattern(699, 9));
            return !outcome.written &&
                   outcome.problem.contains(QString::fromUtf8("ont été écrites")) &&
                   outcome.problem.contains(QString::fromUtf8("lecture seule"));
        },
        "the unprotected file was reported as a plain success"));
    EXPECT_EQ(contentOf(path), pattern(699, 9));
}

// Root writes into a read-only file anyway; the player's owner must not need to.
TEST(WritePlayerFile, LiftsReadOnlyForAnOwnerWithoutRootRights) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "runs as root only; as a plain user the tests above already write so";
    }
    QTemporaryDir dir;
    letOthersThrough(dir);
    const QString path = dir.filePath("settings.dat");
    put(path, pattern(699));
    const QByteArray native = QFile::encodeName(path);
    ASSERT_EQ(::chown(native.constData(), kNobody, kNobody), 0);
    ASSERT_EQ(::chmod(native.constData(), 0444), 0);

    EXPECT_TRUE(passesAsNobody(
        [&] {
            const WriteOutcome outcome = writePlayerFile(path, pattern(699, 9));
            struct stat status {};
            return outcome.written && ::stat(native.constData(), &status) == 0 &&
                   (status.st_mode & 0222) == 0;
        },
        "not written, or not left read-only"));
    EXPECT_EQ(contentOf(path), pattern(699, 9));
}

TEST(WritePlayerFile, AFailingDiskIsReportedNeverTakenForSuccess) {
    const FailingDisk cases[] = {
        {"writes all but one byte", with(writesAllButOneByte), "est plein"},
        {"refuses to write", with(refusesToWrite), "entrée-sortie"},
        {"fails to flush", with(failsToFlush), "entrée-sortie"},
        {"reads one byte changed", with(readsOneByteChanged), "ne correspond pas"},
        {"reads back all but one byte", with(readsAllButOneByte), "ne correspond pas"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.dat");
        put(path, pattern(699));
        QFile::setPermissions(path, QFileDevice::ReadOwner);

        // The image ends in a zero byte, as a buffer filled short would.
        QByteArray image = pattern(699, 9);
        image[698] = '\0';
        const WriteOutcome outcome = writePlayerFile(path, image, c.calls);
        EXPECT_FALSE(outcome.written) << c.disk;
        EXPECT_TRUE(
            outcome.problem.startsWith("Vos modifications n'ont pas été écrites sur l'ostrel"))
            << c.disk;
        EXPECT_TRUE(outcome.problem.contains(QString::fromUtf8(c.says)))
            << c.disk << ": " << outcome.problem.toStdString();
        EXPECT_TRUE(writeProtected(path)) << c.disk << ": made read-only again";
    }
}

TEST(WritePlayerFile, AnInterruptedWriteIsMadeAgain) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.dat");
    put(path, pattern(699));
    interruptionsLeft = 1;

    const WriteOutcome outcome = writePlayerFile(path, pattern(699, 9), with(interruptedOnce));
    EXPECT_TRUE(outcome.written) << outcome.problem.toStdString();
    EXPECT_EQ(interruptionsLeft, 0);
    EXPECT_EQ(contentOf(path), pattern(699, 9));
}

TEST(FatAttributes, ReadOnlyHiddenAndSystemAsWantedEveryOtherBitKept) {
    // FAT attribute bits: 0x01 read-only, 0x02 hidden, 0x04 system, 0x20 archive.
    const struct {
        quint32 current;
        FileAttributes wanted;
        quint32 bits;
    } cases[] = {
        // Lifting read-only on the player's file before writing: on a FAT
        // mount that lets group or others write, only this bit lifts it.
        {0x27, {.readOnly = false, .hidden = true, .system = true}, 0x26},
        {0x20, {.readOnly = true, .hidden = true, .system = true}, 0x27},
        {0x07, {.readOnly = false, .hidden = false, .system = false}, 0x00},
        {0x21, {.readOnly = true, .hidden = false, .system = false}, 0x21},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fatAttributeBits(c.current, c.wanted), c.bits) << c.current;
    }
}

TEST(SaveBackupFile, WritesExactlyTheImageInPlaceOfAnyOldBackup) {
    for (const int oldSize : {-1, 100, 699, 900}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("settings.dat");
        if (oldSize >= 0) {
            put(path, pattern(oldSize, 7));
        }
        const WriteOutcome outcome = saveBackupFile(path, pattern(699, 11));
        ASSERT_TRUE(outcome.written) << outcome.problem.toStdString();
        EXPECT_EQ(contentOf(path), pattern(699, 11)) << oldSize;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"settings.dat"})
            << "no temporary file is left behind";
    }
}

TEST(SaveBackupFile, AFailedSaveLeavesTheOldBackupWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.dat");
    SmallTmpfs disk(dir.path());
    if (disk.mounted()) {
        put(path, pattern(699, 7));
        ASSERT_TRUE(disk.remountReadOnly());
    } else {
        put(path, pattern(699, 7));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    const WriteOutcome outcome = saveBackupFile(path, pattern(699, 11));
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(outcome.written);
    EXPECT_TRUE(
        outcome.problem.startsWith(QString::fromUtf8("La sauvegarde n'a pas pu être écrite")))
        << outcome.problem.toStdString();
    EXPECT_EQ(contentOf(path), pattern(699, 7));
}

TEST(SaveBackupFile, AFullDiskIsReportedAndTheOldBackupKept) {
    QTemporaryDir dir;
    SmallTmpfs disk(dir.path());
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.why();
    }
    const QString path = dir.filePath("settings.dat");
    put(path, pattern(699, 7));
    fillUp(dir.path());
    const WriteOutcome outcome = saveBackupFile(path, pattern(699, 11));
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(contentOf(path), pattern(699, 7));
}

TEST(SaveBackupFile, AFailingDiskLeavesTheOldBackupOrNoFileAndNoTemporaryFile) {
    const FailingDisk cases[] = {
        {"writes all but one byte", with(writesAllButOneByte), "le disque est plein"},
        {"refuses to write", with(refusesToWrite), "entrée-sortie"},
        {"fails to flush", with(failsToFlush), "entrée-sortie"},
    };
    for (const bool hadBackup : {true, false}) {
        for (const auto& c : cases) {
            QTemporaryDir dir;
            const QString path = dir.filePath("settings.dat");
            if (hadBackup) {
                put(path, pattern(699, 7));
            }

            const WriteOutcome outcome = saveBackupFile(path, pattern(699, 11), c.calls);
            EXPECT_FALSE(outcome.written) << c.disk;
            EXPECT_TRUE(outcome.problem.contains(QString::fromUtf8(c.says)))
                << c.disk << ": " << outcome.problem.toStdString();
            // The message promises only what is true of the folder.
            EXPECT_TRUE(outcome.problem.endsWith(
                QString::fromUtf8(hadBackup ? "L'ancienne sauvegarde est inchangée."
                                            : "Aucun fichier n'a été créé.")))
                << c.disk << ": " << outcome.problem.toStdString();
            const QStringList left = hadBackup ? QStringList{"settings.dat"} : QStringList{};
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), left)
                << c.disk << ": the temporary file is removed";
            if (hadBackup) {
                EXPECT_EQ(contentOf(path), pattern(699, 7)) << c.disk;
            }
        }
    }
}
