#pragma once

#include <QString>
#include <QStringList>

namespace trelfin {

// The button of a question that Enter presses.
enum class DefaultAnswer { yes, no };

// The answers to the question whether to save changes before they would be dropped.
enum class SaveAnswer { save, discard, cancel };

// Where core operations send the messages they show the user: (line 1, line 2, title), as the
// information box shows them, and the yes/no questions they ask. The desktop implements it;
// tests record the messages and script the answers.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual void ShowInformation(const QString &line1, const QString &line2, const QString &title) = 0;
    // True only when the user answered "Tak". A sink that cannot ask answers "Nie". A question
    // whose "Tak" destroys what undo cannot bring back makes "Nie" its default button.
    virtual bool AskQuestion(const QString &line1, const QString &line2, const QString &title,
                             DefaultAnswer defaultAnswer = DefaultAnswer::yes)
    {
        Q_UNUSED(line1);
        Q_UNUSED(line2);
        Q_UNUSED(title);
        Q_UNUSED(defaultAnswer);
        return false;
    }
    // The question whether to save changes that the operation asking would otherwise drop:
    // "Tak" saves, "Nie" drops them, and "Anuluj", Escape or the frame cancel the operation.
    // A sink that offers no cancel asks the yes/no question.
    virtual SaveAnswer AskToSave(const QString &line1, const QString &line2, const QString &title)
    {
        return AskQuestion(line1, line2, title) ? SaveAnswer::save : SaveAnswer::discard;
    }
    // A question with buttons of its own (the first is the default): the index of the one
    // pressed, or -1 for Escape and the frame. A sink that offers no such box asks the yes/no
    // question for the first two.
    virtual int AskChoice(const QString &line1, const QString &line2, const QString &title, const QStringList &buttons)
    {
        Q_UNUSED(buttons);
        return AskQuestion(line1, line2, title) ? 0 : 1;
    }
};

} // namespace trelfin
