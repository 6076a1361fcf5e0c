#include "common/file_text.h"

#include "common/codepage.h"
#include "common/native_names.h"

namespace common {
namespace {

constexpr QByteArrayView kMark("\xEF\xBB\xBF");

bool readsAsUtf8(QByteArrayView bytes) { return bytes.startsWith(kMark) || isMultiByteUtf8(bytes); }

} // namespace

FileTextLayout fileTextLayout(QByteArrayView bytes)
{
    if (bytes.startsWith(kMark)) return {TextEncoding::Utf8, kMark.size()};
    if (isMultiByteUtf8(bytes)) return {TextEncoding::Utf8, 0};
    return {TextEncoding::CodePage, 0};
}

QString decodeText(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8) return nameFromNative(bytes);
    return decodeCodePage(bytes);
}

QString decodeFileText(QByteArrayView bytes)
{
    const FileTextLayout layout = fileTextLayout(bytes);
    return decodeText(bytes.sliced(layout.start), layout.encoding);
}

QByteArray encodeFileText(const QString& text)
{
    if (const auto bytes = encodeCodePage(text); bytes && !readsAsUtf8(*bytes)) return *bytes;
    return kMark.toByteArray() + nativePath(text);
}

} // namespace common
