// The character file reader.
//
// Properties: reading fills the 35 file slots in file order and stops at the end of the text or at
// the first value field it refuses, leaving that slot and all later ones as they were; what it reads
// does not depend on what the character held before; it never touches the slots that live only in
// memory; and a character read from a file, saved and read again, is the same character (a double
// quote in a text comes back as a single quote) and saves to the same bytes.
#include "fuzz_support.h"

#include "charfile/character_file.h"
#include "common/codepage.h"
#include "common/fields.h"

#include <array>

namespace {

using sheet::Character;

struct Slot {
    bool text;
    int index;
};

// The 35 slots in the order the file holds them: five records of seven.
std::array<Slot, 35> fileOrder()
{
    std::array<Slot, 35> order{};
    const std::array<Slot, 5> records = {{{true, 1}, {false, 1}, {true, 8}, {false, 8}, {true, 15}}};
    std::size_t n = 0;
    for (const Slot& r : records) {
        for (int i = 0; i < 7; ++i) order[n++] = Slot{r.text, r.index + i};
    }
    return order;
}

bool inFile(bool text, int index) { return text ? (index >= 1 && index <= 21) : (index >= 1 && index <= 14); }

// A character whose every slot holds a value of its own. The texts hold a character that the code
// page cannot encode, so that no file can read one of them into a slot.
Character marked(char16_t mark, int base)
{
    Character c;
    for (int i = 0; i < sheet::kSlotCount; ++i) {
        c.CharText.numbered(i) = QChar(mark) + QStringLiteral(" old %1").arg(i);
        c.CharValue.numbered(i) = static_cast<std::int16_t>(base + i);
    }
    return c;
}

QString describe(const Character& c)
{
    QString out;
    for (int i = 1; i <= 21; ++i) out += fuzz::shown(c.CharText.numbered(i)) + u' ';
    for (int i = 1; i <= 14; ++i) out += QString::number(c.CharValue.numbered(i)) + u' ';
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::inputBytes(data, size);
    // The file read over two different characters: a slot that holds its old value in both kept it.
    const Character oldA = marked(u'\u4e00', 1000);
    const Character oldB = marked(u'\u4e01', 2000);
    Character a = oldA;
    Character b = oldB;
    const bool accepted = charfile::readCharacterFile(bytes, a);
    FUZZ_CHECK(charfile::readCharacterFile(bytes, b) == accepted, describe(a));

    // The slots outside the file are never written.
    for (std::size_t i = 0; i < static_cast<std::size_t>(sheet::kSlotCount); ++i) {
        const int slot = static_cast<int>(i);
        if (!inFile(true, slot))
            FUZZ_CHECK(a.CharText.numbered(i) == oldA.CharText.numbered(i), QStringLiteral("CharText %1").arg(slot));
        if (!inFile(false, slot))
            FUZZ_CHECK(a.CharValue.numbered(i) == oldA.CharValue.numbered(i), QStringLiteral("CharValue %1").arg(slot));
    }

    // The slots read are the first ones in file order, and what they read does not depend on what
    // the character held before.
    const std::array<Slot, 35> order = fileOrder();
    std::size_t read = 0;
    for (const Slot& s : order) {
        const auto i = static_cast<std::size_t>(s.index);
        const bool kept = s.text ? a.CharText.numbered(i) == oldA.CharText.numbered(i)
                                       && b.CharText.numbered(i) == oldB.CharText.numbered(i)
                                 : a.CharValue.numbered(i) == oldA.CharValue.numbered(i)
                                       && b.CharValue.numbered(i) == oldB.CharValue.numbered(i);
        if (kept) continue;
        FUZZ_CHECK(read == static_cast<std::size_t>(&s - order.data()),
                   QStringLiteral("slot %1 written after an earlier one was left: %2").arg(s.index).arg(describe(a)));
        FUZZ_CHECK(s.text ? a.CharText.numbered(i) == b.CharText.numbered(i)
                          : a.CharValue.numbered(i) == b.CharValue.numbered(i),
                   QStringLiteral("slot %1 depends on the old character: %2").arg(s.index).arg(describe(a)));
        ++read;
    }
    FUZZ_CHECK(accepted == (read == order.size()), describe(a));

    if (!accepted) {
        // Reading stopped at the end of the text or at a value field that is not a number it takes.
        common::FieldReader fields(bytes);
        for (std::size_t i = 0; i < read; ++i) FUZZ_CHECK(fields.next().has_value(), describe(a));
        if (const std::optional<QString> stop = fields.next()) {
            FUZZ_CHECK(!order[read].text && !charfile::integerField(*stop),
                       QStringLiteral("stopped at slot %1, field %2: %3")
                           .arg(order[read].index)
                           .arg(fuzz::shown(*stop), describe(a)));
        }
        return 0;
    }
    // Saved and read again: the same character, and the same bytes when saved once more.
    const QByteArray saved = charfile::characterFileBytes(a);
    Character reread;
    FUZZ_CHECK(charfile::readCharacterFile(saved, reread), fuzz::shown(QString::fromLatin1(saved)));
    for (const Slot& s : fileOrder()) {
        const auto i = static_cast<std::size_t>(s.index);
        if (s.text) {
            FUZZ_CHECK(reread.CharText.numbered(i) == fuzz::storedText(a.CharText.numbered(i)),
                       QStringLiteral("CharText %1: %2 read back as %3")
                           .arg(s.index)
                           .arg(fuzz::shown(a.CharText.numbered(i)), fuzz::shown(reread.CharText.numbered(i))));
        } else {
            FUZZ_CHECK(reread.CharValue.numbered(i) == a.CharValue.numbered(i),
                       QStringLiteral("CharValue %1: %2 read back as %3")
                           .arg(s.index)
                           .arg(a.CharValue.numbered(i))
                           .arg(reread.CharValue.numbered(i)));
        }
    }
    FUZZ_CHECK(charfile::characterFileBytes(reread) == saved, describe(reread));
    return 0;
}
