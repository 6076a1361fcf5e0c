// Viewing possession files from each of the three lists, and the amount buttons.
//
// The input is a file name line (its first line, at most 40 bytes) followed by the file's bytes; the
// viewer's state before the view is made from the file name's bytes too.
//
// Properties: the list only decides the side effects, so the boxes, the amount, the buttons and the
// validity are the same whichever list the file came from; the boxes, amount colours, button row and
// state agree with each other and with the shown lines; side effects belong to their list; a valid
// view whose lines can be saved bare ("save item") views again as the same lines; and every amount
// button writes a plain decimal text.
#include "fuzz_support.h"

#include "common/codepage.h"
#include "common/numbers.h"
#include "possessions/possession_file.h"

#include <cmath>
#include <cstring>

namespace {

using namespace possessions;

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// A shown line that "save item" writes as it stands and that views again as the same line.
bool savesAsItStands(const QString& line)
{
    if (line.contains(u',') || line.contains(u'\r') || line.contains(u'\n')) return false;
    if (line.isEmpty()) return true;
    return line.front() != u'"' && !isBlank(line.front()) && !isBlank(line.back());
}

bool sameNumber(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

QString describe(const PossessionView& v)
{
    QString out = QStringLiteral("valid %1, %2 shown, button row %3, amount %4/%5, row %6, edit %7:")
                      .arg(v.valid ? 1 : 0)
                      .arg(v.shownLines)
                      .arg(v.buttonRow)
                      .arg(v.state.AmountRead)
                      .arg(v.state.AmountValue)
                      .arg(v.state.AbilityRow)
                      .arg(v.state.EditLine);
    for (const QString& line : v.lines) out += u' ' + fuzz::shown(line);
    return out;
}

void checkConsistent(const PossessionView& v, ListKind list, const ViewerState& before)
{
    const auto what = [&] { return describe(v); };
    FUZZ_CHECK(v.shownLines >= 0 && v.shownLines <= kLineBoxes, what());
    FUZZ_CHECK(v.buttonRow >= -1 && v.buttonRow < v.shownLines, what());
    FUZZ_CHECK(v.state.AbilityRow >= 0 && v.state.AbilityRow < kAbilityRows, what());
    FUZZ_CHECK(v.state.EditLine == (v.shownLines > 0 ? v.shownLines - 1 : before.EditLine), what());

    int lastAmount = -1;
    for (int i = 0; i < kLineBoxes; ++i) {
        const auto box = static_cast<std::size_t>(i);
        if (i >= v.shownLines) {
            FUZZ_CHECK(v.lines[box].isEmpty() && !v.amountLines[box], what());
            continue;
        }
        // A shown line is never a marker or the end line.
        FUZZ_CHECK(!v.lines[box].startsWith(u'^') && !v.lines[box].startsWith(u'_'), what());
        FUZZ_CHECK(v.amountLines[box] == (common::ParseNumber(v.lines[box]) != 0.0), what());
        if (v.amountLines[box]) lastAmount = i;
    }
    FUZZ_CHECK(v.buttonRow == lastAmount, what());

    if (v.buttonRow >= 0) {
        const double amount = common::ParseNumber(v.lines[static_cast<std::size_t>(v.buttonRow)]);
        FUZZ_CHECK(sameNumber(v.state.AmountRead, amount), what());
        FUZZ_CHECK(v.state.AmountValue == common::ToInt16(amount), what());
    } else {
        FUZZ_CHECK(sameNumber(v.state.AmountRead, before.AmountRead), what());
        FUZZ_CHECK(v.state.AmountValue == 0, what());
    }

    // Captions go to ability rows 1..7 only; the record's row two only from an ability file; the
    // event log only from an item file.
    FUZZ_CHECK(!v.abilityNames[0] && !v.abilityValues[0], what());
    if (list != ListKind::Abilities) FUZZ_CHECK(!v.rowTwoName && !v.rowTwoValue, what());
    if (list != ListKind::Items) FUZZ_CHECK(v.eventText.isEmpty(), what());
    if (list == ListKind::Items)
        FUZZ_CHECK(v.eventText.count(u'\r') >= (v.shownLines > 1 ? v.shownLines - 1 : 0), what());
    for (int row = 1; row < kAbilityRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        FUZZ_CHECK(v.abilityNames[r].has_value() == v.abilityValues[r].has_value() || row == 2, what());
    }
}

void checkSameShown(const PossessionView& a, const PossessionView& b)
{
    const auto what = [&] { return describe(a) + u'\n' + describe(b); };
    FUZZ_CHECK(a.valid == b.valid && a.shownLines == b.shownLines && a.buttonRow == b.buttonRow, what());
    FUZZ_CHECK(a.lines == b.lines && a.amountLines == b.amountLines, what());
    FUZZ_CHECK(a.state.AbilityRow == b.state.AbilityRow && a.state.AmountValue == b.state.AmountValue, what());
    FUZZ_CHECK(sameNumber(a.state.AmountRead, b.state.AmountRead) && a.state.EditLine == b.state.EditLine, what());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = fuzz::inputBytes(data, size);
    const qsizetype lineEnd = input.indexOf('\n');
    const qsizetype nameLength = lineEnd >= 0 && lineEnd <= 40 ? lineEnd : 0;
    const QByteArray nameBytes = input.first(nameLength);
    const QByteArray file = input.sliced(nameLength == 0 ? 0 : nameLength + 1);
    const QString fileName = common::decodeCodePage(nameBytes);

    // A state an earlier view may have left: the amount as read is any number, NaN included.
    ViewerState before;
    if (nameBytes.size() >= 8) std::memcpy(&before.AmountRead, nameBytes.constData(), sizeof before.AmountRead);
    before.AbilityRow = 3;
    before.AmountValue = 9;
    before.EditLine = static_cast<std::int16_t>(nameBytes.size() % kLineBoxes);

    const PossessionView abilities = viewPossession(file, ListKind::Abilities, fileName, before);
    const PossessionView items = viewPossession(file, ListKind::Items, fileName, before);
    const PossessionView notes = viewPossession(file, ListKind::Notes, fileName, before);
    checkConsistent(abilities, ListKind::Abilities, before);
    checkConsistent(items, ListKind::Items, before);
    checkConsistent(notes, ListKind::Notes, before);
    checkSameShown(abilities, items);
    checkSameShown(abilities, notes);

    // "save item" writes the boxes as they stand; a file viewed from them shows the same boxes.
    bool saveable = notes.valid;
    for (const QString& line : notes.lines) saveable = saveable && savesAsItStands(line);
    if (saveable) {
        const QByteArray saved = possessionFileBytes(notes.lines);
        const PossessionView again = viewPossession(saved, ListKind::Notes, fileName, before);
        FUZZ_CHECK(again.valid && again.lines == notes.lines, describe(notes) + u'\n' + describe(again));
    }

    // The amount buttons over the shown lines, with the file's other lines as step texts.
    for (int i = 0; i < notes.shownLines; ++i) {
        const QString& line = notes.lines[static_cast<std::size_t>(i)];
        const QString& step = notes.lines[static_cast<std::size_t>((i + 1) % kLineBoxes)];
        for (const AmountButton button :
             {AmountButton::Down, AmountButton::Up, AmountButton::Step, AmountButton::Zero, AmountButton::Restore}) {
            const QString amount = changedAmount(button, line, step, notes.state.AmountRead);
            FUZZ_CHECK(fuzz::isPlainDecimal(amount),
                       fuzz::shown(line) + u' ' + fuzz::shown(step) + QStringLiteral(" -> ") + fuzz::shown(amount));
        }
        FUZZ_CHECK(changedAmount(AmountButton::Zero, line, step, 0.0) == u"0", fuzz::shown(line));
    }
    return 0;
}
