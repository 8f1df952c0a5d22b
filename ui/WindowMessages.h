#pragma once

#include <QList>
#include <QString>

/// The texts of the message boxes and questions that the window builds itself: the boxes'
/// captions and messages, the question before closing mid-batch and the power-off countdown.
/// Each is kept as its English source (context "WindowMessages") and translated when shown.
enum class WindowMessage {
    InformationCaption,
    WarningCaption,
    HelpCaption,
    PageNotOpened,  ///< %1: the page's path
    CannotShutdown, ///< before CenterMessageText
    CloseQuestion,  ///< the close guard's question
    StopAndClose,   ///< the close guard's button that closes, with its mnemonic
    KeepConverting, ///< the close guard's button that keeps the window, with its mnemonic
    PowerOffNow,    ///< the countdown's button
    PowerOffInOne,  ///< the countdown at 1 second
    PowerOffInMany, ///< %1: the seconds left (2 or more)
};

/// Every WindowMessage, in declaration order.
const QList<WindowMessage> &WindowMessages();

/// The English source of the text, placeholders included.
QString WindowMessageSource(WindowMessage which);

/// The text in the language of the translators installed (the English when none has it),
/// placeholders left for the caller to fill.
QString WindowMessageText(WindowMessage which);
