#pragma once

#include "mainwindowfixture.h"
#include "ui/store/optionswindow.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace trelfin::test {

// A main window over a database in a temporary folder, with the helpers the command tests share:
// answering dialogs, typing, creating a database through "Nowy", the options window.
using Script = std::function<void(QDialog &)>;

inline void click(QDialog &dialog, const char *button)
{
    auto *b = dialog.findChild<QPushButton *>(QString::fromLatin1(button));
    QVERIFY2(b, button);
    b->click();
}

inline Script press(const char *button)
{
    return [button](QDialog &d) { click(d, button); };
}

// Types as a keyboard does, letters outside ASCII included (QTest::keyClicks takes ASCII only).
inline void typeText(QLineEdit *edit, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline Script typePasswords(const QString &first, const QString &second)
{
    return [=](QDialog &d) {
        typeText(d.findChild<QLineEdit *>(QStringLiteral("haslo")), first);
        typeText(d.findChild<QLineEdit *>(QStringLiteral("haslo2")), second);
        click(d, "ok");
    };
}

inline Script typeInto(const char *edit, const QString &text)
{
    return [=](QDialog &d) {
        typeText(d.findChild<QLineEdit *>(QString::fromLatin1(edit)), text);
        click(d, "ok");
    };
}

inline Entry entry(const char *date, double amount, int group, const char *description)
{
    return Entry{QString::fromLatin1(date), amount, static_cast<std::uint8_t>(group), QString::fromUtf8(description)};
}

struct CommandFixture : MainWindowFixture
{
    QTemporaryDir dir;

    QString path(const QString &file) const { return dir.filePath(file); }
    bool exists(const QString &file) const { return QFile::exists(path(file)); }
    QByteArray bytes(const QString &file) const
    {
        QFile f(path(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Creates "<name>.tf4" through "Nowy", the options window answered with OK.
    void createDatabase(const QString &name = QStringLiteral("budzet"))
    {
        desktop.fileChoices.enqueue(path(name + QStringLiteral(".tf4")));
        desktop.dialogScripts.enqueue(press("ok"));
        window.databaseCommands()->nowa1Click();
    }

    // Runs the options window with `script` and then OK.
    void withOptions(const std::function<void(Topcjebazy &)> &script)
    {
        desktop.dialogScripts.enqueue([script](QDialog &d) {
            script(static_cast<Topcjebazy &>(d));
            if (d.isVisible())
                click(d, "ok");
        });
        window.databaseCommands()->opcje4Click();
    }

    void addEntry(RegisterKind kind, const Entry &e)
    {
        db.reg(kind).append(e);
        db.modified = true;
    }

    QStringList messages() const
    {
        QStringList texts;
        for (const auto &m : desktop.messages)
            texts.append(m.line1);
        return texts;
    }
};

} // namespace trelfin::test
