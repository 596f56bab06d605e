#include "SettingsFile.h"

#include <QList>

#include <cctype>

namespace SettingsFile {

namespace {

bool isPlainKeyChar(char32_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
        || c == '.';
}

void appendHex(QByteArray &out, char32_t c, int width)
{
    out += QByteArray::number(static_cast<uint>(c), 16).toUpper().rightJustified(width, '0');
}

QByteArray sectionHeader(const QString &section)
{
    // QSettings keeps top-level keys in [General], so a real section of that
    // name is written escaped.
    if (section == QLatin1String("General"))
        return "[%General]";
    return '[' + escapeKey(section) + ']';
}

QByteArrayView trimmed(QByteArrayView line) { return line.trimmed(); }

QList<QByteArrayView> splitLines(const QByteArray &text)
{
    QList<QByteArrayView> lines;
    // An editor may save the file with a UTF-8 byte-order mark; QSettings
    // reads past it, and so do we (a rewrite leaves it out).
    qsizetype start = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QByteArrayView line(text.constData() + start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines << line;
        start = end + 1;
    }
    return lines;
}

bool isSectionLine(QByteArrayView line)
{
    line = trimmed(line);
    return line.startsWith('[') && line.endsWith(']');
}

QString sectionName(QByteArrayView line)
{
    line = trimmed(line);
    QString name = unescapeKey(line.sliced(1, line.size() - 2));
    if (name == QLatin1String("%General"))
        return QStringLiteral("General");
    return name;
}

// The key of a "key=value" line, or nothing for comments and blank lines.
std::optional<QString> lineKey(QByteArrayView line, QByteArrayView *value = nullptr)
{
    const QByteArrayView stripped = trimmed(line);
    if (stripped.isEmpty() || stripped.startsWith(';') || stripped.startsWith('#'))
        return std::nullopt;
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    if (value)
        *value = line.sliced(equals + 1);
    return unescapeKey(trimmed(line.first(equals)));
}

} // namespace

QByteArray escapeKey(const QString &key)
{
    QByteArray out;
    for (char32_t c : key.toUcs4()) {
        if (isPlainKeyChar(c)) {
            out += char(c);
        } else if (c == '/') {
            out += '\\';
        } else if (c <= 0xFF) {
            out += '%';
            appendHex(out, c, 2);
        } else {
            out += "%U";
            appendHex(out, c, 4);
        }
    }
    return out;
}

QString unescapeKey(QByteArrayView escaped)
{
    QString out;
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const char c = escaped[i];
        if (c == '\\') {
            out += QChar(u'/');
        } else if (c == '%' && i + 5 < escaped.size() && escaped[i + 1] == 'U') {
            bool ok = false;
            const uint code = escaped.sliced(i + 2, 4).toByteArray().toUInt(&ok, 16);
            if (ok) {
                out += QChar(char16_t(code));
                i += 5;
            } else {
                out += QChar(u'%');
            }
        } else if (c == '%' && i + 2 < escaped.size()) {
            bool ok = false;
            const uint code = escaped.sliced(i + 1, 2).toByteArray().toUInt(&ok, 16);
            if (ok) {
                out += QChar(char16_t(code));
                i += 2;
            } else {
                out += QChar(u'%');
            }
        } else {
            out += QString::fromUtf8(escaped.sliced(i, 1));
        }
    }
    return out;
}

QByteArray escapeValue(const QString &value)
{
    // QSettings reads a leading "@" as a type marker; doubling it keeps the text.
    const QString text = value.startsWith(QChar(u'@')) ? QChar(u'@') + value : value;
    const bool quote = text.contains(QChar(u';')) || text.contains(QChar(u',')) || text.contains(QChar(u'='))
        || text.startsWith(QChar(u' ')) || text.endsWith(QChar(u' ')) || text.startsWith(QChar(u'"'));
    QByteArray out;
    if (quote)
        out += '"';
    bool escapeNextHexDigit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const bool hexDigit = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (escapeNextHexDigit && hexDigit) {
            // A "\x" escape reads every hex digit after it, so a digit that
            // follows one must be escaped too.
            out += "\\x";
            appendHex(out, c, 4);
            continue;
        }
        escapeNextHexDigit = false;
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += "\\x";
                appendHex(out, c, 4);
                escapeNextHexDigit = true;
            } else {
                // A surrogate pair is one character and is encoded as one.
                const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
                out += QStringView(text).sliced(i, length).toUtf8();
                i += length - 1;
            }
        }
    }
    if (quote)
        out += '"';
    return out;
}

QString unescapeValue(QByteArrayView escaped)
{
    escaped = trimmed(escaped);
    QString out;
    QByteArray pending; // plain bytes, decoded as UTF-8 together so multi-byte characters survive
    auto flush = [&] {
        out += QString::fromUtf8(pending);
        pending.clear();
    };
    bool quoted = false;
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const char c = escaped[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && i + 1 < escaped.size()) {
            const char next = escaped[++i];
            switch (next) {
            case 'n': pending += '\n'; break;
            case 'r': pending += '\r'; break;
            case 't': pending += '\t'; break;
            case 'a': pending += '\a'; break;
            case 'b': pending += '\b'; break;
            case 'f': pending += '\f'; break;
            case 'v': pending += '\v'; break;
            case 'x': {
                qsizetype end = i + 1;
                while (end < escaped.size() && std::isxdigit(static_cast<unsigned char>(escaped[end])))
                    ++end;
                const uint code = escaped.sliced(i + 1, end - i - 1).toByteArray().toUInt(nullptr, 16);
                flush();
                out += QChar(char16_t(code));
                i = end - 1;
                break;
            }
            default: pending += next; break;
            }
        } else {
            pending += c;
        }
    }
    flush();
    if (out.startsWith(QLatin1String("@@")))
        out.remove(0, 1);
    return out;
}

std::optional<QString> find(const QByteArray &text, const QString &section, const QString &key)
{
    std::optional<QString> found;
    bool inSection = false;
    for (const QByteArrayView line : splitLines(text)) {
        if (isSectionLine(line)) {
            inSection = sectionName(line) == section;
            continue;
        }
        QByteArrayView value;
        if (inSection && lineKey(line, &value) == key)
            found = unescapeValue(value);
    }
    return found;
}

QByteArray withValue(const QByteArray &text, const QString &section, const QString &key, const QString &value)
{
    const QByteArray entry = escapeKey(key) + '=' + escapeValue(value);
    const QList<QByteArrayView> lines = splitLines(text);
    QList<QByteArray> out;
    out.reserve(lines.size() + 3);
    bool inSection = false;
    bool written = false;
    qsizetype sectionEnd = -1; // where a new key goes: after the section's last non-blank line
    for (const QByteArrayView line : lines) {
        if (isSectionLine(line)) {
            inSection = sectionName(line) == section;
            out << line.toByteArray();
            if (inSection)
                sectionEnd = out.size();
            continue;
        }
        if (inSection && lineKey(line) == key) {
            // The first line of the key takes the value; later duplicates would override it.
            if (!written)
                out << entry;
            written = true;
            sectionEnd = out.size();
            continue;
        }
        out << line.toByteArray();
        if (inSection && !trimmed(line).isEmpty())
            sectionEnd = out.size();
    }
    if (!written) {
        if (sectionEnd >= 0) {
            out.insert(sectionEnd, entry);
        } else {
            if (!out.isEmpty() && !out.last().trimmed().isEmpty())
                out << QByteArray();
            out << sectionHeader(section) << entry;
        }
    }
    QByteArray result;
    for (const QByteArray &line : out)
        result += line + '\n';
    return result;
}

} // namespace SettingsFile
