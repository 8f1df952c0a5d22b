#include "TrackMenus.h"

#include "CTaskListCtrl.h"
#include "CTavrelDlg.h"
#include "SourceTreatment.h"

#include <QActionGroup>
#include <QMenu>

namespace {

QString LanguageName(const QString &tag)
{
    const QLocale::Language language = QLocale::codeToLanguage(tag.toLower());
    return language == QLocale::AnyLanguage || language == QLocale::C
               ? tag
               : QLocale::languageToString(language);
}

QString Quoted(const QString &text)
{
    //: a track's own title in the row menu, in the language's quotation marks
    return TrackMenus::tr("“%1”").arg(text);
}

/// The track's items for display: its number, then its details.
QString TrackText(int trackIndex, QStringList details)
{
    details.removeAll(QString());
    const QString number = QString::number(trackIndex + 1);
    if (details.isEmpty()) {
        //: a sound or subtitle track in the row menu; %1 is its number
        return TrackMenus::tr("Track %1").arg(number);
    }
    //: between a track's details in the row menu (English, stereo, "Commentary")
    const QString separator = TrackMenus::tr(", ");
    //: a sound or subtitle track in the row menu; %1 is its number, %2 its details (language,
    //: channels or kind, title)
    return TrackMenus::tr("Track %1: %2").arg(number, details.join(separator));
}

QString ChannelsText(int channels)
{
    if (channels == 1)
        return TrackMenus::tr("mono");
    if (channels == 2)
        return TrackMenus::tr("stereo");
    return channels > 2 ? TrackMenus::tr("%1 channels").arg(channels) : QString();
}

SourceTreatment Planned(const ConversionTask &task, const SourceFacts &facts)
{
    return PlanTreatment(facts,
                         Interlacing::Unknown,
                         {task.soundTrack, task.subtitleTrack, QLocale().language()},
                         0);
}

} // namespace

TrackMenus::TrackMenus(CTavrelDlg *page, CTaskListCtrl *list)
    : QObject(page)
    , m_page(page)
{
    // Read when a row is added, so that the menu has them by the time it opens.
    connect(list->model(),
            &QAbstractItemModel::rowsInserted,
            this,
            [this](const QModelIndex &, int first, int last) { OnRowsAdded(first, last); });
}

TrackMenus::~TrackMenus() = default;

void TrackMenus::OnRowsAdded(int first, int last)
{
    for (int row = first; row <= last; ++row)
        m_facts.Request(m_page->tasks().at(row).sourcePath);
}

void TrackMenus::AddTo(QMenu *menu, int row)
{
    const ConversionTask task = m_page->tasks().at(row);
    m_facts.Request(task.sourcePath);
    const std::optional<SourceFacts> facts = m_facts.Facts(task.sourcePath);
    QMenu *sound = menu->addMenu(tr("Sound"));
    QMenu *subtitles = menu->addMenu(tr("Subtitles"));
    if (!facts) {
        for (QMenu *submenu : {sound, subtitles})
            submenu->addAction(tr("Reading the source…"))->setEnabled(false);
        return;
    }
    AddSound(sound, row, task, *facts);
    AddSubtitles(subtitles, row, task, *facts);
    for (QMenu *submenu : {sound, subtitles})
        submenu->setEnabled(!m_page->IsBusy());
}

void TrackMenus::AddSound(QMenu *menu,
                          int row,
                          const ConversionTask &task,
                          const SourceFacts &facts)
{
    if (facts.audio.isEmpty()) {
        menu->addAction(tr("No sound tracks"))->setEnabled(false);
        return;
    }
    const int playing = Planned(task, facts).soundTrack;
    auto *group = new QActionGroup(menu);
    for (const AudioTrackFacts &track : facts.audio) {
        const QString text = TrackText(track.trackIndex,
                                       {LanguageName(track.language),
                                        ChannelsText(track.channels),
                                        track.title.isEmpty() ? QString() : Quoted(track.title)});
        AddChoice(group,
                  text,
                  track.trackIndex == playing,
                  {row, task.sourcePath, true, track.trackIndex});
    }
}

void TrackMenus::AddSubtitles(QMenu *menu,
                              int row,
                              const ConversionTask &task,
                              const SourceFacts &facts)
{
    const int burned = Planned(task, facts).subtitleTrack;
    auto *group = new QActionGroup(menu);
    AddChoice(group, tr("None"), burned < 0, {row, task.sourcePath, false, NoTrack});
    for (const SubtitleTrackFacts &track : facts.subtitles) {
        const QString text = TrackText(track.trackIndex,
                                       {LanguageName(track.language),
                                        track.forced ? tr("forced") : QString(),
                                        track.text ? tr("text") : tr("pictures"),
                                        track.title.isEmpty() ? QString() : Quoted(track.title)});
        AddChoice(group,
                  text,
                  track.trackIndex == burned,
                  {row, task.sourcePath, false, track.trackIndex});
    }
}

void TrackMenus::AddChoice(QActionGroup *group,
                           const QString &text,
                           bool checked,
                           const Choice &choice)
{
    auto *menu = qobject_cast<QMenu *>(group->parent());
    QAction *action = menu->addAction(text, this, [this, choice] { Choose(choice); });
    action->setCheckable(true);
    action->setChecked(checked);
    group->addAction(action);
}

void TrackMenus::Choose(const Choice &choice)
{
    if (m_page->IsBusy() || m_page->tasks().at(choice.row).sourcePath != choice.path)
        return;
    m_page->tasks().update(choice.row, NoColumn, [&choice](ConversionTask &task) {
        if (choice.sound)
            task.soundTrack = choice.track;
        else
            task.subtitleTrack = choice.track;
    });
}
