// The path files and the place text.
//
// Properties: a path read from a path file, written again, reads back as the same path (a double
// quote comes back as a single quote); so does any name of a folder on the disk, in any script or
// encoding, so that it leads back to the same bytes; and the place
// text is the tail of the path after its second separator from the end, or empty without two.
#include "fuzz_support.h"

#include "common/native_names.h"
#include "shell/paths.h"

#include <optional>

namespace {

void checkPlace(const QString& path, QChar separator)
{
    const QString place = shell::placeOf(path, separator);
    const auto what = [&] { return fuzz::shown(path) + QStringLiteral(" -> ") + fuzz::shown(place); };
    FUZZ_CHECK(place.isEmpty() == (path.count(separator) < 2), what());
    if (place.isEmpty()) return;
    FUZZ_CHECK(path.endsWith(place) && place.count(separator) == 1, what());
    FUZZ_CHECK(path[path.size() - place.size() - 1] == separator, what());
}

void checkWrittenAndRead(const QString& path)
{
    const QByteArray bytes = shell::pathFileBytes(path);
    const std::optional<QString> read = shell::readPathFile(bytes);
    const auto what = [&] {
        return fuzz::shown(path) + QStringLiteral(" -> ") + fuzz::shown(read.value_or(QStringLiteral("(nothing)")));
    };
    FUZZ_CHECK(read.has_value(), what());
    FUZZ_CHECK(*read == fuzz::storedText(path), what());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::inputBytes(data, size);

    // As a path file.
    if (const std::optional<QString> path = shell::readPathFile(bytes)) {
        checkWrittenAndRead(*path);
        checkPlace(*path, u'\\');
        checkPlace(*path, u'/');
    }

    // As a path the program holds, such as a folder found on the disk in any encoding.
    const QString held = common::nameFromNative(bytes);
    checkWrittenAndRead(held);
    checkPlace(held, u'/');
    return 0;
}
