// Names on disk and the texts they become.
//
// Properties: any bytes read as a name lead back to exactly those bytes, and every byte-order mark in
// them is a character of the name; a text that holds no lone
// surrogate (anything typed) is its own name, and its bytes read back as the same text; the name
// shown is one line, as long as the name, and differs from it only where the name holds a kept byte
// or a control character.
#include "fuzz_support.h"

#include "common/native_names.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::inputBytes(data, size);
    const QString name = common::nameFromNative(bytes);
    FUZZ_CHECK(common::nativePath(name) == bytes, fuzz::shown(name));

    const QString shown = common::displayName(name);
    FUZZ_CHECK(shown.size() == name.size(), fuzz::shown(shown));
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const bool kept = c >= 0xDC80 && c <= 0xDCFF && (i == 0 || !name[i - 1].isHighSurrogate());
        FUZZ_CHECK(shown[i] == name[i] || kept || c < 0x20 || c == 0x7F, fuzz::shown(shown));
        FUZZ_CHECK(shown[i].unicode() >= 0x20 && shown[i].unicode() != 0x7F, fuzz::shown(shown));
    }

    // A byte-order mark is a character of a name like any other, wherever it stands.
    FUZZ_CHECK(name.count(QChar(0xFEFF)) == bytes.count("\xef\xbb\xbf"), fuzz::shown(name));

    // The input as UTF-16, as text typed into the program: with no lone surrogate it is its own name.
    QString typed(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    for (qsizetype i = 0; i < typed.size(); ++i) {
        typed[i] = QChar(static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8));
    }
    if (QString::fromUtf8(typed.toUtf8()) == typed) {
        FUZZ_CHECK(common::nativePath(typed) == typed.toUtf8(), fuzz::shown(typed));
        FUZZ_CHECK(common::nameFromNative(typed.toUtf8()) == typed, fuzz::shown(typed));
    }
    return 0;
}
