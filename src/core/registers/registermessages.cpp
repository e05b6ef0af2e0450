#include "core/registers/registermessages.h"

#include "core/store/messagesink.h"

namespace trelfin {

namespace {

const QString kWarning = QStringLiteral("Uwaga!");
const QString kProduct = QStringLiteral("Trelfin");

} // namespace

void showMessage(MessageSink &sink, const UserMessage &message)
{
    sink.ShowInformation(message.line1, message.line2, message.title);
}

UserMessage registerFullMessage(RegisterKind kind)
{
    static const QString texts[RegisterCount] = {
        QStringLiteral("Za dużo danych w bazie rozchód"),
        QStringLiteral("Za dużo danych w bazie przychody"),
        QStringLiteral("Za dużo danych w bazie Długi / pożyczki"),
        QStringLiteral("Za dużo danych w bazie Planowanie"),
        QStringLiteral("Za dużo danych w bazie Konto bankowe"),
    };
    return {texts[static_cast<int>(kind)], QString(), kWarning};
}

UserMessage editEmptyMessage(RegisterKind kind)
{
    static const QString texts[RegisterCount] = {
        QStringLiteral("Brak danych w bazie Rozchód"),
        QStringLiteral("Brak danych w bazie Przychod"),
        QStringLiteral("Brak danych w bazie Dlugi / Pożyczki"),
        QStringLiteral("Brak danych w bazie Planowanie"),
        QStringLiteral("Brak danych w bazie Konto bankowe"),
    };
    return {texts[static_cast<int>(kind)], QString(), kProduct};
}

UserMessage sortEmptyMessage(RegisterKind kind)
{
    static const QString texts[RegisterCount] = {
        QStringLiteral("Brak danych w bazie rozchód"),
        QStringLiteral("Brak danych w bazie przychod"),
        QStringLiteral("Brak danych w bazie Dlugi / Pożyczki"),
        QStringLiteral("Brak danych w bazie Planowanie"),
        QStringLiteral("Brak danych w bazie Konto bankowe"),
    };
    return {texts[static_cast<int>(kind)], QString(), QStringLiteral("Operacja anulowana")};
}

UserMessage deleteQuestion()
{
    return {QStringLiteral("Czy usunąć dane ?"), QString(), QStringLiteral("Usuwanie danych")};
}

UserMessage settleQuestion()
{
    return {QStringLiteral("Czy dopisać dane do bazy rozchód ?"),
            QStringLiteral("Operacja nie będzie mogła być cofnięta"), QStringLiteral("Przenoszenie danych")};
}

UserMessage settleFullMessage()
{
    return {QStringLiteral("Za dużo danych w bazie Rozchód"), QString(), kWarning};
}

UserMessage debtReturnDateMessage()
{
    return {QStringLiteral("Termin zwrotu jest młodszy od daty dokonania operacji"), QStringLiteral("Popraw daty!"),
            QStringLiteral("Uwaga")};
}

UserMessage repeatDatesMessage()
{
    return {QStringLiteral("Wprowadzone daty są niepoprawne"), QString(), kProduct};
}

UserMessage amountUnreadableMessage()
{
    return {QStringLiteral("Wprowadzona kwota jest niepoprawna"),
            QStringLiteral("Wpisz ją na przykład jako 1234,56 lub 1 234,56"), kProduct};
}

UserMessage repeatNumberMissingMessage()
{
    return {QStringLiteral("Nie wprowadzono liczby"), QString(), kWarning};
}

UserMessage findNotFoundMessage()
{
    return {QStringLiteral("Nie znaleziono szukanego tekstu"), QString(), QStringLiteral("Zakończono wyszukiwanie")};
}

} // namespace trelfin
