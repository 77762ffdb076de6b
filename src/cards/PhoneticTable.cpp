#include "cards/PhoneticTable.h"

#include "cards/Collation.h"
#include "cards/FileError.h"
#include "cards/TextFile.h"

PhoneticTable::PhoneticTable()
    : m_caseBlind(Collation::caseBlindKeys()), m_caseSensitive(Collation::caseSensitiveKeys())
{}

void PhoneticTable::load(const QString& path)
{
    m_encoding = programLegacyEncoding();
    m_caseBlind = Collation::caseBlindKeys();
    m_caseSensitive = Collation::caseSensitiveKeys();
    m_index.reset();
    try {
        m_bytes = TextFile::readBytes(path);
    } catch (const FileError&) {
        m_bytes.clear();
    }
}

const PhoneticIndex& PhoneticTable::index() const
{
    if (!m_index) {
        const QString text = TextFile::textOf(m_bytes, m_encoding);
        m_index = std::make_unique<PhoneticIndex>(TextFile::lineViews(text), m_caseBlind,
                                                  m_caseSensitive);
        m_bytes.clear();
    }
    return *m_index;
}
