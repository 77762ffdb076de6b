#include "cards/CollationKeys.h"

#include <unicode/ucol.h>

namespace {

void set(UCollator* collator, UColAttribute attribute, UColAttributeValue value)
{
    UErrorCode status = U_ZERO_ERROR;
    ucol_setAttribute(collator, attribute, value, &status);
}

} // namespace

CollationKeys::CollationKeys(const QLocale& locale, Qt::CaseSensitivity sensitivity)
{
    // The locale name and the attributes QCollator opens its collator with.
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray name = locale.bcp47Name().replace(u'-', u'_').toLatin1();
    m_collator = ucol_open(name.constData(), &status);
    if (U_FAILURE(status)) {
        m_collator = nullptr;
        return;
    }
    set(m_collator, UCOL_NORMALIZATION_MODE, UCOL_ON);
    set(m_collator, UCOL_STRENGTH,
        sensitivity == Qt::CaseSensitive ? UCOL_DEFAULT_STRENGTH : UCOL_SECONDARY);
    set(m_collator, UCOL_NUMERIC_COLLATION, UCOL_OFF);
    set(m_collator, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE);
}

CollationKeys::CollationKeys(const CollationKeys& other)
{
    *this = other;
}

CollationKeys& CollationKeys::operator=(const CollationKeys& other)
{
    if (this == &other)
        return *this;
    if (m_collator)
        ucol_close(m_collator);
    UErrorCode status = U_ZERO_ERROR;
    m_collator = other.m_collator ? ucol_clone(other.m_collator, &status) : nullptr;
    if (U_FAILURE(status))
        m_collator = nullptr;
    return *this;
}

CollationKeys::~CollationKeys()
{
    if (m_collator)
        ucol_close(m_collator);
}

qsizetype CollationKeys::write(QStringView text, char* out, qsizetype room) const
{
    if (!m_collator)
        return 0;
    const qsizetype length =
        ucol_getSortKey(m_collator, reinterpret_cast<const UChar*>(text.utf16()),
                        int32_t(text.size()), reinterpret_cast<uint8_t*>(out), int32_t(room));
    // Without the terminating zero byte: no key holds a zero byte of its own.
    return qMax<qsizetype>(length - 1, 0);
}

qsizetype CollationKeys::append(QStringView text, QByteArray& keys) const
{
    const qsizetype start = keys.size();
    // Room for most keys at the first try; a longer key tells its length and is made again.
    qsizetype room = 3 * text.size() + 16;
    for (;;) {
        keys.resize(start + room);
        const qsizetype length = write(text, keys.data() + start, room);
        if (length < room) {
            keys.resize(start + length);
            return length;
        }
        room = length + 1;
    }
}
