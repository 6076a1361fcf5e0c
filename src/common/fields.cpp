#include "common/fields.h"

namespace common {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool endsField(char c) { return c == ',' || c == '\r' || c == '\n'; }

} // namespace

std::optional<FieldSpan> FieldScanner::next()
{
    const qsizetype size = bytes_.size();
    const char* p = bytes_.data();
    while (pos_ < size && isBlank(p[pos_])) ++pos_;
    if (pos_ >= size) return std::nullopt;

    FieldSpan field;
    if (p[pos_] == '"') {
        const qsizetype close = bytes_.indexOf('"', pos_ + 1);
        field = {pos_ + 1, close < 0 ? size : close};
        pos_ = close < 0 ? size : close + 1;
        while (pos_ < size && !endsField(p[pos_])) ++pos_;
    } else {
        field.begin = pos_;
        while (pos_ < size && !endsField(p[pos_])) ++pos_;
        field.end = pos_;
        while (field.end > field.begin && isBlank(p[field.end - 1])) --field.end;
    }
    skipDelimiter();
    return field;
}

void FieldScanner::skipDelimiter()
{
    if (pos_ >= bytes_.size()) return;
    if (bytes_[pos_] == '\r') {
        ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    } else {
        ++pos_; // a comma or a lone LF
    }
}

FieldReader::FieldReader(QByteArray bytes)
    : bytes_(std::move(bytes)), layout_(fileTextLayout(bytes_)), scanner_(bytes_, layout_.start)
{
}

std::optional<QString> FieldReader::next()
{
    const std::optional<FieldSpan> field = scanner_.next();
    if (!field) return std::nullopt;
    return decodeText(QByteArrayView(bytes_).sliced(field->begin, field->size()), layout_.encoding);
}

QString quotedField(const QString& text)
{
    QString stored = text;
    stored.replace(u'"', u'\'');
    return u'"' + stored + u'"';
}

QString record(const QStringList& fields) { return fields.join(u',') + QStringLiteral("\r\n"); }

std::optional<QString> firstField(const QByteArray& bytes) { return FieldReader(bytes).next(); }

} // namespace common
