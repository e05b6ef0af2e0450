// The shopping-list side file reader on any bytes.
#include "core/store/sidefiles.h"
#include "fuzzsupport.h"

using namespace trelfin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Database db = fuzz::databaseNamed(QStringLiteral(".tf4"));
    fuzz::writeInput(ShoppingListPath(db), data, size);
    ReadShoppingList(db);
    for (const ShoppingItem &item : db.shoppingItems)
        (void)item.text();
    (void)encodeShoppingList(db);
    return 0;
}
