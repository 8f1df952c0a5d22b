#include "EncoderMessageLog.h"

#include "EncoderOutputParser.h"

void EncoderMessageLog::feed(QByteArrayView chunk)
{
    for (const char c : chunk) {
        if (c == '\n' || c == '\r')
            endLine();
        else if (m_line.size() < MaxLineBytes)
            m_line.append(c);
    }
}

QString EncoderMessageLog::lastMessage() const
{
    const QByteArray pending = m_line.trimmed();
    if (!pending.isEmpty() && !IsEncoderProgressLine(pending))
        return QString::fromLocal8Bit(pending);
    return QString::fromLocal8Bit(m_lastMessage);
}

void EncoderMessageLog::clear()
{
    m_line.clear();
    m_lastMessage.clear();
}

void EncoderMessageLog::endLine()
{
    const QByteArray line = m_line.trimmed();
    m_line.clear();
    if (!line.isEmpty() && !IsEncoderProgressLine(line))
        m_lastMessage = line;
}
