#pragma once

#include "core/registers/registermessages.h"
#include "core/store/messagesink.h"

#include <QList>

namespace trelfin::test {

// Records every message a core operation shows, as (line 1, line 2, title).
class RecordingSink : public MessageSink
{
public:
    void ShowInformation(const QString &line1, const QString &line2, const QString &title) override
    {
        messages.append({line1, line2, title});
    }
    QList<UserMessage> messages;
};

} // namespace trelfin::test
