#pragma once

// Running a program to its end and measuring its output's picture against the source, for the
// benchmarks. Header-only; the benchmarks include it by path.

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cmath>

struct Run
{
    bool ok = false;
    double seconds = 0.0;
    QString errors;
};

/// Runs program to its end with its output thrown away (its errors kept when keepErrors) in
/// environment (the program's own when empty).
inline Run RunProgram(const QString &program,
                      const QStringList &arguments,
                      bool keepErrors = false,
                      const QProcessEnvironment &environment = {})
{
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    if (!keepErrors)
        process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    QElapsedTimer wall;
    wall.start();
    process.start(program, arguments);
    Run run;
    if (!process.waitForStarted(-1)) {
        run.errors = process.errorString();
        return run;
    }
    process.waitForFinished(-1);
    run.seconds = wall.nsecsElapsed() / 1e9;
    run.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (keepErrors)
        run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

/// SSIM (All) of output's picture against source passed through chain and scaled to the
/// output's size (a chain without bars may differ by rounding); both are decoded as a player
/// shows them (turned upright). NaN when it cannot be measured.
inline double Ssim(const QString &output, const QString &source, const QString &chain)
{
    const QString graph
        = QStringLiteral("[1:v]%1[fitted];[fitted][0:v]scale2ref=w=iw:h=ih[ref][out];"
                         "[out]setsar=1,format=yuv420p[o];"
                         "[ref]setsar=1,format=yuv420p[r];[o][r]ssim")
              .arg(chain);
    const Run run
        = RunProgram(QStringLiteral("ffmpeg"),
                     {"-i", output, "-i", source, "-filter_complex", graph, "-f", "null", "-"},
                     true);
    static const QRegularExpression all(QStringLiteral("SSIM .* All:([0-9.]+)"));
    const QRegularExpressionMatch match = all.match(run.errors);
    return match.hasMatch() ? match.captured(1).toDouble() : std::nan("");
}

inline double Decibels(double ssim)
{
    return ssim < 1.0 ? -10.0 * std::log10(1.0 - ssim) : 99.0;
}
