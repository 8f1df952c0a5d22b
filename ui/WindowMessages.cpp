#include "WindowMessages.h"

#include <QCoreApplication>

namespace {

struct Source
{
    WindowMessage which;
    const char *text;
};

const Source kSources[] = {
    //: caption of a message box
    {WindowMessage::InformationCaption, QT_TRANSLATE_NOOP("WindowMessages", "Information")},
    //: caption of a message box
    {WindowMessage::WarningCaption, QT_TRANSLATE_NOOP("WindowMessages", "Warning")},
    //: caption of the message box saying the help page could not be opened
    {WindowMessage::HelpCaption, QT_TRANSLATE_NOOP("WindowMessages", "Help")},
    //: %1 is the help page's path
    {WindowMessage::PageNotOpened,
     QT_TRANSLATE_NOOP("WindowMessages",
                       "The page could not be opened: no program for it was found.\n\n"
                       "You can open it yourself: %1")},
    {WindowMessage::CannotShutdown,
     QT_TRANSLATE_NOOP("WindowMessages", "Your computer cannot shutdown")},
    {WindowMessage::CloseQuestion,
     QT_TRANSLATE_NOOP("WindowMessages", "A conversion is running. Stop it and close Tavrel?")},
    //: button; & marks the Alt key letter
    {WindowMessage::StopAndClose, QT_TRANSLATE_NOOP("WindowMessages", "&Stop and close")},
    //: button; & marks the Alt key letter, which must differ from the other button's
    {WindowMessage::KeepConverting, QT_TRANSLATE_NOOP("WindowMessages", "&Keep converting")},
    //: button beside Cancel in the power-off countdown
    {WindowMessage::PowerOffNow, QT_TRANSLATE_NOOP("WindowMessages", "Power off now")},
    {WindowMessage::PowerOffInOne,
     QT_TRANSLATE_NOOP("WindowMessages", "The computer will power off in 1 second")},
    //: %1 is the number of seconds left, 2 to 60
    {WindowMessage::PowerOffInMany,
     QT_TRANSLATE_NOOP("WindowMessages", "The computer will power off in %1 seconds")},
};

const char *sourceOf(WindowMessage which)
{
    for (const Source &source : kSources) {
        if (source.which == which)
            return source.text;
    }
    return "";
}

} // namespace

const QList<WindowMessage> &WindowMessages()
{
    static const QList<WindowMessage> all = [] {
        QList<WindowMessage> list;
        for (const Source &source : kSources)
            list.append(source.which);
        return list;
    }();
    return all;
}

QString WindowMessageSource(WindowMessage which)
{
    return QString::fromUtf8(sourceOf(which));
}

QString WindowMessageText(WindowMessage which)
{
    return QCoreApplication::translate("WindowMessages", sourceOf(which));
}
