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

// The length of the valid UTF-8 sequence at the start of bytes, or 0 when it is not one: overlong
// forms, encoded surrogates and code points past U+10FFFF are not valid.
qsizetype validSequenceLength(const unsigned char* p, qsizetype left)
{
    const unsigned char lead = p[0];
    qsizetype length = 0;
    unsigned char low = 0x80, high = 0xBF; // the allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead == 0xE0) { length = 3; low = 0xA0; }
    else if (lead == 0xED) { length = 3; high = 0x9F; }
    else if (lead >= 0xE1 && lead <= 0xEF) length = 3;
    else if (lead == 0xF0) { length = 4; low = 0x90; }
    else if (lead >= 0xF1 && lead <= 0xF3) length = 4;
    else if (lead == 0xF4) { length = 4; high = 0x8F; }
    else return 0;
    if (left < length || p[1] < low || p[1] > high) return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
    }
    return length;
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
        if (p[i] < 0x80) { ++i; continue; }
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
        if (p[i] < 0x80) { ++i; continue; }
        if (const qsizetype length = validSequenceLength(p + i, size - i)) { i += length; continue; }
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
