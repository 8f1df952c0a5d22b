// The window in each shipped language: every text of the control table fits its control with the
// control's own font (labels, buttons, radio buttons, the check box, the setting combos' items,
// the list's column headings), and every message box text has a translation. A language whose
// translation is not there yet is skipped.

#include "AppTranslations.h"
#include "BatchNotice.h"
#include "BatchTexts.h"
#include "CMainFrameDlg.h"
#include "CTaskListCtrl.h"
#include "CTavrelDlg.h"
#include "ControlTable.h"
#include "NotAddedNotice.h"
#include "ProgramDir.h"
#include "SkinDriver.h"
#include "SkinFactory.h"
#include "WindowMessages.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QStyleOption>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

/// The message box texts the engine builds, as a person reads them in the language installed.
QStringList engineMessages()
{
    return {FinishedMessageText(0, 2),
            FinishedMessageText(1, 2),
            NotAddedNoticeText({QStringLiteral("notes.txt")}),
            BatchNoticeText(2, 0),
            BatchNoticeText(1, 1)};
}

/// Room a control's style leaves for its text, pixels.
int roomForText(QWidget *widget, ControlKind kind)
{
    QStyle *style = widget->style();
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        if (kind == ControlKind::PushButton)
            return style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const bool radio = kind == ControlKind::RadioButton;
        return button->contentsRect().width()
               - style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth
                                          : QStyle::PM_IndicatorWidth,
                                    &option,
                                    button)
               - style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                          : QStyle::PM_CheckBoxLabelSpacing,
                                    &option,
                                    button);
    }
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.frame = combo->hasFrame();
        option.subControls = QStyle::SC_All;
        return style
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
            .width();
    }
    return widget->contentsRect().width();
}

} // namespace

class tst_TextFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void textsFitTheirControls_data();
    void textsFitTheirControls();
    void messagesAreTranslated_data() { textsFitTheirControls_data(); }
    void messagesAreTranslated();

private:
    /// Installs language's translation; false (the test then skips) when there is none.
    bool useLanguage(const QString &language)
    {
        return InstallTranslations(QLocale(language)) || language == u"en";
    }
    /// Notes a text that needs more than the room it has; where names the language and control.
    void check(const QString &where, const QString &text, int need, int room);

    QStringList m_failures;
};

void tst_TextFit::initTestCase()
{
    // The window as the program shows it: its folder, its skin.
    g_programDir = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + u'/';
    g_skin.CreateDispatch(QString::fromLatin1(SkinComponentName));
    g_skin.SetSkinMode(0);
    g_skin.StartSkinning(1);
    g_skin.LoadSkinFile(QStringLiteral("Total_Eclipse.skf"));
    g_skin.ActivateSkin();
}

void tst_TextFit::cleanupTestCase()
{
    g_skin.ReleaseDispatch();
}

void tst_TextFit::cleanup()
{
    InstallTranslations(QLocale(QStringLiteral("en")));
}

void tst_TextFit::textsFitTheirControls_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : QStringList{QStringLiteral("en")} + ShippedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void tst_TextFit::check(const QString &where, const QString &text, int need, int room)
{
    if (need > room)
        m_failures << QStringLiteral("%1: \"%2\" needs %3 px, has %4 px")
                          .arg(where, text)
                          .arg(need)
                          .arg(room);
}

void tst_TextFit::textsFitTheirControls()
{
    QFETCH(QString, language);
    if (!useLanguage(language))
        QSKIP("no translation for this language yet");
    const auto frame = std::make_unique<CMainFrameDlg>();
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    CTavrelDlg *page = frame->page();
    m_failures.clear();

    for (const ControlEntry &entry : ControlTable()) {
        QWidget *widget = page->Control(entry.id);
        const QString where = QStringLiteral("%1, control %2").arg(language).arg(entry.id);
        const QFontMetrics metrics(widget->font());
        if (entry.kind == ControlKind::ComboBox) {
            const auto *combo = qobject_cast<QComboBox *>(widget);
            if (!SettingComboIds().contains(entry.id) && entry.id != IDC_SIMULTANEOUS)
                continue; // profile titles are data, not the program's texts
            for (int i = 0; i < combo->count(); ++i) {
                const QString item = combo->itemText(i);
                check(
                    where, item, metrics.horizontalAdvance(item), roomForText(widget, entry.kind));
            }
        } else if (!entry.text.isEmpty()) {
            const auto *label = qobject_cast<QLabel *>(widget);
            const QString text
                = (label ? label->text() : qobject_cast<QAbstractButton *>(widget)->text())
                      .remove(u'&');
            QVERIFY2(!text.isEmpty(), qPrintable(QString::number(entry.id)));
            check(where, text, metrics.horizontalAdvance(text), roomForText(widget, entry.kind));
        }
    }

    auto *list = qobject_cast<CTaskListCtrl *>(page->Control(IDC_TASK_LIST));
    QHeaderView *header = list->horizontalHeader();
    for (int column = 0; column < ColumnTable().size(); ++column) {
        QStyleOptionHeader option;
        option.initFrom(header);
        option.section = column;
        option.rect = QRect(0, 0, header->sectionSize(column), header->height());
        option.text = list->model()->headerData(column, Qt::Horizontal).toString();
        const QRect label
            = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header);
        check(QStringLiteral("%1, column %2").arg(language).arg(column),
              option.text,
              option.fontMetrics.horizontalAdvance(option.text),
              label.width());
    }
    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join(u'\n')));
}

void tst_TextFit::messagesAreTranslated()
{
    QFETCH(QString, language);
    InstallTranslations(QLocale(QStringLiteral("en")));
    const QStringList english = engineMessages();
    if (language == u"en" || !useLanguage(language))
        QSKIP("English is the source, or no translation for this language yet");
    // The window's own texts by their entries, since a word may rightly stay as it is
    // ("Information"); the engine's sentences by what they become.
    QTranslator own;
    QVERIFY(own.load(QLocale(language),
                     QStringLiteral("tavrel"),
                     QStringLiteral("_"),
                     qEnvironmentVariable("TAVREL_TRANSLATIONS_DIR", QStringLiteral(":/i18n"))));
    QStringList untranslated;
    for (WindowMessage which : WindowMessages()) {
        const QString source = WindowMessageSource(which);
        if (own.translate("WindowMessages", source.toUtf8().constData()).isEmpty())
            untranslated << source;
    }
    const QStringList shown = engineMessages();
    for (int i = 0; i < english.size(); ++i) {
        if (shown.at(i) == english.at(i))
            untranslated << english.at(i).trimmed();
    }
    QVERIFY2(untranslated.isEmpty(),
             qPrintable(language + u" lacks: \""_qs + untranslated.join(u"\", \""_qs) + u'"'));
}

QTEST_MAIN(tst_TextFit)
#include "tst_textfit.moc"
