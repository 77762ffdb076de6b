#include "cards/UnmarkedUtf16.h"

#include <QStringDecoder>

namespace {

bool readsAsUtf16(QByteArrayView bytes, QStringConverter::Encoding order)
{
    QStringDecoder decoder(order, QStringConverter::Flag::Stateless);
    (void)decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

std::optional<QStringConverter::Encoding> unmarkedUtf16Of(QByteArrayView bytes)
{
    if (bytes.isEmpty() || bytes.size() % 2 != 0)
        return std::nullopt;
    const qsizetype units = bytes.size() / 2;
    qsizetype evenNuls = 0;
    qsizetype oddNuls = 0;
    for (qsizetype i = 0; i < bytes.size(); i += 2) {
        evenNuls += bytes[i] == '\0' ? 1 : 0;
        oddNuls += bytes[i + 1] == '\0' ? 1 : 0;
    }
    const auto highByteNuls = [units](qsizetype high, qsizetype low) {
        return high * 4 >= units && low * 4 < units;
    };
    if (highByteNuls(oddNuls, evenNuls) && readsAsUtf16(bytes, QStringConverter::Utf16LE))
        return QStringConverter::Utf16LE;
    if (highByteNuls(evenNuls, oddNuls) && readsAsUtf16(bytes, QStringConverter::Utf16BE))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}
