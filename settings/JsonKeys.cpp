#include "JsonKeys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace {
class KeyWalker {
public:
    explicit KeyWalker(const QByteArray& text)
        : text_(text) {}

    QStringList duplicates() {
        if (text_.startsWith("\xEF\xBB\xBF")) {
            at_ = 3; // a byte order mark, which Qt's reader passes over
        }
        value(QString());
        return duplicates_;
    }

private:
    bool more() const { return at_ < text_.size(); }
    char peek() const { return more() ? text_[at_] : '\0'; }

    void skipBlanks() {
        while (more() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) {
            ++at_;
        }
    }

    // A string as Qt reads it, escapes and all.
    QString string() {
        const qsizetype start = at_++;
        while (more() && peek() != '"') {
            at_ += peek() == '\\' ? 2 : 1;
        }
        ++at_;
        const QByteArray token = text_.mid(start, at_ - start);
        return QJsonDocument::fromJson("[" + token + "]").array().at(0).toString();
    }

    void value(const QString& path) {
        skipBlanks();
        switch (peek()) {
        case '{':
            object(path);
            break;
        case '[':
            array(path);
            break;
        case '"':
            string();
            break;
        default:
            while (more() && peek() != ',' && peek() != '}' && peek() != ']' && peek() != ' ' &&
                   peek() != '\n' && peek() != '\t' && peek() != '\r') {
                ++at_;
            }
            break;
        }
    }

    void object(const QString& path) {
        ++at_;
        QSet<QString> keys;
        for (skipBlanks(); more() && peek() != '}'; skipBlanks()) {
            if (peek() == ',') {
                ++at_;
                skipBlanks();
            }
            const QString key = string();
            const QString keyPath = path.isEmpty() ? key : path + u'.' + key;
            if (keys.contains(key)) {
                duplicates_.append(keyPath);
            }
            keys.insert(key);
            skipBlanks();
            ++at_; // the colon
            value(keyPath);
        }
        ++at_;
    }

    void array(const QString& path) {
        ++at_;
        for (skipBlanks(); more() && peek() != ']'; skipBlanks()) {
            if (peek() == ',') {
                ++at_;
            }
            value(path);
        }
        ++at_;
    }

    const QByteArray& text_;
    qsizetype at_ = 0;
    QStringList duplicates_;
};
} // namespace

QStringList duplicateKeys(const QByteArray& json) {
    return KeyWalker(json).duplicates();
}
