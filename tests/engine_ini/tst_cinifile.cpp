#include "CIniFile.h"
#include "ProfileList.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_CIniFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void getString_data();
    void getString();
    void hasSection_data();
    void hasSection();
    void sectionNames_data();
    void sectionNames();
    void setPathTellsWhetherAFileExists();
    void longValuesAreCut();
    void editedFileIsReadAfresh();
    void profileTitlesInTheLanguages_data();
    void profileTitlesInTheLanguages();

private:
    QString write(const QByteArray &content, const QString &name = QStringLiteral("p.ini"));
    QScopedPointer<QTemporaryDir> m_dir;
};

static const QByteArray profileText = "; comment line\r\n"
                                      "[Info]\r\n"
                                      "DefaultProfile = 2 \r\n"
                                      "\r\n"
                                      "[profile0]\r\n"
                                      "Title=\"  Quoted title  \"\r\n"
                                      "Command0=tavenc -i \"$INPUT_FILE\" \"$OUTPUT_FILE\"\r\n"
                                      "  ; indented comment\r\n"
                                      "Half=\"only one quote\r\n"
                                      "Single='single'\r\n"
                                      "Inner=a ; not a comment\r\n"
                                      "[Profile1]\n"
                                      "title=lower-case key\n"
                                      "[profile0]\n"
                                      "Title=second section of the same name\n"
                                      "Extra=only here\n"
                                      "[empty]\n";

QString tst_CIniFile::write(const QByteArray &content, const QString &name)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    return path;
}

void tst_CIniFile::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void tst_CIniFile::getString_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("trimmed value") << "Info"
                                   << "DefaultProfile"
                                   << "2";
    QTest::newRow("section name ignores case") << "INFO"
                                               << "defaultprofile"
                                               << "2";
    QTest::newRow("one pair of quotes removed, inner blanks kept") << "profile0"
                                                                   << "Title"
                                                                   << "  Quoted title  ";
    QTest::newRow("quotes inside a value stay") << "profile0"
                                                << "Command0"
                                                << "tavenc -i \"$INPUT_FILE\" \"$OUTPUT_FILE\"";
    QTest::newRow("unpaired quote stays") << "profile0"
                                          << "Half"
                                          << "\"only one quote";
    QTest::newRow("single quotes removed") << "profile0"
                                           << "Single"
                                           << "single";
    QTest::newRow("semicolon inside a line is text") << "profile0"
                                                     << "Inner"
                                                     << "a ; not a comment";
    QTest::newRow("key name ignores case") << "profile1"
                                           << "TITLE"
                                           << "lower-case key";
    QTest::newRow("first section of a name wins") << "profile0"
                                                  << "Extra"
                                                  << "";
    QTest::newRow("missing key") << "profile0"
                                 << "Nothing"
                                 << "";
    QTest::newRow("missing section") << "profile9"
                                     << "Title"
                                     << "";
    QTest::newRow("section without keys") << "empty"
                                          << "Title"
                                          << "";
}

void tst_CIniFile::getString()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    CIniFile ini;
    ini.SetPath(write(profileText));
    QCOMPARE(ini.GetString(section, key), expected);
}

void tst_CIniFile::hasSection_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<bool>("expected");
    QTest::newRow("present") << profileText << "Info" << true;
    QTest::newRow("other case") << profileText << "info" << true;
    QTest::newRow("no keys") << profileText << "empty" << false;
    QTest::newRow("absent") << profileText << "Other" << false;
    QTest::newRow("only comments inside")
        << QByteArray("[Info]\n;DefaultProfile=1\n") << "Info" << false;
    QTest::newRow("keys before any section belong to none")
        << QByteArray("DefaultProfile=1\n[Info]\n") << "Info" << false;
}

void tst_CIniFile::hasSection()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(bool, expected);
    CIniFile ini;
    ini.SetPath(write(content));
    QCOMPARE(ini.HasSection(section), expected);
}

void tst_CIniFile::sectionNames_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("file order, duplicates kept")
        << profileText << QStringList{"Info", "profile0", "Profile1", "profile0", "empty"};
    QTest::newRow("no sections gives one empty name") << QByteArray("a=b\n") << QStringList{""};
    QTest::newRow("empty file") << QByteArray() << QStringList{""};
    QTest::newRow("byte order mark")
        << QByteArray("\xEF\xBB\xBF[Info]\nx=1\n") << QStringList{"Info"};
    QTest::newRow("blanks around the name") << QByteArray("[ Info ]\n") << QStringList{"Info"};
}

void tst_CIniFile::sectionNames()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, expected);
    CIniFile ini;
    ini.SetPath(write(content));
    QStringList names{QStringLiteral("stale")};
    QCOMPARE(ini.GetSectionNames(names), int(expected.size()));
    QCOMPARE(names, expected);
}

void tst_CIniFile::setPathTellsWhetherAFileExists()
{
    CIniFile ini;
    QCOMPARE(ini.SetPath(write("[Info]\n")), 1);
    QCOMPARE(ini.SetPath(m_dir->path()), 0); // a folder
    const QString missing = m_dir->filePath(QStringLiteral("missing.ini"));
    QCOMPARE(ini.SetPath(missing), 0);
    QCOMPARE(ini.path(), missing); // stored anyway
    QCOMPARE(ini.GetString(QStringLiteral("Info"), QStringLiteral("DefaultProfile")), QString());
    QVERIFY(!ini.HasSection(QStringLiteral("Info")));
    QStringList names;
    QCOMPARE(ini.GetSectionNames(names), 1);
}

void tst_CIniFile::longValuesAreCut()
{
    const QByteArray value(2000, 'x');
    const QByteArray name(300, 'n');
    CIniFile ini;
    ini.SetPath(write("[s]\nk=" + value + "\n[" + name + "]\nk=1\n"));
    QCOMPARE(ini.GetString(QStringLiteral("s"), QStringLiteral("k")).size(),
             CIniFile::MaxValueLength);
    QStringList names;
    ini.GetSectionNames(names);
    QCOMPARE(names.at(1).size(), CIniFile::MaxSectionNameLength);
}

void tst_CIniFile::editedFileIsReadAfresh()
{
    CIniFile ini;
    ini.SetPath(write("[Info]\nDefaultProfile=1\n"));
    QCOMPARE(ini.GetString(QStringLiteral("Info"), QStringLiteral("DefaultProfile")),
             QStringLiteral("1"));
    write("[Info]\nDefaultProfile=3\n");
    QCOMPARE(ini.GetString(QStringLiteral("Info"), QStringLiteral("DefaultProfile")),
             QStringLiteral("3"));
}

void tst_CIniFile::profileTitlesInTheLanguages_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QString>("language"); ///< empty: English
    QTest::addColumn<QString>("shown");

    QTest::newRow("English: the plain title") << 0 << ""
                                              << "Custom";
    QTest::newRow("a language the file has") << 0 << "pt_BR"
                                             << "Personalizado";
    QTest::newRow("a language the file lacks: the plain title") << 0 << "ja"
                                                                << "Custom";
    QTest::newRow("a profile without translations") << 1 << "pt_BR"
                                                    << "Plain";
    QTest::newRow("a profile out of range: nothing") << 5 << "pt_BR"
                                                     << "";
}

void tst_CIniFile::profileTitlesInTheLanguages()
{
    QFETCH(int, profile);
    QFETCH(QString, language);
    QFETCH(QString, shown);
    const ProfileList list = ReadProfileList(write("[Info]\nDefaultProfile=0\n"
                                                   "[profile0]\nTitle=Custom\n"
                                                   "Title[pt_BR]=Personalizado\nTitle[de]=Eigene\n"
                                                   "[profile1]\nTitle=Plain\n"));
    QCOMPARE(list.titles, (QStringList{"Custom", "Plain"}));
    QCOMPARE(list.ShownTitle(profile, language), shown);
}

QTEST_GUILESS_MAIN(tst_CIniFile)
#include "tst_cinifile.moc"
