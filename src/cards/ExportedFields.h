#pragma once

#include <QStringList>

#include <optional>

// Word lists exported by other programs: no card line, but lines of fields, separated by a tab
// or, failing that, by one consistent ";" or "," with CSV quoting ("a; b" or "say ""hi""").
namespace ExportedFields {

// The lines as cards: a line whose first two fields are not empty becomes
// "first = second", with " // " and the further fields (joined by ", ") as the comment; other
// lines stay as they are. Nothing when a line already is a card, or when at most half of the
// lines that are not blank have two such fields.
std::optional<QStringList> cardsOf(const QStringList& lines);

} // namespace ExportedFields
