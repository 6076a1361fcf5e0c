#include "common/wildcard.h"

namespace common {

WildcardPattern::WildcardPattern(const QString& pattern) : pattern_(pattern)
{
    const QString rest = pattern.mid(1);
    suffixOnly_ = pattern.startsWith(u'*') && !rest.contains(u'*') && !rest.contains(u'?') && !rest.contains(u'[');
    if (suffixOnly_) {
        suffix_ = rest;
    } else {
        regex_ = QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive,
                                                  QRegularExpression::UnanchoredWildcardConversion);
        regex_.setPattern(QRegularExpression::anchoredPattern(regex_.pattern()));
    }
}

bool WildcardPattern::matches(const QString& name) const
{
    if (suffixOnly_) return name.endsWith(suffix_, Qt::CaseInsensitive);
    return regex_.match(name).hasMatch();
}

} // namespace common
