#include "common/numbers.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

namespace common {
namespace {

bool isSkipped(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Walks a text the way ParseNumber reads it: skipped characters are invisible.
class Cursor {
public:
    explicit Cursor(QStringView text) : text_(text) { skip(); }
    bool atEnd() const { return pos_ >= text_.size(); }
    QChar peek() const { return atEnd() ? QChar() : text_[pos_]; }
    void advance()
    {
        ++pos_;
        skip();
    }
    qsizetype position() const { return pos_; }
    void rewind(qsizetype pos) { pos_ = pos; }

private:
    void skip()
    {
        while (pos_ < text_.size() && isSkipped(text_[pos_])) ++pos_;
    }
    QStringView text_;
    qsizetype pos_ = 0;
};

// The sign, digits and point at the start of a number, as ParseNumber reads them.
struct Mantissa {
    std::string text; // the accepted characters, in the C locale's syntax for strtod
    bool anyDigit = false;
    std::uint64_t value = 0; // the digits as one whole number, while there are at most 15
    int digits = 0;
    int fractionDigits = 0;
};

Mantissa readMantissa(Cursor& in)
{
    Mantissa m;
    if (in.peek() == u'+' || in.peek() == u'-') {
        m.text += char(in.peek().unicode());
        in.advance();
    }
    bool point = false;
    while (!in.atEnd()) {
        const QChar c = in.peek();
        if (isDigit(c)) {
            m.anyDigit = true;
            if (++m.digits <= 15) m.value = m.value * 10 + (c.unicode() - u'0');
            if (point) ++m.fractionDigits;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        m.text += char(c.unicode());
        in.advance();
    }
    return m;
}

// An exponent (E or D, an optional sign, digits) after the mantissa, as "e..."; nothing, with the
// cursor where it was, when the letter has no digits after it: "12e" is the number 12 and then text.
std::string readExponent(Cursor& in)
{
    const QChar e = in.peek();
    if (e != u'E' && e != u'e' && e != u'D' && e != u'd') return {};
    const qsizetype beforeExponent = in.position();
    std::string exponent = "e";
    in.advance();
    if (in.peek() == u'+' || in.peek() == u'-') {
        exponent += char(in.peek().unicode());
        in.advance();
    }
    bool exponentDigit = false;
    while (isDigit(in.peek())) {
        exponentDigit = true;
        exponent += char(in.peek().unicode());
        in.advance();
    }
    if (exponentDigit) return exponent;
    in.rewind(beforeExponent);
    return {};
}

} // namespace

double ParseNumber(QStringView text)
{
    Cursor in(text);
    const Mantissa m = readMantissa(in);
    if (!m.anyDigit) return 0.0;
    const std::string exponent = readExponent(in);

    // The common case, a plain number of at most 15 digits: both the digits and the power of ten are
    // exact doubles, so one division rounds exactly as strtod would, at a fraction of its cost (a
    // catalogue reads a hundred thousand of them).
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                              1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (m.digits <= 15 && exponent.empty()) {
        const double magnitude = double(m.value) / kPowersOfTen[m.fractionDigits];
        return m.text[0] == '-' ? -magnitude : magnitude;
    }
    const double value = std::strtod((m.text + exponent).c_str(), nullptr);
    if (std::isinf(value)) return std::copysign(std::numeric_limits<double>::max(), value);
    return value;
}

std::int16_t ToInt16(double number)
{
    if (std::isnan(number)) return 0;
    if (number >= 32767.0) return 32767;
    if (number <= -32768.0) return -32768;
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<std::int16_t>(std::nearbyint(number));
}

std::int16_t Saturate16(long long value)
{
    if (value > 32767) return 32767;
    if (value < -32768) return -32768;
    return static_cast<std::int16_t>(value);
}

QString FormatInteger(long long value) { return QString::number(value); }

QString FormatNumber(double number)
{
    if (!std::isfinite(number) || number == 0.0) return QStringLiteral("0");

    // Fifteen significant digits, rounded once, then laid out without an exponent.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", number);
    const std::string text(buffer);
    const bool negative = text[0] == '-';
    const std::size_t start = negative ? 1 : 0;
    const std::size_t ePos = text.find('e');
    std::string digits = text.substr(start, 1) + text.substr(start + 2, ePos - start - 2);
    const int exponent = std::stoi(text.substr(ePos + 1));
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    if (digits == "0") return QStringLiteral("0");

    std::string out;
    if (exponent >= 0) {
        const std::size_t intDigits = std::size_t(exponent) + 1;
        if (digits.size() <= intDigits) {
            out = digits + std::string(intDigits - digits.size(), '0');
        } else {
            out = digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    } else {
        out = "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    }
    if (negative) out.insert(out.begin(), '-');
    return QString::fromLatin1(out);
}

} // namespace common
