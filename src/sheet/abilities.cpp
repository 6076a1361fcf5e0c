#include "sheet/abilities.h"

#include "common/numbers.h"

namespace sheet {

using common::ParseNumber;
using common::Saturate16;
using common::ToInt16;

namespace {

constexpr int kHelm = 1;
constexpr int kShield = 2;

int attribute(const Character& c, ValueSlot slot) { return c.CharValue[slot]; }

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
    long long a = intellectPart(attribute(c, ValueSlot::Intellect));
    long long p = 0;
    long long n = 0;
    if (attribute(c, ValueSlot::Perception) > 10) p = (attribute(c, ValueSlot::Perception) - 10LL) * 2;
    else a = halveToEven(a);
    if (attribute(c, ValueSlot::Nimbleness) > 10) n = (attribute(c, ValueSlot::Nimbleness) - 10LL) * 2;
    else a = halveToEven(a);
    const long long total = a + p + n;
    return total < 1 ? 1 : total;
}

// 6, plus the excess over 10 of Perception and of Nimbleness when each is above the threshold.
std::int16_t initiative(const Character& c, int threshold)
{
    long long value = 6;
    if (attribute(c, ValueSlot::Perception) > threshold) value += attribute(c, ValueSlot::Perception) - 10;
    if (attribute(c, ValueSlot::Nimbleness) > threshold) value += attribute(c, ValueSlot::Nimbleness) - 10;
    return Saturate16(value);
}

void setPrayer(Character& c)
{
    const int wisdom = attribute(c, ValueSlot::Wisdom);
    c.CharValue[ValueSlot::Prayer] = Saturate16(wisdom > 11 ? wisdom - 10 : 1);
    c.CharText[TextSlot::Prayer] = QStringLiteral("prayer");
}

void setInitiative(Character& c, int threshold)
{
    c.CharValue[ValueSlot::Initiative] = initiative(c, threshold);
    c.CharText[TextSlot::Initiative] = QStringLiteral("initiative");
}

void setSystemShock(Character& c)
{
    c.CharValue[ValueSlot::SystemShock] = Saturate16(2LL * attribute(c, ValueSlot::Power) + 60);
    c.CharText[TextSlot::SystemShock] = QStringLiteral("system shock");
}

// A new helm or shield replaces the earlier one; the defense row shows the sum of both with
// Nimbleness, its value read back from that caption.
void useDefense(Character& c, DefenseInUse& defense, int entry, const ItemInHand& item)
{
    defense.DefenseBonus[entry] = fieldValue(item.value);
    defense.DefenseBonusName[entry] = item.name;
    c.CharValue[ValueSlot::Defense] = fieldValue(defenseValueCaption(defense, attribute(c, ValueSlot::Nimbleness)));
    c.CharText[TextSlot::Defense] = defenseNameCaption(defense);
}

} // namespace

void populate(Character& c, const QString& intellectCaption)
{
    setPrayer(c);

    if (ParseNumber(intellectCaption) > 10) {
        c.CharText[TextSlot::OpenLocks] = QStringLiteral("open locks");
        c.CharValue[ValueSlot::OpenLocks] = Saturate16(openLocks(c));
    } else {
        c.CharText[TextSlot::OpenLocks] = QStringLiteral("climbing");
        c.CharValue[ValueSlot::OpenLocks] =
            Saturate16(3LL * attribute(c, ValueSlot::Nimbleness) + attribute(c, ValueSlot::Strength)
                       + attribute(c, ValueSlot::Heart));
    }

    setInitiative(c, 10);

    // Armour 1 takes damage in full.
    c.CharText[TextSlot::Armour] = QStringLiteral("no armour");
    c.CharValue[ValueSlot::Armour] = 1;

    c.CharText[TextSlot::Defense] = QStringLiteral("defense");
    c.CharValue[ValueSlot::Defense] = c.CharValue[ValueSlot::Nimbleness];

    const int strength = attribute(c, ValueSlot::Strength);
    c.CharText[TextSlot::Weapon] = QStringLiteral("weapon: hand");
    c.CharValue[ValueSlot::Weapon] = Saturate16(strength > 11 ? strength - 10 : 1);

    setSystemShock(c);
}

ItemUse useItem(Character& c, const ItemInHand& item, DefenseInUse& defense)
{
    setPrayer(c);
    setInitiative(c, 13);

    ItemUse use = ItemUse::None;
    if (item.kind == QLatin1String("a")) {
        c.CharValue[ValueSlot::Armour] = fieldValue(item.value);
        c.CharText[TextSlot::Armour] = item.name;
        use = ItemUse::Armour;
    } else if (item.kind == QLatin1String("h")) {
        useDefense(c, defense, kHelm, item);
        use = ItemUse::Helm;
    } else if (item.kind == QLatin1String("d")) {
        useDefense(c, defense, kShield, item);
        use = ItemUse::Shield;
    } else if (item.kind == QLatin1String("w")) {
        long long value = fieldValue(item.value);
        const int strength = attribute(c, ValueSlot::Strength);
        if (strength > 13) value += strength - 10;
        c.CharValue[ValueSlot::Weapon] = Saturate16(value);
        c.CharText[TextSlot::Weapon] = item.name;
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
    if (name) c.CharText[TextSlot::OpenLocks] = *name;
    if (value) c.CharValue[ValueSlot::OpenLocks] = *value;
}

} // namespace sheet
