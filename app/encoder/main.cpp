// tavenc: the encoder that Tavrel's profile templates name. It translates the templates' options
// (see EncoderArguments.h) and runs the installed ffmpeg with them. ffmpeg's standard input,
// output and error are this program's, so its progress lines reach whoever started tavenc and a
// "q" on the input finishes the file; the exit status is ffmpeg's. Every input is checked to be a
// readable regular file and read through the safe-input whitelists (SafeMediaInput.h). What is
// done to the source besides (EncoderTreatment.h) is printed before ffmpeg starts.

#include "EncoderArguments.h"
#include "EncoderEnvironment.h"
#include "EncoderTreatment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#ifdef Q_OS_WIN
#include <QProcess>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

/// ffmpeg beside this program first (a bundled build wins), then on PATH.
QString FindFfmpeg()
{
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("ffmpeg.exe");
#else
    const QString name = QStringLiteral("ffmpeg");
#endif
    const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(name));
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

int RunFfmpeg(const QString &program, const QStringList &arguments)
{
#ifdef Q_OS_WIN
    // No exec on Windows: run ffmpeg as a child on the same console handles and wait for it.
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedChannels);
    ffmpeg.setInputChannelMode(QProcess::ForwardedInputChannel);
    ffmpeg.start(program, arguments);
    if (!ffmpeg.waitForStarted(-1)) {
        std::fprintf(stderr,
                     "tavenc: cannot run %s: %s\n",
                     qPrintable(QDir::toNativeSeparators(program)),
                     qPrintable(ffmpeg.errorString()));
        return 127;
    }
    ffmpeg.waitForFinished(-1);
    return ffmpeg.exitStatus() == QProcess::NormalExit ? ffmpeg.exitCode() : 1;
#else
    // ffmpeg takes this process over: same process id and the same standard handles, so a signal
    // that stops the encoder reaches ffmpeg itself and its exit status is the encoder's.
    std::vector<QByteArray> storage;
    storage.push_back(QFile::encodeName(program));
    for (const QString &argument : arguments)
        storage.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &item : storage)
        argv.push_back(item.data());
    argv.push_back(nullptr);
    ::execv(argv.front(), argv.data());
    std::fprintf(stderr, "tavenc: cannot run %s: %s\n", argv.front(), std::strerror(errno));
    return 127;
#endif
}

/// Why input cannot be read as a source (the system's words where it has them), or empty.
QString InputProblem(const QString &input)
{
#ifdef Q_OS_WIN
    const QFileInfo info(input);
    if (!info.exists())
        return QStringLiteral("No such file or directory");
    return info.isFile() && info.isReadable() ? QString() : QStringLiteral("not a readable file");
#else
    const QByteArray name = QFile::encodeName(input);
    struct stat status = {};
    if (::stat(name.constData(), &status) != 0 || ::access(name.constData(), R_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("not a regular file");
    return {};
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString ffmpeg = FindFfmpeg();
    if (ffmpeg.isEmpty()) {
        std::fprintf(stderr, "tavenc: ffmpeg was not found beside tavenc or on the PATH\n");
        return 127;
    }
    QStringList arguments = QCoreApplication::arguments().mid(1);
    // Sources are untrusted: only local regular files (a FIFO or a device would hang ffmpeg),
    // read only through real container formats.
    for (const QString &input : InputFiles(arguments)) {
        const QString problem = InputProblem(input);
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(input), qPrintable(problem));
            return 1;
        }
    }
    arguments = AllowWritingPartFile(arguments, qEnvironmentVariable(PartFileVariable));
    QStringList translated = TranslateEncoderArguments(arguments);
    if (const std::optional<SourcePlan> plan = PlanSource(ffmpeg, arguments)) {
        ReportDecisions(plan->treatment.decisions);
        translated = ApplyTreatment(translated, plan->treatment, plan->source, plan->start);
    }
    return RunFfmpeg(ffmpeg, SecureInputs(translated));
}
