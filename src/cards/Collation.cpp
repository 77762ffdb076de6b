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
        : sensitive(effective(locale)), blind(sensitive),
          sensitiveKeys(effective(locale), Qt::CaseSensitive),
          blindKeys(effective(locale), Qt::CaseInsensitive)
    {
        sensitive.setCaseSensitivity(Qt::CaseSensitive);
        blind.setCaseSensitivity(Qt::CaseInsensitive);
    }
    QCollator sensitive;
    QCollator blind;
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

const CollationKeys& caseSensitiveKeys()
{
    return collators().sensitiveKeys;
}

const CollationKeys& caseBlindKeys()
{
    return collators().blindKeys;
}

} // namespace Collation
