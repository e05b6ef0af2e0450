#pragma once

#include <QApplication>
#include <QDialog>
#include <QQueue>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace trelfin::test {

// Answers the program's modal windows while they run their own event loop (`exec()`), as a
// person would: each step waits until the active modal window is the one it names, then acts on
// it. A step whose window does not come, or a modal window nobody expected, is recorded as a
// failure and the window is rejected, so that a test never hangs.
class ModalAnswers : public QObject
{
public:
    struct Step
    {
        QString windowName;
        std::function<void(QWidget &)> action;
    };

    ModalAnswers()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswers::poll);
        m_timer.start();
    }

    void expect(const QString &windowName, std::function<void(QWidget &)> action)
    {
        m_steps.enqueue({windowName, std::move(action)});
    }

    bool allAnswered() const { return m_steps.isEmpty(); }
    QStringList failures;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (m_steps.isEmpty() || modal->objectName() != m_steps.head().windowName) {
            // Give a window a moment to become the active modal one before calling it unexpected.
            if (++m_waits < 200)
                return;
            failures.append(QStringLiteral("unexpected window %1").arg(modal->objectName()));
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            m_waits = 0;
            return;
        }
        m_waits = 0;
        // The action runs from its own timer: a window it opens runs a nested event loop, and a
        // timer does not fire again while its own handler is still running.
        const Step step = m_steps.dequeue();
        QTimer::singleShot(0, modal, [action = step.action, modal] { action(*modal); });
    }

    QTimer m_timer;
    QQueue<Step> m_steps;
    int m_waits = 0;
};

} // namespace trelfin::test
