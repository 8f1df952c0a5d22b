#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

/// Keeps the encoder's last message: the last line of its output that is not a progress line.
/// It explains a failed run. Chunks are joined here (unlike for progress), so a message split
/// across reads comes out whole; lines end at "\n" or "\r". Memory stays bounded whatever the
/// encoder prints.
class EncoderMessageLog
{
public:
    /// Adds the next chunk of output.
    void feed(QByteArrayView chunk);
    /// The last message line, trimmed; a last line without its line end counts too. Empty when
    /// the encoder printed only progress or nothing.
    QString lastMessage() const;
    void clear();

    /// Longest line kept, in bytes; the rest of a longer line is dropped.
    static constexpr qsizetype MaxLineBytes = 2048;

private:
    void endLine();

    QByteArray m_line;
    QByteArray m_lastMessage;
};
