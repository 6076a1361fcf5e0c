#include "common/fields.h"

#include "common/codepage.h"

namespace common {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

} // namespace

FieldReader::FieldReader(QString text) : text_(std::move(text)) {}

std::optional<QString> FieldReader::next()
{
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    if (pos_ >= text_.size()) return std::nullopt;

    QString field;
    if (text_[pos_] == u'"') {
        const qsizetype close = text_.indexOf(u'"', pos_ + 1);
        const qsizetype end = close < 0 ? text_.size() : close;
        field = text_.sliced(pos_ + 1, end - pos_ - 1);
        pos_ = close < 0 ? text_.size() : close + 1;
        while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(text_[pos_])) ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(text_[pos_])) ++pos_;
        qsizetype end = pos_;
        while (end > start && isBlank(text_[end - 1])) --end;
        field = text_.sliced(start, end - start);
    }
    skipDelimiter();
    return field;
}

void FieldReader::skipDelimiter()
{
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == u'\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
    } else {
        ++pos_; // a comma or a lone LF
    }
}

QByteArray quotedField(const QString& text)
{
    QString stored = text;
    stored.replace(u'"', u'\'');
    return '"' + encodeCodePage(stored) + '"';
}

QByteArray record(const QList<QByteArray>& fields)
{
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        line += fields[i];
    }
    return line + "\r\n";
}

std::optional<QString> firstField(const QString& text) { return FieldReader(text).next(); }

} // namespace common
