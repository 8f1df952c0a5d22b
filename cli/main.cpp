// tavrel-convert: Tavrel's batch from a terminal or a script, without a window.

#include "AppTranslations.h"
#include "ConvertArguments.h"
#include "ConvertRunner.h"
#include "FfmpegConverter.h"
#include "JsonReport.h"
#include "ProfileFile.h"
#include "ProgramDir.h"
#include "TextReport.h"
#include "UserSettings.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace {

void Print(std::FILE *out, const QByteArray &text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), out);
    std::fflush(out);
}

ConvertContext ReadContext(const ConvertRunner &runner)
{
    ConvertContext context;
    context.profiles = runner.Profiles().List();
    // The names as the window's "WMV Profile" box lists them.
    const MediaItemList wmvProfiles = FfmpegConverter().WmvProfileList();
    for (const QString &name : wmvProfiles.names())
        context.wmvProfiles.append(name.trimmed());
    const QString destination = StoredDestination();
    context.defaultOutputDirectory = destination.isEmpty() ? QDir::currentPath() : destination;
    context.defaultJobs = ReadSimultaneous();
    return context;
}

std::unique_ptr<ConvertReport> MakeReport(const ConvertOptions &options)
{
    if (options.json)
        return std::make_unique<JsonReport>(stdout, options.quiet);
    const TextReport::Mode mode = options.quiet                    ? TextReport::Mode::Quiet
                                  : TextReport::IsTerminal(stdout) ? TextReport::Mode::Live
                                                                   : TextReport::Mode::Lines;
    return std::make_unique<TextReport>(stdout, mode);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    InstallTranslations(PreferredLocale());
    QCoreApplication::setApplicationName(QStringLiteral("tavrel-convert"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVREL_VERSION));
    InitProgramDir();

    // Made first: a termination signal from here on stops the batch in good order.
    ConvertRunner runner;
    const ConvertContext context = ReadContext(runner);
    const ConvertArgumentsResult parsed
        = ConvertArguments::Parse(QCoreApplication::arguments().mid(1), context);
    if (!parsed.ok()) {
        //: after a refused command line, on the next line
        const QString hint = QCoreApplication::translate(
            "ConvertArguments", "Try \"tavrel-convert --help\" for the options.");
        Print(stderr, (parsed.error + u'\n' + hint + u'\n').toLocal8Bit());
        return parsed.exitStatus;
    }
    const ConvertOptions &options = parsed.options;
    switch (options.action) {
    case ConvertOptions::Action::Help:
        Print(stdout, ConvertArguments::HelpText(context).toLocal8Bit());
        return 0;
    case ConvertOptions::Action::Version:
        Print(stdout, QByteArrayLiteral("tavrel-convert " TAVREL_VERSION "\n"));
        return 0;
    case ConvertOptions::Action::ListProfiles:
        Print(stdout,
              options.json ? ConvertArguments::ProfileListJson(context)
                           : ConvertArguments::ProfileListText(context).toLocal8Bit());
        return 0;
    case ConvertOptions::Action::Convert:
        break;
    }
    // The JSON report is read by programs: its texts (a failure's reason among them) stay the
    // English ones, whatever the person's language.
    if (options.json)
        InstallTranslations(QLocale(QLocale::English));
    QObject::connect(
        &runner, &ConvertRunner::ended, &app, &QCoreApplication::exit, Qt::QueuedConnection);
    runner.Start(options, MakeReport(options));
    return QCoreApplication::exec();
}
