#ifndef LOGCATCHER_H
#define LOGCATCHER_H

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Records every message written while it lives and hands each on to the
// handler it replaced, so that QTest::ignoreMessage keeps working.
class LogCatcher
{
public:
    LogCatcher() : m_previous(qInstallMessageHandler(&LogCatcher::handle)) { s_active = this; }
    ~LogCatcher()
    {
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
    }

    // The messages that begin with prefix, in the order written.
    QStringList startingWith(const QString &prefix) const
    {
        QStringList found;
        for (const QString &message : m_messages) {
            if (message.startsWith(prefix))
                found.append(message);
        }
        return found;
    }

    // How many messages contain text.
    int count(const QString &text) const { return m_messages.filter(text).count(); }

private:
    Q_DISABLE_COPY(LogCatcher)

    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        s_active->m_messages.append(message);
        if (s_active->m_previous)
            s_active->m_previous(type, context, message);
    }

    static inline LogCatcher *s_active = nullptr;
    QtMessageHandler m_previous;
    QStringList m_messages;
};

#endif // LOGCATCHER_H
