#include "CTavrelDlg.h"

#include "AppSettings.h"
#include "AppTranslations.h"
#include "BatchControls.h"
#include "BatchNotifier.h"
#include "BatchPresenter.h"
#include "CFadePicture.h"
#include "CImageButton.h"
#include "CMainFrameDlg.h"
#include "CRangeSlider.h"
#include "CTaskListCtrl.h"
#include "CVideoEdit.h"
#include "CellInfo.h"
#include "ConversionBatch.h"
#include "FfmpegConverter.h"
#include "OutputTypeRules.h"
#include "ProfileFile.h"
#include "ProgramDir.h"
#include "ProgressText.h"
#include "ResourceImages.h"
#include "SettingTables.h"
#include "ShellActions.h"
#include "SkinDriver.h"
#include "TaskRowActions.h"
#include "TickCount.h"
#include "WindowAccessibility.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QUrl>

namespace {

/// The preview picture fades in with this pause after each step, milliseconds.
constexpr int kPictureStepDelay = 100;

} // namespace

CTavrelDlg::CTavrelDlg(QWidget *parent)
    : QWidget(parent)
{
    // The page's font: small and compact, so every text fits the place the table gives it.
    QFont pageFont;
    pageFont.setFamilies({QStringLiteral("Tahoma"),
                          QStringLiteral("Segoe UI"),
                          QStringLiteral("DejaVu Sans Condensed"),
                          QStringLiteral("Sans Serif")});
    pageFont.setPixelSize(11);
    setFont(pageFont);
    // Labels, radio buttons and the check box stand on the dark background picture: their
    // text is light, also when no skin is loaded.
    QPalette pagePalette = palette();
    pagePalette.setColor(QPalette::Active, QPalette::WindowText, QColor(0xdd, 0xe2, 0xe8));
    pagePalette.setColor(QPalette::Inactive, QPalette::WindowText, QColor(0xdd, 0xe2, 0xe8));
    pagePalette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x7a, 0x84, 0x8e));
    setPalette(pagePalette);

    setAcceptDrops(true);
    InstallWindowAccessibleInterfaces();
    CreateControls();
    BindControls();
    ConnectHandlers();
    qApp->installEventFilter(this);
    OnInitDialog();
    SetUpWindowAccessibility(*this);
}

CTavrelDlg::~CTavrelDlg()
{
    // The window closes only once its batch has ended; a page destroyed otherwise ends every
    // job at once, before the tasks go.
    m_batch->Abandon();
    qApp->removeEventFilter(this);
    // Children go after this body; nothing may reach the list through the array meanwhile.
    m_tasks.setCellInvalidator({});
}

// --- creation ---------------------------------------------------------------------------------

void CTavrelDlg::CreateControls()
{
    for (const ControlEntry &entry : ControlTable()) {
        QWidget *control = CreateControl(entry);
        control->setObjectName(QStringLiteral("control%1").arg(entry.id));
        control->setProperty("controlId", entry.id);
        m_controls.insert(entry.id, control);
    }
    // The settings frame is created among the controls it surrounds; it must lie beneath them
    // all, or it would take their clicks.
    Control(IDC_SETTINGS_GROUP)->lower();

    // The page's font is set on every widget inside it, not only inherited: a skin's style sheet
    // re-resolves the fonts of the widgets it styles and would give some of them (the combo
    // boxes, the list header's viewport) the application's larger font.
    const QList<QWidget *> widgets = findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!widget->isWindow())
            widget->setFont(font());
    }
}

QWidget *CTavrelDlg::CreateControl(const ControlEntry &entry)
{
    switch (entry.kind) {
    case ControlKind::TaskList:
        return new CTaskListCtrl(this);
    case ControlKind::ImageButton:
        return new CImageButton(this);
    case ControlKind::Label:
        return new QLabel(ControlText(entry), this);
    case ControlKind::Edit:
        return new QLineEdit(this);
    case ControlKind::PushButton: {
        auto *button = new QPushButton(ControlText(entry), this);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::FadePicture:
        return new CFadePicture(this);
    case ControlKind::MediaControl:
        return new CVideoEdit(this);
    case ControlKind::RangeSlider:
        return new CRangeSlider(this);
    case ControlKind::GroupBox:
        return new QGroupBox(this);
    case ControlKind::RadioButton:
        return new QRadioButton(ControlText(entry), this);
    case ControlKind::ComboBox: {
        auto *combo = new QComboBox(this);
        combo->setEditable(false);
        if (const SettingTable *table = SettingTableForCombo(entry.id)) {
            for (const SettingItem &item : table->items)
                combo->addItem(SettingText(item.itemText));
        }
        return combo;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(ControlText(entry), this);
    }
    return new QWidget(this);
}

void CTavrelDlg::BindControls()
{
    m_taskList = ControlAs<CTaskListCtrl>(IDC_TASK_LIST);
    m_addButton = ControlAs<CImageButton>(IDC_ADD);
    m_removeButton = ControlAs<CImageButton>(IDC_REMOVE);
    m_removeAllButton = ControlAs<CImageButton>(IDC_REMOVE_ALL);
    m_outputDirEdit = ControlAs<QLineEdit>(IDC_OUTPUT_DIR);
    m_browseButton = ControlAs<QPushButton>(IDC_BROWSE);
    m_picture = ControlAs<CFadePicture>(IDC_PICTURE);
    m_media = ControlAs<CVideoEdit>(IDC_MEDIA);
    m_previewPlayButton = ControlAs<CImageButton>(IDC_PREVIEW_PLAY);
    m_previewStopButton = ControlAs<CImageButton>(IDC_PREVIEW_STOP);
    m_rangeSlider = ControlAs<CRangeSlider>(IDC_RANGE_SLIDER);
    m_toMpeg4Radio = ControlAs<QRadioButton>(IDC_TO_MPEG4);
    m_toWmvRadio = ControlAs<QRadioButton>(IDC_TO_WMV);
    m_titleEdit = ControlAs<QLineEdit>(IDC_TITLE);
    m_mpeg4ProfileLabel = ControlAs<QLabel>(IDC_LABEL_MPEG4_PROFILE);
    m_mpeg4ProfileCombo = ControlAs<QComboBox>(IDC_MPEG4_PROFILE);
    m_wmvProfileLabel = ControlAs<QLabel>(IDC_LABEL_WMV_PROFILE);
    m_wmvProfileCombo = ControlAs<QComboBox>(IDC_WMV_PROFILE);
    for (int id : SettingComboIds())
        m_settingCombos.append(ControlAs<QComboBox>(id));
    m_shutdownCheck = ControlAs<QCheckBox>(IDC_SHUTDOWN);
    m_helpButton = ControlAs<QPushButton>(IDC_HELP_BUTTON);
    m_startButton = ControlAs<CImageButton>(IDC_START);
    m_stopButton = ControlAs<CImageButton>(IDC_STOP);
    m_pauseButton = ControlAs<CImageButton>(IDC_PAUSE);
    m_simultaneousCombo = ControlAs<QComboBox>(IDC_SIMULTANEOUS);

    m_titleEdit->setMaxLength(kMaxTitleLength);
    // While a thumb is dragged its time shows beside it, as the list's time columns show it.
    m_rangeSlider->SetValueText([](double seconds) { return FormatHms(TruncateToInt(seconds)); });
    m_tasks.setCellInvalidator([list = m_taskList](int first, int last, int column) {
        list->InvalidateCells(first, last, column, false);
    });
    // Each job converts with a converter of its own, never with the preview's; they use the
    // same ffmpeg program.
    m_batch = new ConversionBatch(
        m_tasks,
        [media = m_media]() -> std::unique_ptr<MediaConverter> {
            auto converter = std::make_unique<FfmpegConverter>();
            converter->SetFfmpegProgram(media->Converter().FfmpegProgram());
            return converter;
        },
        this);
}

// The page's message map: every control event goes to its one handler here. Combo boxes report
// only the user's choices (activated), so the page's own selections raise no handler.
void CTavrelDlg::ConnectHandlers()
{
    connect(m_addButton, &QPushButton::clicked, this, &CTavrelDlg::OnAdd);
    connect(m_removeButton, &QPushButton::clicked, this, &CTavrelDlg::OnRemove);
    connect(m_removeAllButton, &QPushButton::clicked, this, &CTavrelDlg::OnRemoveAll);
    connect(m_taskList, &CTaskListCtrl::listClicked, this, &CTavrelDlg::OnTaskListClick);
    connect(m_taskList, &CTaskListCtrl::listRightClicked, this, &CTavrelDlg::OnTaskListClick);
    connect(m_taskList, &CTaskListCtrl::listDoubleClicked, this, &CTavrelDlg::OnTaskListClick);
    connect(m_taskList, &CTaskListCtrl::listRightDoubleClicked, this, &CTavrelDlg::OnTaskListClick);
    connect(m_startButton, &QPushButton::clicked, this, &CTavrelDlg::OnStart);
    connect(m_stopButton, &QPushButton::clicked, this, &CTavrelDlg::OnStop);
    connect(m_pauseButton, &QPushButton::clicked, this, &CTavrelDlg::OnPause);
    auto *pauseKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    pauseKey->setContext(Qt::WindowShortcut);
    connect(pauseKey, &QShortcut::activated, this, &CTavrelDlg::OnPause);
    connect(m_browseButton, &QPushButton::clicked, this, &CTavrelDlg::OnBrowse);
    connect(m_helpButton, &QPushButton::clicked, this, &CTavrelDlg::OpenHelp);
    connect(m_previewPlayButton, &QPushButton::clicked, this, &CTavrelDlg::OnPreviewPlay);
    connect(m_previewStopButton, &QPushButton::clicked, this, &CTavrelDlg::OnPreviewStop);
    connect(m_toMpeg4Radio, &QRadioButton::clicked, this, &CTavrelDlg::OnToZuneMpeg4);
    connect(m_toWmvRadio, &QRadioButton::clicked, this, &CTavrelDlg::OnToZuneWmv);
    // Only the user's typing (textEdited) changes the task, never the page's own setText.
    connect(m_titleEdit, &QLineEdit::textEdited, this, &CTavrelDlg::OnTitleChanged);
    connect(m_mpeg4ProfileCombo, &QComboBox::activated, this, &CTavrelDlg::OnMpeg4ProfileChanged);
    connect(m_wmvProfileCombo, &QComboBox::activated, this, &CTavrelDlg::OnWmvProfileChanged);
    for (int id : SettingComboIds()) {
        connect(ControlAs<QComboBox>(id), &QComboBox::activated, this, [this, id] {
            OnSettingChanged(id);
        });
    }
    m_batchControls = new BatchControls(
        m_batch, m_startButton, m_stopButton, m_pauseButton, m_simultaneousCombo);
    // A job that starts or ends on the current task changes whether it can be edited.
    connect(m_batch, &ConversionBatch::progressChanged, this, &CTavrelDlg::UpdateEditability);
    connect(m_batch, &ConversionBatch::stateChanged, this, &CTavrelDlg::UpdateEditability);
    new BatchPresenter(m_batch, this); // after the buttons: the caption follows them
    new BatchNotifier(m_batch, this);
    new TaskRowActions(this, m_taskList, m_batch);
    connect(m_media, &CVideoEdit::PlaybackEnded, this, &CTavrelDlg::OnPlaybackEnded);
}

// --- set-up -----------------------------------------------------------------------------------

void CTavrelDlg::OnInitDialog()
{
    SetUpControls();
    m_destination = ReadDestination();
    m_outputDirEdit->setText(m_destination);
    m_background = LoadResourcePixmap(IDB_BACKGROUND);
    SetFrameTitle();
}

void CTavrelDlg::SetUpControls()
{
    for (QComboBox *combo : std::as_const(m_settingCombos))
        g_skin.SetWindowKind(combo, 1);
    g_skin.SetWindowKind(m_simultaneousCombo, 1);
    for (const ImageButtonEntry &entry : ImageButtonTable())
        g_skin.SetWindowUnskinned(Control(entry.id), 1);

    InsertColumns();
    m_taskList->SetFullRowSelect(true);

    SetUpImageButtons();
    LoadProfiles();
    m_outputDirEdit->setEnabled(false);
    FillWmvProfiles();
    ResetSettings();

    m_stopButton->hide();
    m_pauseButton->hide();
    m_media->hide();
    m_media->SetStartupFlag(true);
    m_picture->StartFade(IDB_PREVIEW_AREA, kPictureStepDelay);

    // Placed once, from the table, after the fade has started: the fade sizes the picture to its
    // image, and the table's rectangle is what the page shows.
    MoveControlsToTable();
    Control(IDC_UNUSED_BUTTON1)->hide();
    Control(IDC_UNUSED_BUTTON2)->hide();

    m_outputTypeRadio = 0;
    m_toMpeg4Radio->setChecked(true);
    m_outputType = 0;
    ApplyOutputType(0);
}

void CTavrelDlg::InsertColumns()
{
    const QList<ColumnEntry> &columns = ColumnTable();
    for (int i = 0; i < columns.size(); ++i)
        m_taskList->InsertColumn(
            i, ColumnHeading(columns[i]), columns[i].alignment, columns[i].width);
}

void CTavrelDlg::SetUpImageButtons()
{
    for (const ImageButtonEntry &entry : ImageButtonTable()) {
        auto *button = ControlAs<CImageButton>(entry.id);
        if (entry.icons) {
            button->SetIconPair(entry.hotImage, entry.normalImage);
            button->SetImageAlign(CImageButton::AlignTop, true);
        } else {
            button->SetBitmapPair(
                entry.hotImage, kPictureKeyColor, entry.normalImage, kPictureKeyColor);
        }
        button->UseParentBackground(false);
        button->SetHoverBorder(false, true);
    }
    for (const ImageButtonEntry &entry : ImageButtonTable())
        ControlAs<CImageButton>(entry.id)->SetTipText(ImageButtonTooltip(entry), true);
}

void CTavrelDlg::LoadProfiles()
{
    // The batch has read the profile file from the app folder; its command lines come from the
    // same reading.
    const ProfileList &profiles = m_batch->Profiles().List();
    if (!profiles.hasInfo)
        return;
    QScopedValueRollback<int> guard(m_settingProfile, 1);
    m_mpeg4ProfileCombo->clear();
    // Shown in the person's language when the profile file has the title in it.
    const QString language = InstalledLanguage();
    for (int i = 0; i < profiles.titles.size(); ++i)
        m_mpeg4ProfileCombo->addItem(profiles.ShownTitle(i, language));
    const bool inRange
        = profiles.defaultIndex >= 0 && profiles.defaultIndex < profiles.titles.size();
    m_mpeg4ProfileCombo->setCurrentIndex(inRange ? profiles.defaultIndex : -1);
}

void CTavrelDlg::FillWmvProfiles()
{
    const MediaItemList list = m_media->WmvProfileList();
    for (int i = 0; i < list.Count(); ++i) {
        QString name = list.ItemName(i);
        qsizetype blanks = 0;
        while (blanks < name.size() && name.at(blanks).isSpace())
            ++blanks;
        name.remove(0, blanks);
        if (!name.isEmpty())
            m_wmvProfileCombo->addItem(name);
    }
    if (m_wmvProfileCombo->count() > 0)
        m_wmvProfileCombo->setCurrentIndex(0);
}

void CTavrelDlg::MoveControlsToTable()
{
    for (const ControlEntry &entry : ControlTable()) {
        if (!entry.rect.isNull())
            Control(entry.id)->setGeometry(entry.rect);
    }
}

void CTavrelDlg::SetFrameTitle()
{
    if (g_mainFrame)
        g_mainFrame->setWindowTitle(FrameCaption(g_productName, ReadStoredVersion()));
}

// --- handlers ---------------------------------------------------------------------------------

void CTavrelDlg::OnStart()
{
    if (IsBusy())
        return;
    m_batch->Start(m_outputDirEdit->text(), m_shutdownCheck->isChecked());
}

void CTavrelDlg::OnStop()
{
    m_batch->Stop();
}

void CTavrelDlg::OnPause()
{
    if (m_batch->IsPaused())
        m_batch->Resume();
    else
        m_batch->Pause();
}

void CTavrelDlg::OnBrowse()
{
    if (IsBusy())
        return;
    const QString current = m_outputDirEdit->text();
    const QString folder
        = ShellActions::PickFolder(this, QFileInfo(current).isDir() ? current : QString());
    if (folder.isEmpty())
        return;
    m_outputDirEdit->setText(folder);
    WriteDestination(folder);
}

void CTavrelDlg::OpenHelp()
{
    ShellActions::OpenDocument(this, g_programDir + QStringLiteral("help/help.html"));
}

void CTavrelDlg::OnGetCellInfo(CellInfo *info)
{
    if (!info || !m_tasks.isValidIndex(info->item))
        return;
    const ConversionTask task = m_tasks.at(info->item);
    ApplyTaskCell(
        *info,
        ComputeTaskCell(
            task, info->item, info->subItem, m_batch->WmvStartTick(task.id), TickCount()));
}

// --- events -----------------------------------------------------------------------------------

bool CTavrelDlg::event(QEvent *event)
{
    if (event->type() == GetCellInfoEvent::eventType()) {
        OnGetCellInfo(static_cast<GetCellInfoEvent *>(event)->record());
        return true;
    }
    if (event->type() == QEvent::Type(RANGE_CHANGED)) {
        const auto *range = static_cast<CRangeChangedEvent *>(event);
        OnRangeChanged(range->wParam(), range->lParam());
        return true;
    }
    return QWidget::event(event);
}

bool CTavrelDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (PreTranslateMessage(watched, event))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool CTavrelDlg::PreTranslateMessage(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    QWidget *top = window();
    if (!widget || (widget != top && !top->isAncestorOf(widget)))
        return false;
    // Enter and Escape never reach the window's buttons and never close the window.
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        return true;
    // The list's navigation keys move the current task; the list itself never sees them.
    if (watched == m_taskList && event->type() == QEvent::KeyPress)
        return OnTaskListKey(key, static_cast<QKeyEvent *>(event)->modifiers());
    return false;
}

void CTavrelDlg::paintEvent(QPaintEvent *event)
{
    if (m_background.isNull())
        return;
    // The picture is stretched over the whole page; children that fill no background of their
    // own (image buttons, slider, labels) show it behind them. The stretched copy is kept, so a
    // repaint behind a small control only copies pixels.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_scaledBackground.size() != pixels) {
        m_scaledBackground
            = m_background.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaledBackground.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(
        event->rect().topLeft(),
        m_scaledBackground,
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
}
