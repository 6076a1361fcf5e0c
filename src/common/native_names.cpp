#include "common/native_names.h"

#include "common/codepage.h"

#include <QStringDecoder>

namespace common {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// An escaped byte is a lone low surrogate in that range. The second half of a character past U+FFFF
// (a surrogate pair) can fall in the same range, and is no escape.
bool isEscapedByte(QStringView text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF && (i == 0 || !text[i - 1].isHighSurrogate());
}

// The lead bytes of UTF-8 sequences: how long a sequence is, and the range its second byte must lie
// in. The narrower ranges after E0, ED, F0 and F4 keep out overlong forms, encoded surrogates and
// code points past U+10FFFF.
struct LeadBytes {
    unsigned char first, last;
    qsizetype length;
    unsigned char low, high;
};
constexpr LeadBytes kLeadBytes[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF}, {0xED, 0xED, 3, 0x80, 0x9F},
    {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF}, {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

// The length of the valid UTF-8 sequence at the start of bytes, or 0 when it is not one.
qsizetype validSequenceLength(const unsigned char* p, qsizetype left)
{
    for (const LeadBytes& lead : kLeadBytes) {
        if (p[0] < lead.first || p[0] > lead.last) continue;
        if (left < lead.length || p[1] < lead.low || p[1] > lead.high) return 0;
        for (qsizetype i = 2; i < lead.length; ++i) {
            if ((p[i] & 0xC0) != 0x80) return 0;
        }
        return lead.length;
    }
    return 0;
}

// UTF-8 that keeps a byte-order mark at its start: it is part of a name (or of a file's text after
// its own mark), and dropping it would make two names one.
QString fromUtf8KeepingMark(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

} // namespace

bool isMultiByteUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    bool multiByte = false;
    for (qsizetype i = 0; i < size;) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        const qsizetype length = validSequenceLength(p + i, size - i);
        if (length == 0) return false;
        multiByte = true;
        i += length;
    }
    return multiByte;
}

QString nameFromNative(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    QString name;
    name.reserve(size);
    qsizetype start = 0; // the start of the run of valid bytes not yet decoded
    for (qsizetype i = 0; i < size;) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        if (const qsizetype length = validSequenceLength(p + i, size - i)) {
            i += length;
            continue;
        }
        name += fromUtf8KeepingMark(bytes.sliced(start, i - start));
        name += QChar(static_cast<char16_t>(kEscapeBase + p[i]));
        start = ++i;
    }
    if (start == 0) return fromUtf8KeepingMark(bytes);
    name += fromUtf8KeepingMark(bytes.sliced(start));
    return name;
}

QByteArray nativePath(const QString& path)
{
    qsizetype start = 0; // the start of the run of ordinary characters not yet encoded
    QByteArray bytes;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!isEscapedByte(path, i)) continue;
        bytes += QStringView(path).sliced(start, i - start).toUtf8();
        bytes += static_cast<char>(path[i].unicode() - kEscapeBase);
        start = i + 1;
    }
    if (start == 0) return path.toUtf8();
    bytes += QStringView(path).sliced(start).toUtf8();
    return bytes;
}

QString displayName(const QString& name)
{
    const auto special = [&name](qsizetype i) {
        const char16_t c = name[i].unicode();
        return c < 0x20 || c == 0x7F || isEscapedByte(name, i);
    };
    qsizetype first = 0;
    while (first < name.size() && !special(first)) ++first;
    if (first == name.size()) return name; // nearly every name: no copy
    QString shown = name;
    for (qsizetype i = first; i < name.size(); ++i) {
        if (isEscapedByte(name, i)) {
            shown[i] = decodeCodePage(QByteArray(1, static_cast<char>(name[i].unicode() - kEscapeBase))).front();
        } else if (name[i].unicode() < 0x20 || name[i].unicode() == 0x7F) {
            shown[i] = QChar::ReplacementCharacter; // a line break or other control is drawn as nothing
        }
    }
    return shown;
}

} // namespace common
