#include "ProgramDir.h"
#include "SkinDriver.h"
#include "SkinFactory.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

namespace {

/// Draws its whole face from its palette, as the program's image buttons do.
class SelfDrawnButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().button());
        painter.setPen(palette().buttonText().color());
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
};

/// A small window like the program's page: a label, a field, two combos and a self-drawn button.
struct Page
{
    QDialog window;
    QLabel *label = new QLabel(QStringLiteral("Output directory"), &window);
    QLineEdit *field = new QLineEdit(QStringLiteral("/home/films"), &window);
    QComboBox *listCombo = new QComboBox(&window);
    QComboBox *plainCombo = new QComboBox(&window);
    SelfDrawnButton *button = new SelfDrawnButton(QStringLiteral("Start"), &window);

    Page()
    {
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w :
             std::initializer_list<QWidget *>{label, field, listCombo, plainCombo, button})
            layout->addWidget(w);
        for (QComboBox *combo : {listCombo, plainCombo})
            combo->addItems({QStringLiteral("320x240"), QStringLiteral("640x480")});
        button->setFixedSize(90, 28);
        window.setFixedSize(260, 200);
        window.show();
    }
};

QImage Grab(QWidget *widget)
{
    QCoreApplication::processEvents();
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

double Luminance(const QColor &c)
{
    const auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TestSkinEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void factoryByName_data();
    void factoryByName();
    void emptyDriverDoesNothing();
    void skinDrawsTheWindowsDarkAndReadable();
    void listLookForCombos();
    void unskinnedWindowDrawsItself();
    void unusableSkinFilesLeavePlainWindows_data();
    void unusableSkinFilesLeavePlainWindows();
    void endSkinningRestoresPlainWindows();

private:
    void startSkin(const QString &file);

    QTemporaryDir m_dir;
    QImage m_plainPage;
    QImage m_plainButton;
};

void TestSkinEngine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    g_programDir = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + QLatin1Char('/');
    QVERIFY(QFile::exists(g_programDir + QStringLiteral("Total_Eclipse.skf")));
    Page page;
    m_plainPage = Grab(&page.window);
    m_plainButton = Grab(page.button);
}

void TestSkinEngine::cleanup()
{
    g_skin.ReleaseDispatch();
    QCOMPARE(qApp->styleSheet(), QString());
}

void TestSkinEngine::startSkin(const QString &file)
{
    // The start-up order of the program.
    QVERIFY(g_skin.CreateDispatch(QLatin1String(SkinComponentName)));
    g_skin.SetSkinMode(0);
    g_skin.StartSkinning(1);
    g_skin.LoadSkinFile(file);
    g_skin.ActivateSkin();
}

void TestSkinEngine::factoryByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("created");
    QTest::addRow("the skin component") << "SkinCrafter.SCSkin" << true;
    QTest::addRow("letter case ignored") << "skincrafter.scskin" << true;
    QTest::addRow("another component") << "SkinCrafter.Other" << false;
    QTest::addRow("empty name") << "" << false;
}

void TestSkinEngine::factoryByName()
{
    QFETCH(QString, name);
    QFETCH(bool, created);
    QCOMPARE(bool(CreateSkinComponent(name)), created);
    SkinDriver driver;
    QCOMPARE(driver.CreateDispatch(name), created);
    QCOMPARE(driver.isEmpty(), !created);
}

void TestSkinEngine::emptyDriverDoesNothing()
{
    QVERIFY(!g_skin.CreateDispatch(QStringLiteral("No.Such.Component")));
    Page page;
    g_skin.SetSkinMode(0);
    g_skin.StartSkinning(1);
    g_skin.LoadSkinFile(QStringLiteral("Total_Eclipse.skf"));
    g_skin.ActivateSkin();
    g_skin.SetWindowUnskinned(&page.window, 0);
    g_skin.SetWindowUnskinned(nullptr, 1);
    g_skin.SetWindowKind(page.listCombo, 1);
    g_skin.EndSkinning();
    QCOMPARE(qApp->styleSheet(), QString());
    QCOMPARE(Grab(&page.window), m_plainPage);
}

void TestSkinEngine::skinDrawsTheWindowsDarkAndReadable()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("stylesheet|style sheet"),
                                            QRegularExpression::CaseInsensitiveOption));
    startSkin(QStringLiteral("Total_Eclipse.skf"));
    QVERIFY(g_skin.component()->isActive());
    QFile file(g_programDir + QStringLiteral("Total_Eclipse.skf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(qApp->styleSheet(), QString::fromUtf8(file.readAll()));

    Page page;
    const QImage skinned = Grab(&page.window);
    QVERIFY(skinned != m_plainPage);
    const QColor background = skinned.pixelColor(2, 2);
    QVERIFY2(background.lightness() < 60, qPrintable(background.name()));
    // Text on the window and in the field stays readable (WCAG AAA contrast for body text).
    const QColor text = page.label->palette().color(QPalette::WindowText);
    QVERIFY2(Contrast(text, background) >= 7.0, qPrintable(text.name()));
    const QColor fieldText = page.field->palette().color(QPalette::Text);
    const QColor fieldBase = page.field->palette().color(QPalette::Base);
    QVERIFY2(Contrast(fieldText, fieldBase) >= 7.0,
             qPrintable(fieldText.name() + QLatin1Char(' ') + fieldBase.name()));
}

void TestSkinEngine::listLookForCombos()
{
    startSkin(QStringLiteral("Total_Eclipse.skf"));
    Page page;
    const QImage before = Grab(page.listCombo);
    QCOMPARE(before, Grab(page.plainCombo));
    g_skin.SetWindowKind(page.listCombo, 1);
    QCOMPARE(page.listCombo->property(SkinEngine::KindProperty).toInt(), 1);
    QVERIFY(Grab(page.listCombo) != Grab(page.plainCombo));
    g_skin.SetWindowKind(page.listCombo, 0);
    QCOMPARE(Grab(page.listCombo), Grab(page.plainCombo));
}

void TestSkinEngine::unskinnedWindowDrawsItself()
{
    const QImage plainButton = m_plainButton;
    startSkin(QStringLiteral("Total_Eclipse.skf"));
    Page page;
    QVERIFY(Grab(page.button) != plainButton); // the skin recolours a button that is not exempt
    g_skin.SetWindowUnskinned(page.button, 1);
    QCOMPARE(Grab(page.button), plainButton);
    // The rest of the window keeps the skin.
    QVERIFY(Grab(&page.window).pixelColor(2, 2).lightness() < 60);
    g_skin.SetWindowUnskinned(page.button, 0);
    QVERIFY(Grab(page.button) != plainButton);

    // Declared before the skin is switched on: still left alone once it is.
    g_skin.ReleaseDispatch();
    Page early;
    QVERIFY(g_skin.CreateDispatch(QLatin1String(SkinComponentName)));
    g_skin.StartSkinning(1);
    g_skin.LoadSkinFile(QStringLiteral("Total_Eclipse.skf"));
    g_skin.SetWindowUnskinned(early.button, 1);
    g_skin.ActivateSkin();
    QCOMPARE(Grab(early.button), plainButton);
}

void TestSkinEngine::unusableSkinFilesLeavePlainWindows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");
    QTest::addRow("missing file") << "missing.skf" << QByteArray() << false;
    QTest::addRow("empty file") << "empty.skf" << QByteArray() << true;
    QTest::addRow("only blanks") << "blank.skf" << QByteArray(" \n\t\n") << true;
    QTest::addRow("binary data") << "binary.skf" << QByteArray("\x00\xff\xfe\x81skin", 8) << true;
    QTest::addRow("larger than a skin can be")
        << "huge.skf" << QByteArray(2 * 1024 * 1024, 'a') << true;
    QTest::addRow("a folder") << "folder.skf" << QByteArray() << false;
    QTest::addRow("no name") << "" << QByteArray() << false;
}

void TestSkinEngine::unusableSkinFilesLeavePlainWindows()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, create);
    const QString path = name.isEmpty() ? QString() : m_dir.filePath(name);
    if (create) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    if (name == QLatin1String("folder.skf"))
        QVERIFY(QDir(m_dir.path()).mkdir(name));

    startSkin(path);
    QVERIFY(!g_skin.component()->isActive());
    QCOMPARE(qApp->styleSheet(), QString());
    Page page;
    g_skin.SetWindowUnskinned(page.button, 1);
    g_skin.SetWindowKind(page.listCombo, 1);
    QCOMPARE(Grab(&page.window), m_plainPage);
}

void TestSkinEngine::endSkinningRestoresPlainWindows()
{
    startSkin(QStringLiteral("Total_Eclipse.skf"));
    Page page;
    g_skin.SetWindowUnskinned(page.button, 1);
    g_skin.SetWindowKind(page.listCombo, 1);
    QVERIFY(Grab(&page.window) != m_plainPage);
    g_skin.EndSkinning();
    QCOMPARE(qApp->styleSheet(), QString());
    QVERIFY(page.button->styleSheet().isEmpty());
    QCOMPARE(Grab(&page.window), m_plainPage);
}

QTEST_MAIN(TestSkinEngine)
#include "tst_skin_engine.moc"
