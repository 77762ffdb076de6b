#pragma once

#include <QByteArrayView>
#include <QStringConverter>

#include <optional>

// The byte order of UTF-16 text without a byte-order mark: bytes that read as UTF-16 without
// error, with a NUL as the high byte of at least a quarter of their code units (the ASCII of
// the separators, the line ends and English words) and rarely as the low byte. Read in any other
// way such bytes would end at their first NUL. Nothing for other bytes.
std::optional<QStringConverter::Encoding> unmarkedUtf16Of(QByteArrayView bytes);
