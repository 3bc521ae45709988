#include "base/nativepath.h"

#include <QDir>

#include <array>
#include <cerrno>

#include <unistd.h>

namespace {
constexpr char16_t kEscapeBase = 0xDC00; // byte b (0x80-0xFF) stands as U+DC00 + b

bool IsEscape(char16_t u) {
    return u >= 0xDC80 && u <= 0xDCFF;
}

// The length of the valid UTF-8 sequence starting at @p p, or 0 when the bytes there are
// not one (overlong forms, surrogates and code points above U+10FFFF are not valid).
int SequenceLength(const unsigned char *p, const unsigned char *end) {
    const unsigned char b = p[0];
    if (b < 0x80)
        return 1;
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0)
            low = 0xA0;
        else if (b == 0xED)
            high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0)
            low = 0x90;
        else if (b == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (end - p < length || p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i < length; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    return length;
}

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; its five unassigned codes keep
// their Latin-1 (C1 control) values, as Windows itself decodes them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};
} // namespace

QString PathFromNative(QByteArrayView bytes) {
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    // Most names are ASCII or valid UTF-8 throughout: one check, then Qt decodes.
    const unsigned char *q = p;
    while (q < end) {
        const int n = SequenceLength(q, end);
        if (n == 0)
            break;
        q += n;
    }
    if (q == end)
        return QString::fromUtf8(bytes);
    QString out = QString::fromUtf8(reinterpret_cast<const char *>(p), q - p);
    while (q < end) {
        const int n = SequenceLength(q, end);
        if (n == 0) {
            out += QChar(char16_t(kEscapeBase + *q));
            ++q;
        } else {
            out += QString::fromUtf8(reinterpret_cast<const char *>(q), n);
            q += n;
        }
    }
    return out;
}

bool HasForeignBytes(QStringView path) {
    for (const QChar c : path)
        if (IsEscape(c.unicode()))
            return true;
    return false;
}

QByteArray NativePath(QStringView path) {
    if (!HasForeignBytes(path))
        return path.toUtf8();
    QByteArray out;
    out.reserve(path.size() * 3);
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t u = path[i].unicode();
        // A low surrogate after a high one is half of a character beyond U+FFFF.
        if (!IsEscape(u) || (i > 0 && path[i - 1].isHighSurrogate()))
            continue;
        out += path.mid(start, i - start).toUtf8();
        out += char(u - kEscapeBase);
        start = i + 1;
    }
    out += path.mid(start).toUtf8();
    return out;
}

QString DecodeWindows1252(const char *data, qsizetype size) {
    static const auto table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = (b >= 0x80 && b <= 0x9F) ? kCp1252High[b - 0x80] : char16_t(b);
        return t;
    }();
    QString out(size, Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < size; ++i)
        dst[i] = table[static_cast<unsigned char>(data[i])];
    return out;
}

QString ReadableName(const QString &path) {
    if (!HasForeignBytes(path))
        return path;
    QString out;
    qsizetype start = 0;
    while (start <= path.size()) {
        qsizetype end = path.indexOf(QLatin1Char('/'), start);
        if (end < 0)
            end = path.size();
        const QStringView part = QStringView(path).mid(start, end - start);
        if (HasForeignBytes(part)) {
            const QByteArray bytes = NativePath(part);
            out += DecodeWindows1252(bytes.constData(), bytes.size());
        } else {
            out += part;
        }
        if (end < path.size())
            out += QLatin1Char('/');
        start = end + 1;
    }
    return out;
}

QString CurrentFolder() {
    QByteArray buffer(4096, Qt::Uninitialized);
    while (::getcwd(buffer.data(), static_cast<size_t>(buffer.size())) == nullptr) {
        if (errno != ERANGE)
            return QDir::currentPath();
        buffer.resize(buffer.size() * 2);
    }
    return PathFromNative(QByteArrayView(buffer.constData()));
}

QString AbsolutePath(const QString &path) {
    if (path.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(path);
    return QDir::cleanPath(CurrentFolder() + QLatin1Char('/') + path);
}

QUrl FileUrl(const QString &path) {
    return QUrl::fromEncoded("file://" + NativePath(AbsolutePath(path)).toPercentEncoding("/"),
                             QUrl::StrictMode);
}
