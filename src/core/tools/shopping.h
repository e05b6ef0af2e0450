#pragma once

#include "core/store/database.h"

#include <QString>
#include <QStringList>

namespace trelfin {

// The shopping list's items, item 1 first, as texts.
QStringList ShoppingTexts(const Database &db);
// Stores the texts as the items (each trimmed and cut to 40 characters; missing ones empty).
void SetShoppingTexts(Database &db, const QStringList &texts);

// "Porządkuj": every text trimmed, the non-empty ones moved up in their order, the rest empty.
QStringList TidiedShoppingTexts(const QStringList &texts);

// "Kopiuj": the texts that are not blank after trimming, one per line.
QString ShoppingClipboardText(const QStringList &texts);

// "Do listy zakup.": the descriptions of planned rows top..bottom (1-based) go, one by one, into
// the first empty items. Copying stops after filling item 100 or when no item is empty; `full`
// then says so.
struct ShoppingCopy
{
    int copied = 0;
    bool full = false;
};
ShoppingCopy CopyPlannedToShoppingList(Database &db, int top, int bottom);

} // namespace trelfin
