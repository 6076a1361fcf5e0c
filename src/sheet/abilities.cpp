#include "sheet/abilities.h"

#include "common/numbers.h"

namespace sheet {

using common::ParseNumber;
using common::Saturate16;
using common::ToInt16;

namespace {

constexpr int kHelm = 1;
constexpr int kShield = 2;

int attribute(const Character& c, slot::value slot) { return c.CharValue[slot]; }

std::int16_t fieldValue(const QString& text) { return ToInt16(ParseNumber(text)); }

// Half of a whole number, a half going to the even neighbour (7 -> 4, 3 -> 2, 1 -> 0).
long long halveToEven(long long a)
{
    const long long down = a >= 0 ? a / 2 : (a - 1) / 2;
    if (a % 2 == 0) return down;
    return down % 2 == 0 ? down : down + 1;
}

// The Intellect part of open locks grows faster the higher the Intellect.
long long intellectPart(int intellect)
{
    const long long over = intellect - 10LL;
    if (intellect <= 10) return 0;
    if (intellect <= 14) return over * 2;
    if (intellect <= 17) return over * 3;
    return over * 4;
}

// Perception and Nimbleness above 10 add twice their excess; each one at 10 or less halves the
// Intellect part instead.
long long openLocks(const Character& c)
{
    long long a = intellectPart(attribute(c, slot::value::Intellect));
    long long p = 0;
    long long n = 0;
    if (attribute(c, slot::value::Perception) > 10) p = (attribute(c, slot::value::Perception) - 10LL) * 2;
    else a = halveToEven(a);
    if (attribute(c, slot::value::Nimbleness) > 10) n = (attribute(c, slot::value::Nimbleness) - 10LL) * 2;
    else a = halveToEven(a);
    const long long total = a + p + n;
    return total < 1 ? 1 : total;
}

// 6, plus the excess over 10 of Perception and of Nimbleness when each is above the threshold.
std::int16_t initiative(const Character& c, int threshold)
{
    long long value = 6;
    if (attribute(c, slot::value::Perception) > threshold) value += attribute(c, slot::value::Perception) - 10;
    if (attribute(c, slot::value::Nimbleness) > threshold) value += attribute(c, slot::value::Nimbleness) - 10;
    return Saturate16(value);
}

void setPrayer(Character& c)
{
    const int wisdom = attribute(c, slot::value::Wisdom);
    c.CharValue[slot::value::Prayer] = Saturate16(wisdom > 11 ? wisdom - 10 : 1);
    c.CharText[slot::text::Prayer] = QStringLiteral("prayer");
}

void setInitiative(Character& c, int threshold)
{
    c.CharValue[slot::value::Initiative] = initiative(c, threshold);
    c.CharText[slot::text::Initiative] = QStringLiteral("initiative");
}

void setSystemShock(Character& c)
{
    c.CharValue[slot::value::SystemShock] = Saturate16(2LL * attribute(c, slot::value::Power) + 60);
    c.CharText[slot::text::SystemShock] = QStringLiteral("system shock");
}

// A new helm or shield replaces the earlier one; the defense row shows the sum of both with
// Nimbleness, its value read back from that caption.
void useDefense(Character& c, DefenseInUse& defense, int entry, const ItemInHand& item)
{
    defense.DefenseBonus[entry] = fieldValue(item.value);
    defense.DefenseBonusName[entry] = item.name;
    c.CharValue[slot::value::Defense] = fieldValue(defenseValueCaption(defense, attribute(c, slot::value::Nimbleness)));
    c.CharText[slot::text::Defense] = defenseNameCaption(defense);
}

} // namespace

void populate(Character& c, const QString& intellectCaption)
{
    setPrayer(c);

    if (ParseNumber(intellectCaption) > 10) {
        c.CharText[slot::text::OpenLocks] = QStringLiteral("open locks");
        c.CharValue[slot::value::OpenLocks] = Saturate16(openLocks(c));
    } else {
        c.CharText[slot::text::OpenLocks] = QStringLiteral("climbing");
        c.CharValue[slot::value::OpenLocks] =
            Saturate16(3LL * attribute(c, slot::value::Nimbleness) + attribute(c, slot::value::Strength)
                       + attribute(c, slot::value::Heart));
    }

    setInitiative(c, 10);

    // Armour 1 takes damage in full.
    c.CharText[slot::text::Armour] = QStringLiteral("no armour");
    c.CharValue[slot::value::Armour] = 1;

    c.CharText[slot::text::Defense] = QStringLiteral("defense");
    c.CharValue[slot::value::Defense] = c.CharValue[slot::value::Nimbleness];

    const int strength = attribute(c, slot::value::Strength);
    c.CharText[slot::text::Weapon] = QStringLiteral("weapon: hand");
    c.CharValue[slot::value::Weapon] = Saturate16(strength > 11 ? strength - 10 : 1);

    setSystemShock(c);
}

ItemUse useItem(Character& c, const ItemInHand& item, DefenseInUse& defense)
{
    setPrayer(c);
    setInitiative(c, 13);

    ItemUse use = ItemUse::None;
    if (item.kind == QLatin1String("a")) {
        c.CharValue[slot::value::Armour] = fieldValue(item.value);
        c.CharText[slot::text::Armour] = item.name;
        use = ItemUse::Armour;
    } else if (item.kind == QLatin1String("h")) {
        useDefense(c, defense, kHelm, item);
        use = ItemUse::Helm;
    } else if (item.kind == QLatin1String("d")) {
        useDefense(c, defense, kShield, item);
        use = ItemUse::Shield;
    } else if (item.kind == QLatin1String("w")) {
        long long value = fieldValue(item.value);
        const int strength = attribute(c, slot::value::Strength);
        if (strength > 13) value += strength - 10;
        c.CharValue[slot::value::Weapon] = Saturate16(value);
        c.CharText[slot::text::Weapon] = item.name;
        use = ItemUse::Weapon;
    }

    setSystemShock(c);
    return use;
}

QString defenseValueCaption(const DefenseInUse& defense, int nimbleness)
{
    return common::FormatInteger(static_cast<long long>(defense.DefenseBonus[kShield]) + defense.DefenseBonus[kHelm]
                                 + nimbleness);
}

QString defenseNameCaption(const DefenseInUse& defense)
{
    return defense.DefenseBonusName[kHelm] + QChar(u'\r') + defense.DefenseBonusName[kShield];
}

void takeIntoRowTwo(Character& c, const std::optional<QString>& name, std::optional<std::int16_t> value)
{
    if (name) c.CharText[slot::text::OpenLocks] = *name;
    if (value) c.CharValue[slot::value::OpenLocks] = *value;
}

} // namespace sheet
