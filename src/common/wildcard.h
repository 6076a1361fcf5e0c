// File-name patterns such as "*.qoz", matched without regard to letter case on every platform, so a
// character file written as ".QOZ" is listed wherever its folder lies.
#pragma once

#include <QRegularExpression>
#include <QString>

namespace common {

class WildcardPattern {
public:
    explicit WildcardPattern(const QString& pattern = QStringLiteral("*"));
    bool matches(const QString& name) const;
    const QString& text() const { return pattern_; }

private:
    QString pattern_;
    QString suffix_; // for the common "*.ext": compared directly, far quicker than a regex
    bool suffixOnly_ = false;
    QRegularExpression regex_;
};

} // namespace common
