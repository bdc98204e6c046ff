// The built ostrelctl as a user's shell or script runs it: hostile files and
// names, outputs that fail, input that comes in parts, writers at once.
#include "support/Languages.h"
#include "support/Spawn.h"
#include "support/ValidImages.h"

#include "settings/NamedSettings.h"
#include "settings/SettingsDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>

namespace {
class Folder {
public:
    QByteArray path(const char* name) const { return QFile::encodeName(dir_.filePath(name)); }
    QByteArray put(const char* name, const QByteArray& bytes) const {
        QFile file(dir_.filePath(QString::fromUtf8(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path(name);
    }
    // By the name's bytes, which may not be UTF-8.
    static QByteArray contents(const QByteArray& path) {
        QByteArray bytes(4096, '\0');
        const int fd = ::open(path.constData(), O_RDONLY);
        const ssize_t count = fd < 0 ? 0 : ::read(fd, bytes.data(), bytes.size());
        if (fd >= 0) {
            ::close(fd);
        }
        return bytes.left(count < 0 ? 0 : count);
    }
    QStringList entries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    }
    // The command's data and lock folders stay the user's own; its history goes here.
    SpawnOptions options() const {
        SpawnOptions options;
        options.environment = {"XDG_DATA_HOME=" + QFile::encodeName(dir_.filePath("data"))};
        return options;
    }

private:
    QTemporaryDir dir_;
};

Spawned ostrelctl(const QList<QByteArray>& arguments, const SpawnOptions& options) {
    return spawn(QList<QByteArray>{OSTREL_CTL} + arguments, options);
}

QByteArray validBytes(unsigned seed) {
    std::mt19937 random(seed);
    return randomValidImage(random).fileBytes();
}
} // namespace

// Anything but a regular file is refused at once: nothing blocks on a FIFO,
// nothing reads a device for ever.
TEST(OstrelctlProcess, ANameThatIsNotARegularFileIsRefusedAtOnce) {
    Folder folder;
    const QByteArray fifo = folder.path("fifo");
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(QFile::decodeName(folder.path("folder"))));
    const QByteArray valid = folder.put("valid.dat", validBytes(1));
    SettingsImage image;
    image.load(validBytes(2));
    const QByteArray document = folder.put("doc.json", exportDocument(image));
    for (const QByteArray& odd : {fifo, folder.path("folder"), QByteArray("/dev/zero")}) {
        const QList<QByteArray> commands[] = {
            {"show", odd},          {"check", odd},
            {"export", odd},        {"diff", odd, valid},
            {"diff", valid, odd},   {"set", odd, "contrast=1"},
            {"import", odd, valid}, {"import", document, odd},
        };
        for (const QList<QByteArray>& command : commands) {
            SpawnOptions options = folder.options();
            options.timeout = std::chrono::seconds(10);
            const Spawned run = ostrelctl(command, options);
            const std::string what = command.join(' ').toStdString();
            EXPECT_FALSE(run.hung) << what;
            EXPECT_EQ(run.code, 2) << what;
            EXPECT_TRUE(run.err.contains(odd)) << what << ": " << run.err.toStdString();
        }
    }
    EXPECT_EQ(folder.contents(valid), validBytes(1));
}

// What is printed must reach its place: a full disk or a closed output is a
// failure, said on the errors.
TEST(OstrelctlProcess, AnOutputThatCannotBeWrittenIsAFailure) {
    Folder folder;
    const QByteArray file = folder.put("settings.dat", validBytes(3));
    for (const char* command : {"export", "show"}) {
        for (const bool closed : {false, true}) {
            SpawnOptions options = folder.options();
            options.outputFile = closed ? QByteArray() : QByteArray("/dev/full");
            options.closeOutput = closed;
            const Spawned run = ostrelctl({command, file}, options);
            EXPECT_EQ(run.code, 2) << command << (closed ? " closed" : " /dev/full");
            EXPECT_TRUE(run.err.contains("sortie standard")) << run.err.toStdString();
        }
    }
    EXPECT_EQ(folder.contents(file), validBytes(3));
}

// A name that is not UTF-8 is refused as such: never taken for another file,
// never said to be missing, never made under another name.
TEST(OstrelctlProcess, ANameThatIsNotUtf8IsRefusedNotReplaced) {
    Folder folder;
    const QByteArray odd = folder.path("r") + "\xe9glages.dat";
    {
        const int fd = ::open(odd.constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        const QByteArray bytes = validBytes(4);
        ASSERT_EQ(::write(fd, bytes.constData(), bytes.size()), bytes.size());
        ::close(fd);
    }
    SettingsImage image;
    image.load(validBytes(5));
    const QByteArray document = folder.put("doc.json", exportDocument(image));
    const QByteArray missing = folder.path("autres-r") + "\xe9glages.dat";
    const QStringList before = folder.entries();
    for (const QList<QByteArray>& command :
         {QList<QByteArray>{"show", odd}, QList<QByteArray>{"set", odd, "contrast=2"},
          QList<QByteArray>{"import", document, missing}}) {
        const Spawned run = ostrelctl(command, folder.options());
        EXPECT_EQ(run.code, 2) << command.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("UTF-8")) << run.err.toStdString();
    }
    EXPECT_EQ(folder.entries(), before) << "no file made under another name";
    EXPECT_EQ(folder.contents(odd), validBytes(4));
    ::unlink(odd.constData());
}

// A pipe hands a document over in parts: all of it is read.
TEST(OstrelctlProcess, ImportReadsAPipeToItsEnd) {
    Folder folder;
    const QByteArray file = folder.put("settings.dat", validBytes(6));
    SettingsImage image;
    image.load(validBytes(7));
    const QByteArray document = exportDocument(image);
    SpawnOptions options = folder.options();
    options.input = {document.left(700), document.mid(700)};
    options.pause = std::chrono::milliseconds(200);
    const Spawned run = ostrelctl({"import", "-", file}, options);
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(folder.contents(file), image.fileBytes());
}

// Twenty commands at once on one file, each setting something else: each
// waits its turn, none is lost, none is refused for a window.
TEST(OstrelctlProcess, TwentySetsAtOnceAllLand) {
    Folder folder;
    const QByteArray file = folder.put("settings.dat", validBytes(8));
    QStringList assignments;
    for (const char* letter : {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}) {
        assignments.append(QStringLiteral("fm.%1=%2").arg(letter).arg(90.1 + assignments.size()));
    }
    assignments +=
        {"repeat=4", "recordQuality=5", "scrollSpeed=3", "autoOff=2",  "backlight=1",
         "abRec=2",  "headphones=3",    "trubass=7",     "contrast=9", "curve.jazz=1,2,3,4,5"};
    ASSERT_EQ(assignments.size(), 20);

    SettingsImage expected;
    expected.load(validBytes(8));
    SettingValues values(namedSettings().size());
    for (const QString& assignment : assignments) {
        const NamedSetting* setting = namedSetting(assignment.section(u'=', 0, 0));
        ASSERT_NE(setting, nullptr) << assignment.toStdString();
        values[static_cast<std::size_t>(setting - namedSettings().data())] =
            parseValue(*setting, assignment.section(u'=', 1)).value;
    }
    applyValues(expected, values);

    std::vector<Spawned> runs(static_cast<std::size_t>(assignments.size()));
    std::vector<std::thread> writers;
    for (qsizetype k = 0; k < assignments.size(); ++k) {
        writers.emplace_back([&, k] {
            runs[static_cast<std::size_t>(k)] =
                ostrelctl({"set", file, assignments[k].toUtf8()}, folder.options());
        });
    }
    for (std::thread& writer : writers) {
        writer.join();
    }
    for (std::size_t k = 0; k < runs.size(); ++k) {
        EXPECT_EQ(runs[k].code, 0)
            << assignments[qsizetype(k)].toStdString() << ": " << runs[k].err.toStdString();
        EXPECT_FALSE(runs[k].err.contains("fenêtre")) << runs[k].err.toStdString();
    }
    EXPECT_EQ(folder.contents(file), expected.fileBytes());
}

// A user whose desktop is in English reads no French: not in the help of
// either program, not in ostrelctl's messages. Setting names stay as they are.
TEST(OstrelctlProcess, AnEnglishUserReadsNoFrench) {
    const FrenchTexts french(QStringLiteral(OSTREL_TS_FILE));
    ASSERT_GT(french.size(), 100);
    Folder folder;
    const QByteArray file = folder.put("settings.dat", validBytes(9));
    QByteArray outOfRange = validBytes(10);
    outOfRange[291] = 9; // the repeat mode
    const QByteArray refused = folder.put("refused.dat", outOfRange);
    QList<QList<QByteArray>> commands{
        {"--help"},
        {"frobnicate"},
        {"show", "/no/such/file"},
        {"check", refused},
        {"set", file, "repeat=xx", "fm.A=200"},
        {"set", "fm.Z=1"},
        {"import", "-", file},
        {"restore", "5", file},
        {"set", file, "repeat=Repeat all", "headphones=Casque"},
        {"set", file, "repeat=Repeat all", "headphones=Casque"}, // nothing left to change
        {"history", "--volume", folder.path("")},
        {"diff", file, refused, "--bytes"},
    };
    for (const char* command :
         {"find", "show", "check", "diff", "set", "export", "import", "history", "restore"}) {
        commands.append(QList<QByteArray>{command, "--help"});
    }
    SpawnOptions english = folder.options();
    english.environment.append("LANGUAGE=en");
    english.input = {"{\"format\": \"ostrel-settings\", \"format\": 2}"};
    for (const QList<QByteArray>& command : commands) {
        const Spawned run = ostrelctl(command, english);
        const QString said = QString::fromUtf8(run.out + run.err);
        EXPECT_FALSE(said.isEmpty()) << command.join(' ').toStdString();
        EXPECT_EQ(french.in(said, true) + frenchIn(said), QString())
            << command.join(' ').toStdString() << ":\n"
            << said.toStdString();
    }
    const Spawned help = spawn({OSTREL_EDITOR, "--help"}, english);
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(french.in(QString::fromUtf8(help.out), true) + frenchIn(QString::fromUtf8(help.out)),
              QString());
    EXPECT_TRUE(help.out.startsWith("usage: ostrel-settings")) << help.out.toStdString();
}
