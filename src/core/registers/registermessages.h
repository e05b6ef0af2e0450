#pragma once

#include "core/store/database.h"

#include <QString>

namespace trelfin {

class MessageSink;

// A message or question as the information and question boxes show it.
struct UserMessage
{
    QString line1;
    QString line2;
    QString title;
    bool operator==(const UserMessage &) const = default;
};

void showMessage(MessageSink &sink, const UserMessage &message);

// A register that already holds MaxEntries entries refuses another one (title "Uwaga!").
UserMessage registerFullMessage(RegisterKind kind);
// Edytuj on an empty register (title "Trelfin").
UserMessage editEmptyMessage(RegisterKind kind);
// Sortuj on an empty register (title "Operacja anulowana").
UserMessage sortEmptyMessage(RegisterKind kind);

// Usuń asks this before deleting when the database's confirmDeletes is set.
UserMessage deleteQuestion();

// "Jako rozchód": the question before settling, and the full expense register.
UserMessage settleQuestion();
UserMessage settleFullMessage();

// The add-debt dialog refuses to close while the return date is not after the operation date.
UserMessage debtReturnDateMessage();

// "Dopisz ekstra": a span whose end lies before its start, and an empty number field.
UserMessage repeatDatesMessage();
// An amount field whose text is no amount: OK refuses it.
UserMessage amountUnreadableMessage();
UserMessage repeatNumberMissingMessage();

// Find: no row holds the text.
UserMessage findNotFoundMessage();

} // namespace trelfin
