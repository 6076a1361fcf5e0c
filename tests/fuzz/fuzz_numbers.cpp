// The number conventions: ParseNumber, FormatNumber, ToInt16 and Saturate16.
//
// Properties:
// - ParseNumber reads only its own text: it is handed a view over an array of exactly the text's
//   length, so a read past the end is caught by AddressSanitizer; and it never gives infinity or NaN.
// - FormatNumber writes a plain decimal of at most 15 significant digits, and that text parses to a
//   number that formats to the same text: FormatNumber(ParseNumber(FormatNumber(x))) ==
//   FormatNumber(x) for every double x. (A double needs up to 17 digits, so ParseNumber(
//   FormatNumber(x)) == x does not hold in general; 15 digits always survive a trip through a double.)
// - A number written with at most 15 significant digits, in any of the ways ParseNumber reads
//   (sign, leading and trailing zeros, any point position with a compensating exponent, blanks
//   anywhere, text after it), reads exactly as strtod reads its plain form and formats as that form.
// - ToInt16 and Saturate16 give the nearest or the saturated value for every input, NaN included.
#include "fuzz_support.h"

#include "common/codepage.h"
#include "common/numbers.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

void checkFormatted(double x)
{
    const QString formatted = common::FormatNumber(x);
    const auto what = [&] { return QString::number(x, 'g', 17) + QStringLiteral(" -> ") + formatted; };
    FUZZ_CHECK(fuzz::isPlainDecimal(formatted), what());
    const double back = common::ParseNumber(formatted);
    FUZZ_CHECK(common::FormatNumber(back) == formatted,
               what() + QStringLiteral(" -> ") + QString::number(back, 'g', 17));
}

// ParseNumber over a text in memory of its own, not a byte longer.
double parseExact(const QString& text)
{
    const auto length = static_cast<std::size_t>(text.size());
    const std::unique_ptr<QChar[]> chars(new QChar[length]);
    std::copy(text.cbegin(), text.cend(), chars.get());
    return common::ParseNumber(QStringView(chars.get(), text.size()));
}

void checkToInt16(double x)
{
    const std::int16_t r = common::ToInt16(x);
    const auto what = [&] { return QString::number(x, 'g', 17) + QStringLiteral(" -> ") + QString::number(r); };
    if (std::isnan(x)) {
        FUZZ_CHECK(r == 0, what());
    } else if (x >= 32767.0) {
        FUZZ_CHECK(r == 32767, what());
    } else if (x <= -32768.0) {
        FUZZ_CHECK(r == -32768, what());
    } else {
        const double distance = std::fabs(static_cast<double>(r) - x);
        FUZZ_CHECK(distance <= 0.5, what());
        if (distance == 0.5) FUZZ_CHECK(r % 2 == 0, what());
    }
}

// A decimal of at most 15 significant digits, written in one of the many ways ParseNumber reads, with
// the text FormatNumber gives for it.
struct WrittenNumber {
    std::string text;
    std::string plain;
};

WrittenNumber writeNumber(FuzzedDataProvider& in)
{
    static constexpr const char* kSigns[] = {"", "+", "-"};
    const std::string sign = kSigns[in.ConsumeIntegralInRange(0, 2)];

    // The significant digits, from the first to the last that is not 0; none for zero.
    const int count = in.ConsumeIntegralInRange(0, 15);
    std::string digits;
    for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + in.ConsumeIntegralInRange(0, 9));
    if (!digits.empty()) {
        if (digits.front() == '0') digits.front() = '1';
        if (digits.back() == '0') digits.back() = '1';
    }
    // The value is 0.<digits> times 10 to the power `point`, well inside the range of normal doubles.
    const int point = in.ConsumeIntegralInRange(-290, 300);

    WrittenNumber out;
    const auto size = static_cast<int>(digits.size());
    if (digits.empty()) {
        out.plain = "0";
    } else if (point <= 0) {
        out.plain = "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= size) {
        out.plain = digits + std::string(static_cast<std::size_t>(point - size), '0');
    } else {
        out.plain =
            digits.substr(0, static_cast<std::size_t>(point)) + "." + digits.substr(static_cast<std::size_t>(point));
    }
    if (sign == "-" && out.plain != "0") out.plain.insert(0, "-");

    // Written with leading and trailing zeros and the point anywhere; the exponent makes up for it.
    const int leading = in.ConsumeIntegralInRange(0, 20);
    const int trailing = in.ConsumeIntegralInRange(0, 20);
    const std::string mantissa = std::string(static_cast<std::size_t>(leading), '0') + digits
                                 + std::string(static_cast<std::size_t>(trailing), '0');
    const int at = in.ConsumeIntegralInRange(0, static_cast<int>(mantissa.size()));
    const bool writePoint = at < static_cast<int>(mantissa.size()) || in.ConsumeBool();
    const int exponent = digits.empty() ? in.ConsumeIntegralInRange(-5, 5) : point + leading - at;
    std::string text = sign + mantissa.substr(0, static_cast<std::size_t>(at)) + (writePoint ? "." : "")
                       + mantissa.substr(static_cast<std::size_t>(at));
    if (mantissa.empty()) text = sign + "0"; // a lone point is no number
    if (exponent != 0 || in.ConsumeBool()) {
        static constexpr char kLetters[] = {'E', 'e', 'D', 'd'};
        text += kLetters[in.ConsumeIntegralInRange(0, 3)];
        if (exponent < 0) text += '-';
        else if (in.ConsumeBool()) text += '+';
        text += std::string(static_cast<std::size_t>(in.ConsumeIntegralInRange(0, 3)), '0');
        text += std::to_string(std::abs(exponent));
    }

    // Blanks, tabs and line feeds anywhere are invisible to ParseNumber.
    const int blanks = in.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < blanks; ++i) {
        static constexpr char kBlanks[] = {' ', '\t', '\n'};
        const auto where = in.ConsumeIntegralInRange<std::size_t>(0, text.size());
        text.insert(where, 1, kBlanks[in.ConsumeIntegralInRange(0, 2)]);
    }
    // Text that follows a number and is not part of it.
    static constexpr const char* kAfter[] = {"", " hp", "%", "x", "\r1", ",5", "-2", "+", "/3"};
    text += kAfter[in.ConsumeIntegralInRange(0, 8)];
    out.text = text;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input as a text, the way the program reads its files.
    const QString text = common::decodeCodePage(fuzz::inputBytes(data, size));
    const double parsed = parseExact(text);
    FUZZ_CHECK(std::isfinite(parsed), fuzz::shown(text));
    checkFormatted(parsed);
    checkToInt16(parsed);

    // The first eight bytes as a double and as an integer: every value, NaN and infinities included.
    if (size >= 8) {
        double raw = 0.0;
        std::memcpy(&raw, data, sizeof raw);
        checkFormatted(raw);
        checkToInt16(raw);
        long long wide = 0;
        std::memcpy(&wide, data, sizeof wide);
        const std::int16_t saturated = common::Saturate16(wide);
        const long long expected = wide > 32767 ? 32767 : wide < -32768 ? -32768 : wide;
        FUZZ_CHECK(saturated == expected, QString::number(wide) + QStringLiteral(" -> ") + QString::number(saturated));
    }

    // The input as the recipe for a written number.
    FuzzedDataProvider in(data, size);
    const WrittenNumber written = writeNumber(in);
    const QString writtenText = QString::fromLatin1(written.text);
    const double value = parseExact(writtenText);
    const double exact = std::strtod(written.plain.c_str(), nullptr);
    const auto what = [&] {
        return fuzz::shown(writtenText) + QStringLiteral(" as ") + QString::fromLatin1(written.plain)
               + QStringLiteral(": ") + QString::number(value, 'g', 17) + QStringLiteral(" / ")
               + QString::number(exact, 'g', 17);
    };
    FUZZ_CHECK(value == exact, what());
    FUZZ_CHECK(common::FormatNumber(value) == QString::fromLatin1(written.plain),
               what() + QStringLiteral(" -> ") + common::FormatNumber(value));
    return 0;
}
