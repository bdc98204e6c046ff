// Any bytes as the document of "ostrelctl import - FILE": no crash; the file
// is written only when the document is exactly valid, and then holds exactly
// what the document says.
#include "FuzzCheck.h"

#include "cli/Ostrelctl.h"
#include "settings/DemoImage.h"
#include "settings/LoadCheck.h"
#include "settings/SettingsDocument.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>

#include <cctype>
#include <cstddef>
#include <cstdint>

namespace {
struct Scratch {
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("settings.dat"));
    QString locks = dir.filePath(QStringLiteral("run"));
    QString history = dir.filePath(QStringLiteral("history"));
    QByteArray original = demoSettingsImage().fileBytes();

    QByteArray contents() const {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    // Puts the original back after a valid document replaced it; a write
    // leaves the file read-only, as the player's.
    void reset() const {
        if (contents() == original) {
            return;
        }
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        QFile out(file);
        FUZZ_REQUIRE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_REQUIRE(out.write(original) == original.size());
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Scratch scratch;
    static const bool ready = QDir().mkpath(scratch.locks);
    FUZZ_REQUIRE(ready && scratch.dir.isValid());
    scratch.reset();

    const QByteArray document(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer input;
    input.setData(document);
    input.open(QIODevice::ReadOnly);
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = runOstrelctl(
        {QStringLiteral("import"), QStringLiteral("-"), scratch.file}, outStream, errStream,
        CliSeams{QStringLiteral("/nonexistent"), {scratch.locks}, &input, scratch.history});

    const ImportOutcome expected = importDocument(document);
    const QByteArray after = scratch.contents();
    if (!expected.image) {
        FUZZ_REQUIRE(code == kTrouble);
        FUZZ_REQUIRE(!expected.problems.isEmpty());
        FUZZ_REQUIRE(after == scratch.original);
        return 0;
    }
    FUZZ_REQUIRE(code == kDone);
    FUZZ_REQUIRE(after == expected.image->fileBytes());
    // Exactly the file's bytes in hexadecimal, and nothing else, said once.
    const QJsonObject object = QJsonDocument::fromJson(document).object();
    const QString hex = object.value(QStringLiteral("bytes")).toString();
    FUZZ_REQUIRE(hex.size() == 2 * SettingsImage::kFileSize);
    for (const QChar c : hex) {
        FUZZ_REQUIRE(c.unicode() < 128 && std::isxdigit(c.unicode()) != 0);
    }
    FUZZ_REQUIRE(document.count("\"bytes\"") <= 1);
    FUZZ_REQUIRE(checkLoadedImage(*expected.image).writingAllowed());
    // What was written exports to a document that imports to the same bytes.
    const ImportOutcome again = importDocument(exportDocument(*expected.image));
    FUZZ_REQUIRE(again.image && again.image->fileBytes() == after);
    return 0;
}
