#include "charfile/unsaved_sheet.h"

#include "charfile/character_file.h"
#include "common/fields.h"
#include "common/file_text.h"
#include "common/numbers.h"

namespace charfile {

namespace {

const QString kWhat = QStringLiteral("Charac unsaved sheet");
const QString kEnd = QStringLiteral("end");
constexpr int kVersion = 1;
constexpr int kDefenseEntries = 3;

// The fields in their order; the first that is missing or no integer where one belongs spoils the
// whole reading.
class Fields {
public:
    explicit Fields(const QByteArray& bytes) : reader_(bytes) {}
    QString text()
    {
        std::optional<QString> field = reader_.next();
        if (!field) ok_ = false;
        return field.value_or(QString());
    }
    std::int16_t integer()
    {
        const std::optional<std::int16_t> value = integerField(text());
        if (!value) ok_ = false;
        return value.value_or(0);
    }
    bool expect(const QString& text) { return this->text() == text && ok_; }

private:
    common::FieldReader reader_;
    bool ok_ = true;
};

QString integer(int value) { return common::FormatInteger(value); }

} // namespace

QByteArray unsavedSheetBytes(const UnsavedSheet& unsaved)
{
    using common::quotedField;
    const sheet::SheetSnapshot& shown = unsaved.sheet;
    QStringList texts, values, bonuses, bonusNames, captions;
    for (int slot = 0; slot < sheet::kSlotCount; ++slot) {
        texts << quotedField(shown.character.CharText.numbered(slot));
        values << integer(shown.character.CharValue.numbered(slot));
    }
    for (int entry = 0; entry < kDefenseEntries; ++entry) {
        bonuses << integer(shown.defense.DefenseBonus[entry]);
        bonusNames << quotedField(shown.defense.DefenseBonusName[entry]);
    }
    for (const QString& caption : shown.captions) captions << quotedField(caption);
    const QString kept = unsaved.kept.toUTC().toString(Qt::ISODate);
    QString text = common::record({quotedField(kWhat), integer(kVersion), integer(int(shown.captions.size()))});
    text += common::record({quotedField(unsaved.folder), quotedField(kept)});
    for (const QStringList* fields : {&texts, &values, &bonuses, &bonusNames, &captions})
        text += common::record(*fields);
    text += common::record({quotedField(kEnd)});
    return common::encodeFileText(text);
}

std::optional<UnsavedSheet> readUnsavedSheet(const QByteArray& bytes, int captionCount)
{
    Fields fields(bytes);
    if (!fields.expect(kWhat) || !fields.expect(integer(kVersion)) || !fields.expect(integer(captionCount))) {
        return std::nullopt;
    }
    UnsavedSheet unsaved;
    unsaved.folder = fields.text();
    unsaved.kept = QDateTime::fromString(fields.text(), Qt::ISODate);
    sheet::SheetSnapshot& shown = unsaved.sheet;
    for (int slot = 0; slot < sheet::kSlotCount; ++slot) shown.character.CharText.numbered(slot) = fields.text();
    for (int slot = 0; slot < sheet::kSlotCount; ++slot) shown.character.CharValue.numbered(slot) = fields.integer();
    for (int entry = 0; entry < kDefenseEntries; ++entry) shown.defense.DefenseBonus[entry] = fields.integer();
    for (int entry = 0; entry < kDefenseEntries; ++entry) shown.defense.DefenseBonusName[entry] = fields.text();
    for (int label = 0; label < captionCount; ++label) shown.captions << fields.text();
    if (!fields.expect(kEnd) || !unsaved.kept.isValid()) return std::nullopt;
    return unsaved;
}

} // namespace charfile
