#include "sheet/abilities.h"

#include "common/numbers.h"

namespace sheet {

using common::ParseNumber;
using common::Saturate16;
using common::ToInt16;

namespace {

constexpr int kHelm = 1;
constexpr int kShield = 2;

int attribute(const Character& c, int slotNumber)
{
    return c.CharValue[slotNumber];
}

std::int16_t fieldValue(const QString& text)
{
    return ToInt16(ParseNumber(text));
}

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
    long long a = intellectPart(attribute(c, slot::Intellect));
    long long p = 0;
    long long n = 0;
    if (attribute(c, slot::Perception) > 10)
        p = (attribute(c, slot::Perception) - 10LL) * 2;
    else
        a = halveToEven(a);
    if (attribute(c, slot::Nimbleness) > 10)
        n = (attribute(c, slot::Nimbleness) - 10LL) * 2;
    else
        a = halveToEven(a);
    const long long total = a + p + n;
    return total < 1 ? 1 : total;
}

// 6, plus the excess over 10 of Perception and of Nimbleness when each is above the threshold.
std::int16_t initiative(const Character& c, int threshold)
{
    long long value = 6;
    if (attribute(c, slot::Perception) > threshold) value += attribute(c, slot::Perception) - 10;
    if (attribute(c, slot::Nimbleness) > threshold) value += attribute(c, slot::Nimbleness) - 10;
    return Saturate16(value);
}

void setPrayer(Character& c)
{
    const int wisdom = attribute(c, slot::Wisdom);
    c.CharValue[slot::Prayer] = Saturate16(wisdom > 11 ? wisdom - 10 : 1);
    c.CharText[slot::Prayer] = QStringLiteral("prayer");
}

void setInitiative(Character& c, int threshold)
{
    c.CharValue[slot::Initiative] = initiative(c, threshold);
    c.CharText[slot::Initiative] = QStringLiteral("initiative");
}

void setSystemShock(Character& c)
{
    c.CharValue[slot::SystemShock] = Saturate16(2LL * attribute(c, slot::Power) + 60);
    c.CharText[slot::SystemShock] = QStringLiteral("system shock");
}

// A new helm or shield replaces the earlier one; the defense row shows the sum of both with
// Nimbleness, its value read back from that caption.
void useDefense(Character& c, DefenseInUse& defense, int entry, const ItemInHand& item)
{
    defense.DefenseBonus[entry] = fieldValue(item.value);
    defense.DefenseBonusName[entry] = item.name;
    c.CharValue[slot::Defense] =
        fieldValue(defenseValueCaption(defense, attribute(c, slot::Nimbleness)));
    c.CharText[slot::Defense] = defenseNameCaption(defense);
}

} // namespace

void populate(Character& c, const QString& intellectCaption)
{
    setPrayer(c);

    if (ParseNumber(intellectCaption) > 10) {
        c.CharText[slot::OpenLocks] = QStringLiteral("open locks");
        c.CharValue[slot::OpenLocks] = Saturate16(openLocks(c));
    } else {
        c.CharText[slot::OpenLocks] = QStringLiteral("climbing");
        c.CharValue[slot::OpenLocks] =
            Saturate16(3LL * attribute(c, slot::Nimbleness) + attribute(c, slot::Strength) +
                       attribute(c, slot::Heart));
    }

    setInitiative(c, 10);

    // Armour 1 takes damage in full.
    c.CharText[slot::Armour] = QStringLiteral("no armour");
    c.CharValue[slot::Armour] = 1;

    c.CharText[slot::Defense] = QStringLiteral("defense");
    c.CharValue[slot::Defense] = c.CharValue[slot::Nimbleness];

    const int strength = attribute(c, slot::Strength);
    c.CharText[slot::Weapon] = QStringLiteral("weapon: hand");
    c.CharValue[slot::Weapon] = Saturate16(strength > 11 ? strength - 10 : 1);

    setSystemShock(c);
}

ItemUse useItem(Character& c, const ItemInHand& item, DefenseInUse& defense)
{
    setPrayer(c);
    setInitiative(c, 13);

    ItemUse use = ItemUse::None;
    if (item.kind == QLatin1String("a")) {
        c.CharValue[slot::Armour] = fieldValue(item.value);
        c.CharText[slot::Armour] = item.name;
        use = ItemUse::Armour;
    } else if (item.kind == QLatin1String("h")) {
        useDefense(c, defense, kHelm, item);
        use = ItemUse::Helm;
    } else if (item.kind == QLatin1String("d")) {
        useDefense(c, defense, kShield, item);
        use = ItemUse::Shield;
    } else if (item.kind == QLatin1String("w")) {
        long long value = fieldValue(item.value);
        const int strength = attribute(c, slot::Strength);
        if (strength > 13) value += strength - 10;
        c.CharValue[slot::Weapon] = Saturate16(value);
        c.CharText[slot::Weapon] = item.name;
        use = ItemUse::Weapon;
    }

    setSystemShock(c);
    return use;
}

QString defenseValueCaption(const DefenseInUse& defense, int nimbleness)
{
    return common::FormatInteger(static_cast<long long>(defense.DefenseBonus[kShield]) +
                                 defense.DefenseBonus[kHelm] + nimbleness);
}

QString defenseNameCaption(const DefenseInUse& defense)
{
    return defense.DefenseBonusName[kHelm] + QChar(u'\r') + defense.DefenseBonusName[kShield];
}

} // namespace sheet
