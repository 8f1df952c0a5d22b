// Part files: exclusive creation, the move into place that never replaces a file, and deletion
// of nothing but the file that was created, against real files in a temporary folder.

#include "OutputPath.h"
#include "PartFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

class tst_PartFile : public QObject
{
    Q_OBJECT

private slots:
    void partFilePath_data();
    void partFilePath();
    void createAndMove_data();
    void createAndMove();
    void removesOnlyItsOwnFile_data();
    void removesOnlyItsOwnFile();
    void staleLeftoversGo_data();
    void staleLeftoversGo();

private:
    static void Write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    static QByteArray Read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

void tst_PartFile::partFilePath_data()
{
    QTest::addColumn<QString>("final");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("expected");
    QTest::newRow("hidden, marked, same extension")
        << "/out/clip.mp4" << 1 << "/out/.clip.tavrel-part.mp4";
    QTest::newRow("second try") << "/out/clip_2.wmv" << 2 << "/out/.clip_2.tavrel-part-2.wmv";
    QTest::newRow("dots in the title") << "/out/a.b.mp4" << 1 << "/out/.a.b.tavrel-part.mp4";
    // 124 x "é" (248 bytes) + ".mp4": the part name is cut by bytes to 255.
    QTest::newRow("multibyte name cut by bytes")
        << "/out/" + QString(124, QChar(0xe9)) + ".mp4" << 1
        << "/out/." + QString(119, QChar(0xe9)) + ".tavrel-part.mp4";
}

void tst_PartFile::partFilePath()
{
    QFETCH(QString, final);
    QFETCH(int, n);
    QFETCH(QString, expected);
    QCOMPARE(PartFilePath(final, n), expected);
    QVERIFY(QFile::encodeName(QFileInfo(expected).fileName()).size() <= MaxFileNameLength);
    QVERIFY(IsPartFileName(QFileInfo(expected).fileName()));
    QVERIFY(!IsPartFileName(QFileInfo(final).fileName()));
}

void tst_PartFile::createAndMove_data()
{
    QTest::addColumn<QStringList>("existing"); // "name", or "name@" for a dangling link
    QTest::addColumn<QString>("part");         // the part file's name
    QTest::addColumn<QString>("final");        // where it ends up

    QTest::newRow("free") << QStringList{} << ".clip.tavrel-part.mp4"
                          << "clip.mp4";
    QTest::newRow("another window's part file: the next part name")
        << QStringList{".clip.tavrel-part.mp4"} << ".clip.tavrel-part-2.mp4"
        << "clip.mp4";
    QTest::newRow("taken meanwhile: _2") << QStringList{"clip.mp4"} << ".clip.tavrel-part.mp4"
                                         << "clip_2.mp4";
    QTest::newRow("a dangling link is taken too")
        << QStringList{"clip.mp4", "clip_2.mp4@"} << ".clip.tavrel-part.mp4"
        << "clip_3.mp4";
}

void tst_PartFile::createAndMove()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, part);
    QFETCH(QString, final);

    QTemporaryDir dir;
    for (const QString &name : existing) {
        if (name.endsWith(u'@'))
            QVERIFY(QFile::link(dir.filePath("nowhere"), dir.filePath(name.chopped(1))));
        else
            Write(dir.filePath(name), "theirs " + name.toUtf8());
    }
    PartFile file;
    QVERIFY(file.CreateFor(dir.filePath("clip.mp4")));
    QCOMPARE(file.Path(), dir.filePath(part));
    QCOMPARE(QFileInfo(file.Path()).size(), 0);
    Write(file.Path(), "ours");

    QString error;
    const QString moved = file.MoveIntoPlace(
        [&dir](int n) { return OutputPathCandidate(dir.path(), "clip", false, {}, n); }, &error);
    QCOMPARE(moved, dir.filePath(final));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(Read(moved), QByteArray("ours"));
    QVERIFY(!file.IsOpen());
    // Nothing that was there before was touched.
    for (const QString &name : existing) {
        if (!name.endsWith(u'@'))
            QCOMPARE(Read(dir.filePath(name)), "theirs " + name.toUtf8());
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
             existing.size() + 1);
}

void tst_PartFile::removesOnlyItsOwnFile_data()
{
    QTest::addColumn<bool>("replaced"); // another program put its own file under the name
    QTest::newRow("its own file is deleted") << false;
    QTest::newRow("someone else's file under that name stays") << true;
}

void tst_PartFile::removesOnlyItsOwnFile()
{
    QFETCH(bool, replaced);
    QTemporaryDir dir;
    QString path;
    {
        PartFile file;
        QVERIFY(file.CreateFor(dir.filePath("clip.mp4")));
        path = file.Path();
        if (replaced) {
            // Made before ours goes, so that it cannot get the freed inode.
            Write(dir.filePath("theirs"), "theirs");
            QVERIFY(::rename(QFile::encodeName(dir.filePath("theirs")).constData(),
                             QFile::encodeName(path).constData())
                    == 0);
        }
    } // the destructor deletes what was not moved into place
    QCOMPARE(QFileInfo::exists(path), replaced);
}

void tst_PartFile::staleLeftoversGo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("held");      // a living PartFile holds it
    QTest::addColumn<int>("ageSeconds"); // since its last change
    QTest::addColumn<bool>("removed");
    QTest::newRow("a killed program's part file")
        << ".clip.tavrel-part.mp4" << false << 600 << true;
    QTest::newRow("one being written") << ".clip.tavrel-part.mp4" << true << 600 << false;
    QTest::newRow("one just made") << ".clip.tavrel-part-2.wmv" << false << 0 << false;
    QTest::newRow("a hidden file of the user") << ".clip.mp4" << false << 600 << false;
}

void tst_PartFile::staleLeftoversGo()
{
    QFETCH(QString, name);
    QFETCH(bool, held);
    QFETCH(int, ageSeconds);
    QFETCH(bool, removed);

    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    PartFile holder;
    if (held)
        QVERIFY(holder.Create([&path](int) { return path; }));
    else
        Write(path, "left");
    const QDateTime changed = QDateTime::currentDateTime().addSecs(-ageSeconds);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite)
            && file.setFileTime(changed, QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(PartFile::RemoveStalePartFiles(dir.path()), int(removed));
    QCOMPARE(QFileInfo::exists(path), !removed);
}

QTEST_GUILESS_MAIN(tst_PartFile)
#include "tst_partfile.moc"
