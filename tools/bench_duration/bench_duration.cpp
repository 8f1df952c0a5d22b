// bench_duration [folder]
//
// Makes 100 short files of the twelve source types the program accepts (in folder, or in a
// temporary folder), then measures for each file the time GetMediaDuration takes in process and
// the time of one ffprobe process asking for the same duration. Prints the median and the
// 90th percentile of both, per type and over all files, and checks that both agree.

#include "MediaDuration.h"
#include "MediaFixtures.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

double FfprobeDuration(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("ffprobe"),
                  {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", path});
    process.waitForFinished(60000);
    return process.readAllStandardOutput().trimmed().toDouble();
}

double Percentile(QList<double> values, double fraction)
{
    if (values.isEmpty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const qsizetype index = std::min(values.size() - 1, qsizetype(fraction * values.size()));
    if (fraction == 0.5 && values.size() % 2 == 0)
        return (values.at(values.size() / 2 - 1) + values.at(values.size() / 2)) / 2.0;
    return values.at(index);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    QDir().mkpath(folder);

    constexpr int FileCount = 100;
    const QList<MediaFixtures::SourceKind> kinds = MediaFixtures::SourceKinds();
    QStringList files;
    out << "making " << FileCount << " files in " << folder << " ...\n";
    out.flush();
    for (int i = 0; i < FileCount; ++i) {
        const MediaFixtures::SourceKind &kind = kinds.at(i % kinds.size());
        const double seconds = 1.0 + (i % 7) * 0.5; // 1 to 4 s
        const QString path = QDir(folder).filePath(
            QStringLiteral("clip%1.%2").arg(i, 3, 10, QLatin1Char('0')).arg(kind.extension));
        if (!QFileInfo::exists(path)
            && !MediaFixtures::MakeSource(path, seconds, QStringLiteral("176x144"))) {
            out << "could not make " << path << "\n";
            return 1;
        }
        files << path;
    }

    ReadMediaDuration(files.first()); // libraries loaded and initialised before timing

    QList<double> inProcess;
    QList<double> probe;
    QMap<QString, QList<double>> inProcessByType;
    QMap<QString, QList<double>> probeByType;
    int disagreements = 0;
    QElapsedTimer clock;
    for (const QString &path : std::as_const(files)) {
        const QString type = QFileInfo(path).suffix();
        clock.start();
        const double ours = ReadMediaDuration(path);
        const double oursMs = clock.nsecsElapsed() / 1e6;
        clock.start();
        const double theirs = FfprobeDuration(path);
        const double probeMs = clock.nsecsElapsed() / 1e6;
        inProcess << oursMs;
        probe << probeMs;
        inProcessByType[type] << oursMs;
        probeByType[type] << probeMs;
        if (qAbs(ours - theirs) > 0.15) {
            ++disagreements;
            out << "  differs: " << path << " " << ours << " s, ffprobe " << theirs << " s\n";
        }
    }

    out << Qt::fixed;
    out.setRealNumberPrecision(3);
    out << "\nGetMediaDuration (libavformat, in process) vs one ffprobe process per file\n";
    out << "type     files  in-process median ms  ffprobe median ms\n";
    for (auto it = inProcessByType.cbegin(); it != inProcessByType.cend(); ++it) {
        out << qSetFieldWidth(8) << Qt::left << it.key() << qSetFieldWidth(0) << " "
            << qSetFieldWidth(5) << Qt::right << it.value().size() << qSetFieldWidth(0) << "  "
            << qSetFieldWidth(20) << Percentile(it.value(), 0.5) << qSetFieldWidth(0) << " "
            << qSetFieldWidth(18) << Percentile(probeByType.value(it.key()), 0.5)
            << qSetFieldWidth(0) << Qt::left << "\n";
    }
    out << "\nall " << files.size() << " files:\n";
    out << "  in process: median " << Percentile(inProcess, 0.5) << " ms, 90th percentile "
        << Percentile(inProcess, 0.9) << " ms\n";
    out << "  ffprobe:    median " << Percentile(probe, 0.5) << " ms, 90th percentile "
        << Percentile(probe, 0.9) << " ms\n";
    out << "  ratio of medians: " << Percentile(probe, 0.5) / Percentile(inProcess, 0.5) << "x\n";
    out << "  durations differing by more than 0.15 s: " << disagreements << "\n";
    return disagreements == 0 ? 0 : 2;
}
