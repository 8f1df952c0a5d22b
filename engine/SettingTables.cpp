#include "SettingTables.h"

#include <QCoreApplication>

namespace {

/// A table text: the English source as the tables keep it.
QString english(const char *source)
{
    return QString::fromLatin1(source);
}

/// The unit words that items built from a number and a unit end in ("128   kbps"); each is
/// translated alone, the number and its padding kept.
const char *const kUnitWords[] = {
    //: unit of a bit rate in a combo box item ("128   kbps")
    QT_TRANSLATE_NOOP("SettingTables", "kbps"),
    //: unit of a frame rate in a combo box item ("29.97    fps")
    QT_TRANSLATE_NOOP("SettingTables", "fps"),
    //: unit of a sample rate in a combo box item ("44100  Hz")
    QT_TRANSLATE_NOOP("SettingTables", "Hz"),
};

QList<SettingItem> audioBitrates()
{
    // The item texts pad the number to a common width; the replacement is the bare number.
    QList<SettingItem> items;
    const int rates[] = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    for (int rate : rates) {
        const QString number = QString::number(rate);
        const QString padding = rate < 100 ? QStringLiteral("     ") : QStringLiteral("   ");
        items.append({number + padding + QStringLiteral("kbps"), number});
    }
    return items;
}

QList<SettingTable> makeTables()
{
    using T = ConversionTask;
    return {
        {1025,
         //: label beside its combo box, about 75 px wide
         english(QT_TRANSLATE_NOOP("SettingTables", "Video Type")),
         QStringLiteral("$VCODEC"),
         &T::videoType,
         {{QStringLiteral("MPEG4"), QStringLiteral("-vcodec xvid")},
          {QStringLiteral("AVC"),
           QStringLiteral("-vcodec h264 -coder 0 -vlevel 13 -bufsize 256 -g 250")}},
         1},
        {1026,
         //: label beside its combo box, about 75 px wide
         english(QT_TRANSLATE_NOOP("SettingTables", "Video Size")),
         QStringLiteral("$SIZE"),
         &T::videoSize,
         {{QStringLiteral("320 x 240"), QStringLiteral("320x240")},
          {QStringLiteral("640 x 480"), QStringLiteral("640x480")}},
         0},
        {1027,
         //: label beside its combo box, about 75 px wide
         english(QT_TRANSLATE_NOOP("SettingTables", "Frame Rate")),
         QStringLiteral("$FRAMERATE"),
         &T::frameRate,
         {{QStringLiteral("29.97    fps"), QStringLiteral("-r 29.97")}},
         0},
        {1028,
         //: label beside its combo box, about 75 px wide
         english(QT_TRANSLATE_NOOP("SettingTables", "Video Quality")),
         QStringLiteral("$VIDEOBITRATE"),
         &T::videoBitrate,
         {{QStringLiteral("256   kbps"), QStringLiteral("256")},
          {QStringLiteral("512   kbps"), QStringLiteral("512")},
          {QStringLiteral("768   kbps"), QStringLiteral("768")},
          {QStringLiteral("1200 kbps"), QStringLiteral("1200")},
          {QStringLiteral("1500 kbps"), QStringLiteral("1500")},
          {QStringLiteral("2000 kbps"), QStringLiteral("2000")}},
         3},
        {1029,
         //: label beside its combo box, about 75 px wide
         english(QT_TRANSLATE_NOOP("SettingTables", "Video Aspect")),
         QStringLiteral("$ASPECT"),
         &T::aspect,
         {{QStringLiteral("4:3"), QStringLiteral("4:3")},
          {QStringLiteral("16:9"), QStringLiteral("16:9")}},
         0},
        {1031,
         //: label beside its combo box, about 75 px wide
         english(QT_TRANSLATE_NOOP("SettingTables", "Channels")),
         QStringLiteral("$CHANNEL"),
         &T::channels,
         {{//: combo box item, about 80 px wide
           english(QT_TRANSLATE_NOOP("SettingTables", "Mono")),
           QStringLiteral("1")},
          {english(QT_TRANSLATE_NOOP("SettingTables", "Stereo")), QStringLiteral("2")}},
         1},
        {1030,
         //: label beside its combo box, about 75 px wide
         english(QT_TRANSLATE_NOOP("SettingTables", "Audio Quality")),
         QStringLiteral("$AUDIOBITRATE"),
         &T::audioBitrate,
         audioBitrates(),
         4},
        {1032,
         //: label beside its combo box, about 75 px wide
         english(QT_TRANSLATE_NOOP("SettingTables", "Sample Rate")),
         QStringLiteral("$AUDIOSAMPLE"),
         &T::sampleRate,
         {{QStringLiteral("96000  Hz"), QStringLiteral("-ar 96000")},
          {QStringLiteral("54000  Hz"), QStringLiteral("-ar 54000")},
          {QStringLiteral("48000  Hz"), QStringLiteral("-ar 48000")},
          {QStringLiteral("44100  Hz"), QStringLiteral("-ar 44100")},
          {QStringLiteral("32000  Hz"), QStringLiteral("-ar 32000")},
          {QStringLiteral("22050  Hz"), QStringLiteral("-ar 22050")},
          {QStringLiteral("16000  Hz"), QStringLiteral("-ar 16000")},
          {QStringLiteral("8000    Hz"), QStringLiteral("-ar 8000")}},
         2},
        {1033,
         //: label beside its combo box, about 75 px wide
         english(QT_TRANSLATE_NOOP("SettingTables", "Volume")),
         QStringLiteral("$VOLUME"),
         &T::volume,
         {{QStringLiteral("50%"), QStringLiteral("128")},
          {QStringLiteral("100%"), QStringLiteral("256")},
          {QStringLiteral("150%"), QStringLiteral("384")},
          {QStringLiteral("200%"), QStringLiteral("512")},
          {QStringLiteral("250%"), QStringLiteral("640")},
          {QStringLiteral("300%"), QStringLiteral("768")},
          {QStringLiteral("350%"), QStringLiteral("896")},
          {QStringLiteral("400%"), QStringLiteral("1024")}},
         1},
    };
}

} // namespace

const QList<SettingTable> &SettingTables()
{
    static const QList<SettingTable> tables = makeTables();
    return tables;
}

const SettingTable *SettingTableForCombo(int comboId)
{
    for (const SettingTable &table : SettingTables()) {
        if (table.comboId == comboId)
            return &table;
    }
    return nullptr;
}

void ApplyDefaultSettings(ConversionTask &task)
{
    for (const SettingTable &table : SettingTables())
        task.*table.field = table.defaultIndex;
}

QString SettingText(const QString &englishText)
{
    const QByteArray source = englishText.toUtf8();
    const QString whole = QCoreApplication::translate("SettingTables", source.constData());
    if (whole != englishText)
        return whole;
    for (const char *unit : kUnitWords) {
        const QLatin1String word(unit);
        if (englishText.size() > word.size() && englishText.endsWith(word)
            && englishText.at(englishText.size() - word.size() - 1) == u' ') {
            return englishText.chopped(word.size())
                   + QCoreApplication::translate("SettingTables", unit);
        }
    }
    return whole;
}
