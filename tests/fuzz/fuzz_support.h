// What the fuzz targets of the rules library share: the input as bytes, a property check that stops
// the run with the failing input kept, and the texts the rules promise to produce.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// The input as a byte array over libFuzzer's own buffer, which holds exactly the input and no
// terminating NUL, so a reader that runs past the end of the file is caught by AddressSanitizer.
inline QByteArray inputBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

[[noreturn]] inline void fail(const char* property, const char* file, int line, const QString& detail)
{
    std::fprintf(stderr, "\n%s:%d: property does not hold: %s\n%s\n", file, line, property, qUtf8Printable(detail));
    std::abort(); // libFuzzer reports the abort as a crash and keeps the input
}

// Shows a text with its unprintable characters as \uXXXX, so that a failure message tells blanks,
// line ends and code page characters apart.
inline QString shown(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) out += c;
        else out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out + u'"';
}

// A text as the program's files store it: a double quote cannot stand inside a quoted field and is
// written as a single quote.
inline QString storedText(QString text)
{
    text.replace(u'"', u'\'');
    return text;
}

// True for the texts FormatNumber promises: an optional "-", a whole part without leading zeros, an
// optional "." with digits that do not end in 0, no exponent, at most 15 significant digits, and no
// "-0".
inline bool isPlainDecimal(const QString& text)
{
    qsizetype pos = 0;
    if (text.startsWith(u'-')) ++pos;
    const qsizetype wholeStart = pos;
    while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') ++pos;
    const qsizetype wholeDigits = pos - wholeStart;
    if (wholeDigits == 0) return false;
    if (wholeDigits > 1 && text[wholeStart] == u'0') return false;
    if (pos < text.size()) {
        if (text[pos] != u'.') return false;
        ++pos;
        const qsizetype fractionStart = pos;
        while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') ++pos;
        if (pos == fractionStart || pos != text.size() || text[pos - 1] == u'0') return false;
    }
    if (text == u"-0") return false;

    QString digits = text;
    digits.remove(u'-');
    digits.remove(u'.');
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == u'0') ++first;
    qsizetype last = digits.size();
    while (last > first && digits[last - 1] == u'0') --last;
    return last - first <= 15;
}

} // namespace fuzz

// Checks a property of the code under test; a failure prints the property and the detail, then
// aborts so that libFuzzer keeps the input as a finding.
#define FUZZ_CHECK(property, detail) \
    do { \
        if (!(property)) ::fuzz::fail(#property, __FILE__, __LINE__, (detail)); \
    } while (false)
