#include "cards/Collation.h"

namespace Collation {

namespace {

QLocale effective(const QLocale& locale)
{
    return locale.language() == QLocale::C ? QLocale(QLocale::English) : locale;
}

struct Collators
{
    explicit Collators(const QLocale& locale)
        : sensitive(effective(locale)), blind(sensitive), names(sensitive),
          sensitiveKeys(effective(locale), Qt::CaseSensitive),
          blindKeys(effective(locale), Qt::CaseInsensitive)
    {
        sensitive.setCaseSensitivity(Qt::CaseSensitive);
        blind.setCaseSensitivity(Qt::CaseInsensitive);
        names.setCaseSensitivity(Qt::CaseInsensitive);
        names.setNumericMode(true);
    }
    QCollator sensitive;
    QCollator blind;
    QCollator names;
    CollationKeys sensitiveKeys;
    CollationKeys blindKeys;
};

Collators& collators()
{
    static Collators instance{QLocale()};
    return instance;
}

} // namespace

void setCollationLocale(const QLocale& locale)
{
    collators() = Collators(locale);
}

const QCollator& caseSensitive()
{
    return collators().sensitive;
}

const QCollator& caseBlind()
{
    return collators().blind;
}

const QCollator& names()
{
    return collators().names;
}

const CollationKeys& caseSensitiveKeys()
{
    return collators().sensitiveKeys;
}

const CollationKeys& caseBlindKeys()
{
    return collators().blindKeys;
}

} // namespace Collation
