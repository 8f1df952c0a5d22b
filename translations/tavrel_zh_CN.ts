<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AppSettings</name>
    <message>
        <location filename="../ui/AppSettings.cpp" line="+47"/>
        <source>%1 V%2</source>
        <extracomment>the window&apos;s caption; %1 is the program&apos;s name, %2 its version (1.0.0)</extracomment>
        <translation>%1 V%2</translation>
    </message>
</context>
<context>
    <name>BatchNotice</name>
    <message>
        <location filename="../engine/BatchNotice.cpp" line="+16"/>
        <source>%1 video converted</source>
        <extracomment>Desktop notification after &quot;Tavrel: &quot;; %1 is 1.</extracomment>
        <translation>已转换 %1 个视频</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 videos converted</source>
        <extracomment>Desktop notification after &quot;Tavrel: &quot;; %1 is the number of videos.</extracomment>
        <translation>已转换 %1 个视频</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 converted, %2 failed</source>
        <extracomment>Desktop notification after &quot;Tavrel: &quot;; %1 and %2 are numbers of videos.</extracomment>
        <translation>%1 个已转换，%2 个失败</translation>
    </message>
</context>
<context>
    <name>BatchTexts</name>
    <message>
        <location filename="../engine/BatchTexts.cpp" line="+25"/>
        <source>Converting Finished</source>
        <extracomment>Message box at the end of a batch.</extracomment>
        <translation>转换完成</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of %2 file failed</source>
        <extracomment>Message box; %1 is how many failed, %2 the batch&apos;s one file.</extracomment>
        <translation>%2 个文件中有 %1 个失败</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2 files failed</source>
        <extracomment>Message box; %1 is how many failed, %2 how many files the batch had.</extracomment>
        <translation>%2 个文件中有 %1 个失败</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file could not be read: its duration is unknown.</source>
        <translation>无法读取该文件：时长未知。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The selected part of the file is empty: its end is not after its start.</source>
        <translation>所选片段为空：结束时间不晚于开始时间。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The conversion made no progress for 1 minute and was ended.</source>
        <translation>转换已停滞 1 分钟，已被终止。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conversion made no progress for %1 minutes and was ended.</source>
        <extracomment>%1 is a whole number of minutes, 2 or more.</extracomment>
        <translation>转换已停滞 %1 分钟，已被终止。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The conversion made no progress for 1 second and was ended.</source>
        <translation>转换已停滞 1 秒，已被终止。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conversion made no progress for %1 seconds and was ended.</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>转换已停滞 %1 秒，已被终止。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 – Paused, %2 of %3 done</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the videos done, %3 the batch&apos;s count.</extracomment>
        <translation>%1 – 已暂停，已完成 %2/%3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 – %2 of %3 done</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the videos done, %3 the batch&apos;s count.</extracomment>
        <translation>%1 – 已完成 %2/%3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 – %2 of %3, %4 %</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the number of the video being converted, %3 the batch&apos;s count, %4 its percent done.</extracomment>
        <translation>%1 – 第 %2/%3 个，%4%</translation>
    </message>
</context>
<context>
    <name>CLogDialog</name>
    <message>
        <location filename="../ui/CLogDialog.cpp" line="+19"/>
        <source>Log of %1</source>
        <extracomment>caption of the log window; %1 is the source file&apos;s name</extracomment>
        <translation>%1 的日志</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Log</source>
        <extracomment>screen reader name of the log text</extracomment>
        <translation>日志</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Saved as %1</source>
        <translation>已保存为 %1</translation>
    </message>
</context>
<context>
    <name>CRangeSlider</name>
    <message>
        <location filename="../controls/CRangeSlider.cpp" line="+224"/>
        <source>from %1 to %2</source>
        <extracomment>what a screen reader says of the slider choosing the part to convert; %1 and %2 are times (00:00:05)</extracomment>
        <translation>从 %1 到 %2</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <location filename="../ui/ControlTable.cpp" line="+40"/>
        <source>Videos to convert</source>
        <extracomment>screen reader name of the list of videos</extracomment>
        <translation>待转换的视频</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Directory:</source>
        <extracomment>label, about 100 px wide</extracomment>
        <translation>输出文件夹：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Browse</source>
        <extracomment>push button, about 60 px wide</extracomment>
        <translation>浏览</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+87"/>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <location line="-81"/>
        <source>Title (showed in Zune)</source>
        <extracomment>label beside the title field, about 115 px wide</extracomment>
        <translation>Zune 显示标题</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Help</source>
        <extracomment>push button, about 70 px wide</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Conversion settings</source>
        <extracomment>screen reader name of the frame around the settings</extracomment>
        <translation>转换设置</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Part to convert</source>
        <extracomment>screen reader name of the slider choosing the part of a video to convert</extracomment>
        <translation>要转换的片段</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Automatically Shut Down the computer when converting finished</source>
        <extracomment>check box, about 340 px wide</extracomment>
        <translation>转换完成后自动关闭计算机</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>MPEG4 Profile</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>MPEG4 配置</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>WMV Profile</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>WMV 配置</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>To Zune MPEG4</source>
        <extracomment>radio button, about 105 px wide</extracomment>
        <translation>转为 Zune MPEG4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To Zune WMV</source>
        <extracomment>radio button, about 105 px wide</extracomment>
        <translation>转为 Zune WMV</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Output Type</source>
        <extracomment>label, about 74 px wide</extracomment>
        <translation>输出类型</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Videos at once</source>
        <extracomment>label beside a small combo box, about 80 px wide</extracomment>
        <translation>同时转换数</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Add a video to converting task</source>
        <extracomment>tooltip of an image button</extracomment>
        <translation>添加视频到转换任务</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add videos</source>
        <translation>添加视频</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove selected video</source>
        <translation>移除所选视频</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the selected video</source>
        <translation>移除所选视频</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Remove all videos</source>
        <translation>移除全部视频</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Preview selected videos</source>
        <translation>预览所选视频</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play the selected part</source>
        <translation>播放所选片段</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stop preview</source>
        <translation>停止预览</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop playing</source>
        <translation>停止播放</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Converting</source>
        <translation>开始转换</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start converting</source>
        <translation>开始转换</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stop Converting</source>
        <translation>停止转换</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop converting</source>
        <translation>停止转换</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause Converting (Ctrl+P)</source>
        <translation>暂停转换（Ctrl+P）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause converting</source>
        <translation>暂停转换</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Resume Converting (Ctrl+P)</source>
        <translation>继续转换（Ctrl+P）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Resume converting</source>
        <translation>继续转换</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Source</source>
        <extracomment>list column heading, about 120 px wide</extracomment>
        <translation>源文件</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Begin Time</source>
        <extracomment>list column heading, about 70 px wide</extracomment>
        <translation>开始时间</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>End Time</source>
        <extracomment>list column heading, about 70 px wide</extracomment>
        <translation>结束时间</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Output</source>
        <extracomment>list column heading, about 100 px wide</extracomment>
        <translation>输出</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Progress</source>
        <extracomment>list column heading, about 250 px wide</extracomment>
        <translation>进度</translation>
    </message>
</context>
<context>
    <name>ConversionBatch</name>
    <message>
        <location filename="../engine/ConversionBatch.cpp" line="+22"/>
        <source>Error</source>
        <extracomment>Message box caption.</extracomment>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Information</source>
        <extracomment>Message box caption.</extracomment>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Converting videos</source>
        <extracomment>The desktop shows it as why sleep is held off while a batch runs.</extracomment>
        <translation>正在转换视频</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Please set the output directory firstly</source>
        <extracomment>Message box when Start is pressed with no output folder chosen.</extracomment>
        <translation>请先设置输出文件夹</translation>
    </message>
</context>
<context>
    <name>ConversionJob</name>
    <message>
        <location filename="../engine/ConversionJob.cpp" line="+107"/>
        <source>The source file %1 is not a regular file.</source>
        <extracomment>%1 is the source file&apos;s path.</extracomment>
        <translation>源文件 %1 不是普通文件。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The source file %1 does not exist.</source>
        <extracomment>%1 is the source file&apos;s path.</extracomment>
        <translation>源文件 %1 不存在。</translation>
    </message>
    <message>
        <location line="+221"/>
        <source>The encoder did not finish its file when told to and had to be ended.</source>
        <translation>编码器收到指令后未能完成文件写入，已被强制终止。</translation>
    </message>
</context>
<context>
    <name>ConvertArguments</name>
    <message>
        <location filename="../cli/ConvertArguments.cpp" line="+242"/>
        <source>Unknown option %1.</source>
        <extracomment>%1 is the option as given, such as --foo</extracomment>
        <translation>未知选项 %1。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 takes no value.</source>
        <extracomment>%1 is an option, such as --json</extracomment>
        <translation>%1 不接受值。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 needs a value.</source>
        <extracomment>%1 is an option, such as --jobs</extracomment>
        <translation>%1 需要一个值。</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>No WMV profile is available: the file of WMV profiles beside the program is missing or lists none.</source>
        <translation>没有可用的 WMV 配置：程序所在文件夹中的 WMV 配置列表文件缺失，或其中未列出任何配置。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 needs a folder.</source>
        <extracomment>%1 is the option, --output or -o</extracomment>
        <translation>%1 需要指定一个文件夹。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 &quot;%2&quot; is not a time: give seconds (90, 12.5) or hh:mm:ss.mmm (00:01:30.500).</source>
        <extracomment>%1 is the option (--start or --end), %2 the value given; keep the examples</extracomment>
        <translation>%1 “%2” 不是有效的时间：请给出秒数（90、12.5）或 hh:mm:ss.mmm（00:01:30.500）。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 needs a text.</source>
        <extracomment>%1 is the option, --title</extracomment>
        <translation>%1 需要一段文本。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 &quot;%2&quot; is not a number of videos at once (1 or more).</source>
        <extracomment>%1 is the option (--jobs or -j), %2 the value given</extracomment>
        <translation>%1 “%2” 不是有效的同时转换视频数（应为 1 或更大）。</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 &quot;%2&quot; is not one of the values: %3.</source>
        <extracomment>%1 is a setting&apos;s option (--video-size), %2 the value given, %3 the values it takes, which stay as they are (they are typed as listed)</extracomment>
        <translation>%1 “%2” 不是以下取值之一：%3。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No video given: name the files or folders to convert.</source>
        <translation>未指定视频：请给出要转换的文件或文件夹。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--profile chooses an MP4 profile; it does not go with --wmv.</source>
        <translation>--profile 用于选择 MP4 配置，不能与 --wmv 同时使用。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is a setting of the custom MP4 profile; it does not go with --wmv.</source>
        <extracomment>%1 is a setting&apos;s option, such as --video-size</extracomment>
        <translation>%1 是自定义 MP4 配置的设置项，不能与 --wmv 同时使用。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is a setting of the custom profile (0, &quot;%2&quot;); choose it with -p 0.</source>
        <extracomment>%1 is a setting&apos;s option, such as --video-size; %2 the title of profile 0</extracomment>
        <translation>%1 是自定义配置（0，“%2”）的设置项；请用 -p 0 选择该配置。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No MP4 profile is available: the profile file is missing or lists none.</source>
        <translation>没有可用的 MP4 配置：配置列表文件缺失，或其中未列出任何配置。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--end must come after --start.</source>
        <translation>--end 必须晚于 --start。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--title names one output file: give exactly one FILE.</source>
        <translation>--title 只能命名一个输出文件：请只给出一个文件。</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 &quot;%2&quot;: no profile has that number or that in its name. The profiles are:
%3</source>
        <extracomment>%1 is the option (--profile or --wmv), %2 the value given, %3 the numbered profiles, one a line</extracomment>
        <translation>%1 “%2”：没有编号或名称与之相符的配置。可用的配置有：
%3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 &quot;%2&quot; matches more than one profile; give more of the name or its number:
%3</source>
        <extracomment>%1 is the option (--profile or --wmv), %2 the value given, %3 the matching profiles, one a line</extracomment>
        <translation>%1 “%2” 匹配多个配置；请给出更完整的名称或其编号：
%3</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>TEXT</source>
        <extracomment>the value of a setting&apos;s option in --help (&quot;--video-size TEXT&quot;); the same word as TEXT in the list of options</extracomment>
        <translation>文本</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Usage: tavrel-convert [options] FILE...
Converts videos as Tavrel&apos;s window does, one after another or several at once, into MP4 files through the encoder or WMV files. A FOLDER among the FILEs adds the videos directly inside it.

  -p, --profile N|TEXT  MP4 profile by number or part of its title (default %1)
      --wmv[=N|TEXT]    WMV output with that WMV profile (default 0)
  -o, --output DIR      output folder, made when missing (default: the window&apos;s, else the current folder; now %2)
      --start T         convert from T: seconds or hh:mm:ss.mmm
      --end T           convert up to T
      --title TEXT      name of the output file (only with one FILE)
      --always-encode   encode the picture even when the source already fits the profile
  -j, --jobs N          videos at once (default: the window&apos;s setting, now %3)
      --json            report as JSON, one object a line
      --list-profiles   list the profiles and the settings&apos; values
  -q, --quiet           report only failures
  -h, --help            this text
      --version         the program&apos;s version

Settings of the custom profile (-p 0), by their texts as the window lists them (see --list-profiles):
%4

Exit status: 0 every video converted, 1 some failed, 2 bad usage or no usable input, 130 after Ctrl+C (SIGINT), 143 after SIGTERM.
</source>
        <extracomment>--help. Keep the options and the layout (the descriptions start in the column of the first line&apos;s); translate the descriptions and the names of values (FILE, N, TEXT, DIR, T). %1 is the default profile&apos;s number, %2 the default output folder, %3 the default number of videos at once, %4 the lines of the settings&apos; options</extracomment>
        <translation>用法：tavrel-convert [选项] 文件...
像 Tavrel 的窗口一样转换视频，可逐个转换，也可同时转换多个：通过编码器转换为 MP4 文件，或转换为 WMV 文件。若某个文件是文件夹，则添加该文件夹中直接包含的视频。

  -p, --profile N|文本    MP4 配置，按编号或标题中的部分文字指定（默认 %1）
      --wmv[=N|文本]      输出 WMV，使用该 WMV 配置（默认 0）
  -o, --output 文件夹     输出文件夹，不存在时自动创建（默认：窗口中的设置，若无则为当前文件夹；当前为 %2）
      --start 时间        从该时间开始转换：秒数或 hh:mm:ss.mmm
      --end 时间          转换到该时间为止
      --title 文本        输出文件的名称（仅限单个文件）
      --always-encode     即使源视频已符合配置，也重新编码画面
  -j, --jobs N            同时转换的视频数（默认：窗口中的设置，当前为 %3）
      --json              以 JSON 格式报告，每行一个对象
      --list-profiles     列出各配置及各设置项的取值
  -q, --quiet             仅报告失败
  -h, --help              显示此帮助
      --version           显示程序版本

自定义配置（-p 0）的设置项，取值按窗口中列出的文字填写（参见 --list-profiles）：
%4

退出状态：0 所有视频均已转换，1 部分视频失败，2 用法错误或没有可用的输入，130 收到 Ctrl+C（SIGINT）后退出，143 收到 SIGTERM 后退出。
</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(default)</source>
        <extracomment>after the default profile&apos;s line in --list-profiles</extracomment>
        <translation>（默认）</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (default %2)</source>
        <extracomment>%1 is the values a setting&apos;s option takes (typed as listed, so they stay), %2 the value it has unless given</extracomment>
        <translation>%1（默认 %2）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>MP4 profiles (-p N or part of the title):
%1

WMV profiles (--wmv=N or part of the name):
%2

Settings of the custom profile (-p 0):
%3
</source>
        <extracomment>--list-profiles: three headings, each with its list under it (%1, %2, %3); keep the options as they are</extracomment>
        <translation>MP4 配置（-p N 或标题中的部分文字）：
%1

WMV 配置（--wmv=N 或名称中的部分文字）：
%2

自定义配置（-p 0）的设置项：
%3
</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="+67"/>
        <source>Try &quot;tavrel-convert --help&quot; for the options.</source>
        <extracomment>after a refused command line, on the next line</extracomment>
        <translation>运行“tavrel-convert --help”查看可用选项。</translation>
    </message>
</context>
<context>
    <name>ConvertRunner</name>
    <message>
        <location filename="../cli/ConvertRunner.cpp" line="+87"/>
        <source>No video to convert.</source>
        <translation>没有要转换的视频。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--title names one output file, but the inputs hold %1 videos.</source>
        <extracomment>%1 is the number of videos found among the inputs (2 or more)</extracomment>
        <translation>--title 只能命名一个输出文件，但输入中有 %1 个视频。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The output folder %1 cannot be made.</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>无法创建输出文件夹 %1。</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The conversion could not start.</source>
        <translation>无法开始转换。</translation>
    </message>
</context>
<context>
    <name>EncoderRun</name>
    <message>
        <location filename="../engine/EncoderRun.cpp" line="+76"/>
        <source>The profile gives no encoder command line.</source>
        <translation>该配置未提供编码器命令行。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder &quot;%1&quot; was not found.</source>
        <extracomment>%1 is the encoder program&apos;s name.</extracomment>
        <translation>找不到编码器“%1”。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The encoder &quot;%1&quot; could not be started: %2</source>
        <extracomment>%1 is the encoder program&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>无法启动编码器“%1”：%2</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The encoder crashed.</source>
        <translation>编码器已崩溃。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The encoder ended with exit code %1.</source>
        <extracomment>%1 is the encoder&apos;s exit code, a number.</extracomment>
        <translation>编码器已退出，退出代码为 %1。</translation>
    </message>
</context>
<context>
    <name>FfmpegConverter</name>
    <message>
        <location filename="../media/FfmpegConverter.cpp" line="+243"/>
        <source>There is no clip to convert.</source>
        <translation>没有要转换的片段。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No output file was named.</source>
        <translation>未指定输出文件。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The source file %1 does not exist.</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>源文件 %1 不存在。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output settings are not supported (format %1, %2x%3).</source>
        <extracomment>%1 is the output format&apos;s number, %2x%3 the picture&apos;s width and height in pixels</extracomment>
        <translation>不支持该输出设置（格式 %1，%2x%3）。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The converter %1 was not found.</source>
        <extracomment>%1 is the converter program&apos;s name, such as ffmpeg</extracomment>
        <translation>找不到转换程序 %1。</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>The converter could not be started: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>无法启动转换程序：%1</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The conversion was stopped.</source>
        <translation>转换已停止。</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>The converter stopped unexpectedly.</source>
        <translation>转换程序意外停止。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The converter ended with exit code %1.</source>
        <extracomment>%1 is a number</extracomment>
        <translation>转换程序已退出，退出代码为 %1。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The converter wrote no output file.</source>
        <translation>转换程序未写出输出文件。</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <location filename="../engine/InstanceChannel.cpp" line="+113"/>
        <source>files opened later will open windows of their own: %1</source>
        <extracomment>Printed after &quot;Tavrel: &quot;; %1 is the system&apos;s reason.</extracomment>
        <translation>之后打开的文件将各自打开新窗口：%1</translation>
    </message>
</context>
<context>
    <name>ListKeeper</name>
    <message>
        <location filename="../ui/ListKeeper.cpp" line="+54"/>
        <source>another Tavrel window keeps the list of videos; this window&apos;s list is not kept when it closes.</source>
        <translation>另一个 Tavrel 窗口正在保存视频列表；本窗口关闭时不会保存其列表。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the list of videos cannot be kept in %1.</source>
        <translation>无法将视频列表保存在 %1 中。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the saved list %1 is left as it is and this window&apos;s list is not kept: %2.</source>
        <translation>已保存的列表 %1 保持不变，本窗口的列表不会被保存：%2。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the saved list %1 cannot be read, the list starts empty: %2.</source>
        <translation>无法读取已保存的列表 %1，列表将为空：%2。</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the list of videos cannot be written to %1: %2</source>
        <translation>无法将视频列表写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>MediaDuration</name>
    <message>
        <location filename="../engine/MediaDuration.cpp" line="+34"/>
        <source>The file holds no picture and no sound.</source>
        <translation>该文件既没有画面也没有声音。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file does not say how long it lasts.</source>
        <translation>该文件未标明时长。</translation>
    </message>
</context>
<context>
    <name>NotAddedNotice</name>
    <message>
        <location filename="../engine/NotAddedNotice.cpp" line="+11"/>
        <source>This file could not be added (not a readable video of a supported type):</source>
        <extracomment>Notice above a list of file names, one a line.</extracomment>
        <translation>无法添加此文件（不是可读取的受支持类型的视频）：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These files could not be added (not readable videos of a supported type):</source>
        <translation>无法添加这些文件（不是可读取的受支持类型的视频）：</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>and %1 more</source>
        <extracomment>Last line of the notice&apos;s list of file names; %1 is how many names are not shown.</extracomment>
        <translation>以及其他 %1 个</translation>
    </message>
</context>
<context>
    <name>OutputPath</name>
    <message>
        <location filename="../engine/OutputPath.cpp" line="+132"/>
        <source>The output directory &quot;%1&quot; does not exist.</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation>输出文件夹“%1”不存在。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The output directory &quot;%1&quot; cannot be written.</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation>无法写入输出文件夹“%1”。</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <location filename="../engine/OutputVerifier.cpp" line="+90"/>
        <source>The output file is not playable. %1</source>
        <extracomment>%1 is why the file could not be read, a sentence.</extracomment>
        <translation>输出文件无法播放。%1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Nothing playable was written before the stop.</source>
        <translation>停止前未写出任何可播放的内容。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The output file has no picture.</source>
        <translation>输出文件没有画面。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The output file has no sound.</source>
        <translation>输出文件没有声音。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output file lasts %1 s instead of %2 s.</source>
        <extracomment>%1 is the file&apos;s length, %2 the length expected, both in seconds.</extracomment>
        <translation>输出文件时长为 %1 秒，而不是 %2 秒。</translation>
    </message>
</context>
<context>
    <name>PartFile</name>
    <message>
        <location filename="../engine/PartFile.cpp" line="+102"/>
        <source>%1 cannot be created: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+32"/>
        <source>No free file name was found.</source>
        <translation>找不到可用的文件名。</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>There is no file to move.</source>
        <translation>没有要移动的文件。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <location filename="../engine/ProgressText.cpp" line="+52"/>
        <source>Remain Time:</source>
        <extracomment>Progress cell, before the time left as hh:mm:ss; the cell is narrow.</extracomment>
        <translation>剩余时间：</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Used Time:%1 S</source>
        <extracomment>Progress cell; %1 is the whole seconds the conversion has taken so far.</extracomment>
        <translation>已用时间：%1 秒</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Failed</source>
        <extracomment>Progress cell of a conversion that failed.</extracomment>
        <translation>失败</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed: %1</source>
        <extracomment>Progress cell; %1 is the first line of why the conversion failed.</extracomment>
        <translation>失败：%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Stopped</source>
        <extracomment>Progress cell of a conversion the user stopped.</extracomment>
        <translation>已停止</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stopped: the first %1 were kept in %2.</source>
        <extracomment>Tooltip; %1 is a length as hh:mm:ss, %2 the output file&apos;s name.</extracomment>
        <translation>已停止：前 %1 已保存在 %2 中。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Stopped: nothing was kept.</source>
        <extracomment>Tooltip of a stopped conversion whose output file was removed.</extracomment>
        <translation>已停止：未保留任何内容。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Finished</source>
        <extracomment>Progress cell of a conversion that ended well.</extracomment>
        <translation>已完成</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>video copied</source>
        <extracomment>Tooltip: the picture was copied from the source, not encoded again.</extracomment>
        <translation>视频已直接复制</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Paused</source>
        <extracomment>Progress cell of a conversion the user paused.</extracomment>
        <translation>已暂停</translation>
    </message>
</context>
<context>
    <name>SafeMediaFile</name>
    <message>
        <location filename="../engine/SafeMediaFile.cpp" line="+55"/>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>无法读取该文件：不是普通文件。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file could not be read: it does not exist.</source>
        <translation>无法读取该文件：文件不存在。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Out of memory.</source>
        <translation>内存不足。</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The file could not be read in time.</source>
        <translation>未能及时读取该文件。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file could not be read: %1</source>
        <extracomment>%1 is libavformat&apos;s reason, in English.</extracomment>
        <translation>无法读取该文件：%1</translation>
    </message>
</context>
<context>
    <name>SavedTask</name>
    <message>
        <location filename="../engine/SavedTask.cpp" line="+42"/>
        <source>The profile “%1” no longer exists; the default profile “%2” is used instead.</source>
        <extracomment>Tooltip of a restored row; %1 is the profile that is gone, %2 the one used instead.</extracomment>
        <translation>配置“%1”已不存在，已改用默认配置“%2”。</translation>
    </message>
</context>
<context>
    <name>SavedTaskList</name>
    <message>
        <location filename="../engine/SavedTaskList.cpp" line="+72"/>
        <source>it is not JSON (%1 at byte %2)</source>
        <extracomment>Why the kept list cannot be read; %1 is the JSON parser&apos;s reason, %2 a byte offset.</extracomment>
        <translation>不是有效的 JSON（第 %2 字节处：%1）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it has no format version</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>缺少格式版本</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it was written by a newer Tavrel (format %1; this one reads %2)</source>
        <extracomment>%1 and %2 are format version numbers.</extracomment>
        <translation>由较新版本的 Tavrel 写入（格式 %1；本版本可读取格式 %2）</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it holds no list of tasks</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>不包含任务列表</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it names no source file</source>
        <extracomment>What is wrong with one task of the kept list.</extracomment>
        <translation>未指定源文件</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>in task %1, %2</source>
        <extracomment>%1 is the task&apos;s number, %2 what is wrong with it.</extracomment>
        <translation>任务 %1 中：%2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>it is not a file</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>不是文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is too large</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>文件过大</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1; it was kept as %2</source>
        <extracomment>%1 is why the list cannot be read, %2 the path it was moved to.</extracomment>
        <translation>%1；已另存为 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1; it could not be set aside</source>
        <extracomment>%1 is why the list cannot be read.</extracomment>
        <translation>%1；且无法将其移至别处保留</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the folder %1 cannot be made</source>
        <extracomment>%1 is a folder&apos;s path.</extracomment>
        <translation>无法创建文件夹 %1</translation>
    </message>
</context>
<context>
    <name>SettingTables</name>
    <message>
        <location filename="../engine/SettingTables.cpp" line="+17"/>
        <source>kbps</source>
        <extracomment>unit of a bit rate in a combo box item (&quot;128 kbps&quot;)</extracomment>
        <translation>kbps</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fps</source>
        <extracomment>unit of a frame rate in a combo box item (&quot;29.97 fps&quot;)</extracomment>
        <translation>fps</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hz</source>
        <extracomment>unit of a sample rate in a combo box item (&quot;44100 Hz&quot;)</extracomment>
        <translation>Hz</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Video Type</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>视频类型</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Video Size</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>视频尺寸</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Frame Rate</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>帧率</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Video Quality</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>视频质量</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Video Aspect</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>宽高比</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Channels</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>声道</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mono</source>
        <extracomment>combo box item, about 80 px wide</extracomment>
        <translation>单声道</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Audio Quality</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>音频质量</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sample Rate</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>采样率</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Volume</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>音量</translation>
    </message>
</context>
<context>
    <name>SourceFiles</name>
    <message>
        <location filename="../engine/SourceFiles.cpp" line="+22"/>
        <source>Support Video Files</source>
        <extracomment>File dialog&apos;s filter: every type the program reads.</extracomment>
        <translation>支持的视频文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>RealMedia Files (*.rm,*.rmvb)</source>
        <translation>RealMedia 文件 (*.rm,*.rmvb)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AVI Files (*.avi)</source>
        <translation>AVI 文件 (*.avi)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mpeg files (*.mpg, *.mpeg,*.vob)</source>
        <translation>MPEG 文件 (*.mpg, *.mpeg,*.vob)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Windows Media files (*.wmv, *.wma, *.asf)</source>
        <translation>Windows Media 文件 (*.wmv, *.wma, *.asf)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quick Time Files (*.mov, *.qt)</source>
        <translation>QuickTime 文件 (*.mov, *.qt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3GP Files (*.3gp)</source>
        <translation>3GP 文件 (*.3gp)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Modern Video Files (*.mp4, *.m4v, *.mkv, *.webm, *.ts, *.mts, *.m2ts, *.flv, *.ogv, *.dv, *.divx, *.3g2)</source>
        <translation>新式视频文件 (*.mp4, *.m4v, *.mkv, *.webm, *.ts, *.mts, *.m2ts, *.flv, *.ogv, *.dv, *.divx, *.3g2)</translation>
    </message>
</context>
<context>
    <name>TaskArray</name>
    <message>
        <location filename="../engine/TaskArray.cpp" line="+57"/>
        <source>The conversion failed.</source>
        <translation>转换失败。</translation>
    </message>
</context>
<context>
    <name>TaskRecord</name>
    <message>
        <location filename="../engine/TaskRecord.cpp" line="+152"/>
        <source>the value of &quot;%1&quot; is not what it should be</source>
        <extracomment>Why a kept task cannot be read; %1 is the name of a field in the file.</extracomment>
        <translation>“%1”的值不正确</translation>
    </message>
</context>
<context>
    <name>TaskRowActions</name>
    <message>
        <location filename="../ui/TaskRowActions.cpp" line="+36"/>
        <source>Apply these settings to all videos</source>
        <translation>将这些设置应用到所有视频</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Show log…</source>
        <translation>显示日志…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open output folder</source>
        <translation>打开输出文件夹</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Play output</source>
        <translation>播放输出文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Convert again</source>
        <translation>重新转换</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Always re-encode</source>
        <translation>始终重新编码</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Remove</source>
        <extracomment>row menu: removes the selected videos from the list</extracomment>
        <translation>移除</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove finished</source>
        <translation>移除已完成项</translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message>
        <location filename="../cli/TextReport.cpp" line="+60"/>
        <source>%1 Converting %2</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 正在转换 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 %2: starting</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 %2：开始</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 MB</source>
        <extracomment>%1 is a size in megabytes, such as 12.5</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 left</source>
        <extracomment>%1 is the time still needed, hh:mm:ss</extracomment>
        <translation>剩余 %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>[%1/%2] %3  %4 %  %5  %6</source>
        <extracomment>a running video&apos;s line: [%1 of %2 videos] %3 file name, %4 percent done, %5 size written (&quot;12.5 MB&quot;), %6 time left (&quot;00:01:05 left&quot;, may be empty); one line of a terminal</extracomment>
        <translation>[%1/%2] %3  %4%  %5  %6</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 Converted %2 -&gt; %3 (video copied)</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 the output file&apos;s path. Its picture was copied from the source, not encoded again.</extracomment>
        <translation>%1 已转换 %2 -&gt; %3（视频已直接复制）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Converted %2 -&gt; %3</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 the output file&apos;s path</extracomment>
        <translation>%1 已转换 %2 -&gt; %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 Failed %2: %3</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 why it failed</extracomment>
        <translation>%1 %2 转换失败：%3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 Stopped %2: nothing was kept</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 %2 已停止：未保留任何内容</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Stopped %2: the first %3 were kept in %4</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 a time, hh:mm:ss; %4 the output file&apos;s path</extracomment>
        <translation>%1 %2 已停止：前 %3 已保存在 %4 中</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Log of %1: %2</source>
        <extracomment>%1 is a video&apos;s file name, %2 the path of its log file</extracomment>
        <translation>%1 的日志：%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stopped: %1 converted, %2 failed, %3 stopped, %4 not started.</source>
        <extracomment>the summary after a termination signal; %1 to %4 are numbers of videos</extracomment>
        <translation>已停止：%1 个已转换，%2 个失败，%3 个已停止，%4 个未开始。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 converted, %2 failed.</source>
        <extracomment>the summary; %1 and %2 are numbers of videos</extracomment>
        <translation>%1 个已转换，%2 个失败。</translation>
    </message>
</context>
<context>
    <name>TrackMenus</name>
    <message>
        <location filename="../ui/TrackMenus.cpp" line="+23"/>
        <source>“%1”</source>
        <extracomment>a track&apos;s own title in the row menu, in the language&apos;s quotation marks</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Track %1</source>
        <extracomment>a sound or subtitle track in the row menu; %1 is its number</extracomment>
        <translation>轨道 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, </source>
        <extracomment>between a track&apos;s details in the row menu (English, stereo, &quot;Commentary&quot;)</extracomment>
        <translation>，</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Track %1: %2</source>
        <extracomment>a sound or subtitle track in the row menu; %1 is its number, %2 its details (language, channels or kind, title)</extracomment>
        <translation>轨道 %1：%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 channels</source>
        <translation>%1 声道</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Sound</source>
        <translation>音频</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reading the source…</source>
        <translation>正在读取源文件…</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No sound tracks</source>
        <translation>无音轨</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>forced</source>
        <translation>强制</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>text</source>
        <translation>文本</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>pictures</source>
        <translation>图像</translation>
    </message>
</context>
<context>
    <name>WindowAccessibility</name>
    <message>
        <location filename="../ui/WindowAccessibility.cpp" line="+15"/>
        <source>Add videos with + or drop them here</source>
        <extracomment>shown in the empty list of videos, which is about 600 px wide</extracomment>
        <translation>点击 + 添加视频，或将视频拖放到此处</translation>
    </message>
</context>
<context>
    <name>WindowMessages</name>
    <message>
        <location filename="../ui/WindowMessages.cpp" line="+15"/>
        <source>Information</source>
        <extracomment>caption of a message box</extracomment>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <extracomment>caption of a message box</extracomment>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <extracomment>caption of the message box saying the help page could not be opened</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The page could not be opened: no program for it was found.

You can open it yourself: %1</source>
        <extracomment>%1 is the help page&apos;s path</extracomment>
        <translation>无法打开该页面：找不到可打开它的程序。

您可以自行打开：%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your computer cannot shutdown</source>
        <translation>无法关闭计算机</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A conversion is running. Stop it and close Tavrel?</source>
        <translation>转换正在进行。要停止转换并关闭 Tavrel 吗？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Stop and close</source>
        <extracomment>button; &amp; marks the Alt key letter</extracomment>
        <translation>停止并关闭(&amp;S)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Keep converting</source>
        <extracomment>button; &amp; marks the Alt key letter, which must differ from the other button&apos;s</extracomment>
        <translation>继续转换(&amp;K)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power off now</source>
        <extracomment>button beside Cancel in the power-off countdown</extracomment>
        <translation>立即关机</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer will power off in 1 second</source>
        <translation>计算机将在 1 秒后关机</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The computer will power off in %1 seconds</source>
        <extracomment>%1 is the number of seconds left, 2 to 60</extracomment>
        <translation>计算机将在 %1 秒后关机</translation>
    </message>
</context>
</TS>
