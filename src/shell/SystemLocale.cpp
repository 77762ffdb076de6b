#include "shell/SystemLocale.h"

#include "cards/Collation.h"
#include "cards/LegacyEncoding.h"

#include <QLocale>

#include <langinfo.h>
#include <locale.h>

void applySystemLocale()
{
    // The character set of the environment's locale, as the C library sees it.
    QByteArray charset;
    if (locale_t locale = newlocale(LC_CTYPE_MASK, "", locale_t(nullptr))) {
        charset = nl_langinfo_l(CODESET, locale);
        freelocale(locale);
    }
    setProgramLegacyEncoding(legacyEncodingFor(charset, QLocale::system().name()));
    Collation::setCollationLocale(QLocale::system());
}
