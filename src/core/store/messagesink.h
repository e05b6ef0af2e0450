#pragma once

#include <QString>

namespace trelfin {

// Where core operations send the messages they show the user: (line 1, line 2, title), as the
// information box shows them. The desktop implements it; tests record the messages.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual void ShowInformation(const QString &line1, const QString &line2, const QString &title) = 0;
};

} // namespace trelfin
