#include "core/store/filemessages.h"

#include "core/store/messagesink.h"

#include <QDir>
#include <QFileInfo>

namespace trelfin {

namespace {
const QString kWriteTitle = QStringLiteral("Błąd podczas zapisu pliku");
const QString kReadTitle = QStringLiteral("Błąd podczas odczytu pliku");
} // namespace

void ReportReadFailure(const QString &path, const QString &reason, MessageSink &sink)
{
    sink.ShowInformation(QStringLiteral("Nie można odczytać pliku %1").arg(QDir::toNativeSeparators(path)), reason,
                         kReadTitle);
}

void ReportWriteFailure(const QString &path, const QString &reason, MessageSink &sink)
{
    sink.ShowInformation(QStringLiteral("Nie można zapisać pliku %1").arg(QDir::toNativeSeparators(path)), reason,
                         kWriteTitle);
}

void ReportRemoveFailure(const QString &path, const QString &reason, MessageSink &sink)
{
    sink.ShowInformation(QStringLiteral("Nie można usunąć pliku %1").arg(QDir::toNativeSeparators(path)), reason,
                         kWriteTitle);
}

void ReportDamagedIntent(const QString &intentPath, MessageSink &sink)
{
    sink.ShowInformation(QStringLiteral("Nie można odczytać pliku %1").arg(QDir::toNativeSeparators(intentPath)),
                         QStringLiteral("Plik niedokończonego zapisu jest uszkodzony, baza nie zostanie otwarta. "
                                        "Usuń go, aby otworzyć bazę taką, jaka jest."),
                         kReadTitle);
}

void ReportIntentSetAside(const QString &intentPath, MessageSink &sink)
{
    sink.ShowInformation(QStringLiteral("Pominięto niedokończony zapis bazy (plik %1)").arg(QFileInfo(intentPath).fileName()),
                         QStringLiteral("pliki bazy zmieniły się od tego czasu"), QStringLiteral("Trelfin"));
}

void ReportDeletionCompleted(const QString &databasePath, MessageSink &sink)
{
    sink.ShowInformation(QStringLiteral("Dokończono przerwane usuwanie bazy %1").arg(QDir::toNativeSeparators(databasePath)),
                         QStringLiteral("Wszystkie pliki bazy zostały skasowane"), QStringLiteral("Trelfin"));
}

} // namespace trelfin
