// Possession files (.qoa abilities, .qod items, .qon notes).
//
// Data flow: writing joins the seven box texts line by line up to the last filled box, adds the
// end line and encodes the text as every file is (common/file_text.h). Reading splits the bytes into
// fields with the common field rule and tags each field by its first character (marker, end, shown).
// viewPossession() walks those tagged fields once, filling the seven boxes and collecting every
// side effect of the view (amount, sheet captions, event log text) into one PossessionView that
// the window applies afterwards.
#include "possessions/possession_file.h"

#include "common/file_text.h"
#include "common/numbers.h"

namespace possessions {

QByteArray possessionFileBytes(const Lines& lines)
{
    int last = 0; // number of lines to write: up to the last box that is not empty
    for (int i = 0; i < kLineBoxes; ++i) {
        if (!lines[i].isEmpty()) last = i + 1;
    }
    QString text;
    for (int i = 0; i < last; ++i) text += lines[i] + QStringLiteral("\r\n");
    text += QStringLiteral("___\r\n");
    return common::encodeFileText(text);
}

PossessionReader::PossessionReader(const QByteArray& bytes) : fields_(bytes) {}

std::optional<Field> PossessionReader::next()
{
    std::optional<QString> text = fields_.next();
    if (!text) return std::nullopt;

    Field field;
    field.text = *text;
    if (field.text.startsWith(u'^')) {
        field.role = Role::Marker;
        // Only the last character names the row; the sheet has rows 1..7, anything else names none.
        const std::int16_t row = common::ToInt16(common::ParseNumber(QStringView(field.text).last(1)));
        field.row = (row >= 1 && row < kAbilityRows) ? row : std::int16_t{0};
    } else if (field.text.startsWith(u'_')) {
        field.role = Role::End;
    } else {
        field.role = Role::Shown;
    }
    return field;
}

namespace {

// What shown line n does to the view: it stands in its box; a number makes it the amount line; in an
// item file it goes to the event log; in an ability file its name and value go to ability row 2.
// heading carries an item file's first line, its code, to the line after it.
void takeShownLine(PossessionView& view, ListKind list, int n, const QString& s, QString& heading)
{
    const double number = common::ParseNumber(s);
    view.lines[n] = s;

    if (number != 0) {
        view.state.AmountRead = number;
        view.state.AmountValue = common::ToInt16(number);
        view.amountLines[n] = true;
        view.buttonRow = n;
    }

    if (list == ListKind::Items) {
        if (n == 0) {
            heading = s;
        } else if (n == 1) {
            view.eventText += s + QStringLiteral(" --[") + heading + QStringLiteral("]\r");
        } else {
            view.eventText += s + u'\r';
        }
    } else if (list == ListKind::Abilities) {
        // An ability file is "code / name / value": its name and value go to ability row 2.
        if (n == 1 && number == 0) {
            view.abilityNames[2] = s;
            view.rowTwoName = s;
        } else if (n == 2 && number > 0) {
            view.abilityValues[2] = s;
            view.rowTwoValue = common::ToInt16(number);
        }
    }
}

} // namespace

PossessionView viewPossession(const QByteArray& bytes, ListKind list, const QString& fileName, ViewerState state)
{
    PossessionView view;
    state.AbilityRow = 0;
    state.AmountValue = 0;
    view.state = state;

    // The caption a marker gives its row: the file name without its extension.
    const QString markedName = fileName.size() >= 4 ? fileName.chopped(4) : QString();
    QString heading; // an item file's first line, its code, shown after the name in the event log
    int n = 0;       // shown lines so far

    PossessionReader reader(bytes);
    for (;;) {
        const std::optional<Field> field = reader.next();
        if (!field) return view; // ran out before the end: not valid, but what was shown stays

        // All seven boxes are full: the file needs one more field, whatever it is.
        if (n >= kLineBoxes) break;

        if (field->role == Role::Marker) {
            view.state.AbilityRow = field->row;
            continue;
        }
        if (field->role == Role::End) break;

        takeShownLine(view, list, n, field->text, heading);
        view.state.EditLine = static_cast<std::int16_t>(n);
        ++n;
        view.shownLines = n;

        // A marker maps the viewed ability onto its row, refreshed after every later shown line so
        // that the row ends with the last amount.
        const int row = view.state.AbilityRow; // 1..7, or 0 for none
        if (row != 0) {
            view.abilityValues[row] = common::FormatInteger(view.state.AmountValue);
            view.abilityNames[row] = markedName;
        }
    }
    view.valid = true;
    return view;
}

QString changedAmount(AmountButton button, const QString& line, const QString& step, double amountRead)
{
    const double current = common::ParseNumber(line);
    switch (button) {
    case AmountButton::Down: return common::FormatNumber(current - 1);
    case AmountButton::Up: return common::FormatNumber(current + 1);
    case AmountButton::Step: return common::FormatNumber(current + common::ParseNumber(step));
    case AmountButton::Zero: return QStringLiteral("0");
    case AmountButton::Restore: return common::FormatNumber(amountRead);
    }
    return line;
}

} // namespace possessions
