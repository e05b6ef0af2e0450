#include "core/tools/shopping.h"

#include "core/store/cp1250.h"

#include <algorithm>

namespace trelfin {

QStringList ShoppingTexts(const Database &db)
{
    QStringList texts;
    for (const ShoppingItem &item : db.shoppingItems)
        texts.append(item.text());
    return texts;
}

void SetShoppingTexts(Database &db, const QStringList &texts)
{
    for (int i = 0; i < ShoppingItemCount; ++i)
        db.shoppingItems[i].setText(fitText(texts.value(i).trimmed(), ShoppingItem::textWidth));
}

QStringList TidiedShoppingTexts(const QStringList &texts)
{
    QStringList tidied;
    for (const QString &text : texts) {
        if (!text.trimmed().isEmpty())
            tidied.append(text.trimmed());
    }
    while (tidied.size() < texts.size())
        tidied.append(QString());
    return tidied;
}

QString ShoppingClipboardText(const QStringList &texts)
{
    QStringList lines;
    for (const QString &text : texts) {
        if (!text.trimmed().isEmpty())
            lines.append(text);
    }
    return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
}

ShoppingCopy CopyPlannedToShoppingList(Database &db, int top, int bottom)
{
    ShoppingCopy result;
    const QVector<Entry> &planned = db.reg(RegisterKind::planned).entries;
    top = std::max(top, 1);
    bottom = std::min(bottom, static_cast<int>(planned.size()));
    for (int row = top; row <= bottom; ++row) {
        const auto empty = std::find_if(db.shoppingItems.begin(), db.shoppingItems.end(),
                                        [](const ShoppingItem &item) { return item.isEmpty(); });
        if (empty == db.shoppingItems.end()) {
            result.full = true;
            break;
        }
        empty->setText(fitText(planned.at(row - 1).description, ShoppingItem::textWidth));
        ++result.copied;
        if (empty == db.shoppingItems.end() - 1) {
            result.full = true;
            break;
        }
    }
    return result;
}

} // namespace trelfin
