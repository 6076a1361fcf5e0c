#include "common/codepage.h"

#include <array>

namespace common {
namespace {

// Bytes 0x80..0x9F; everything else is the same as Latin-1. Unassigned bytes map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte of a character, or -1 when the code page has none.
int encodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) return int(0x80 + i);
    }
    return -1;
}

} // namespace

QString decodeCodePage(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = (u >= 0x80 && u <= 0x9F) ? QChar(kHighControls[u - 0x80]) : QLatin1Char(static_cast<char>(u));
    }
    return text;
}

std::optional<QByteArray> encodeCodePage(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const int b = encodeOne(c.unicode());
        if (b < 0) return std::nullopt;
        *out++ = static_cast<char>(b);
    }
    return bytes;
}

} // namespace common
