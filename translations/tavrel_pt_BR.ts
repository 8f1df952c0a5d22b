<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <translation>%1 vídeo convertido</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 videos converted</source>
        <extracomment>Desktop notification after &quot;Tavrel: &quot;; %1 is the number of videos.</extracomment>
        <translation>%1 vídeos convertidos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 converted, %2 failed</source>
        <extracomment>Desktop notification after &quot;Tavrel: &quot;; %1 and %2 are numbers of videos.</extracomment>
        <translation>%1 convertidos, %2 com falha</translation>
    </message>
</context>
<context>
    <name>BatchTexts</name>
    <message>
        <location filename="../engine/BatchTexts.cpp" line="+25"/>
        <source>Converting Finished</source>
        <extracomment>Message box at the end of a batch.</extracomment>
        <translation>Conversão concluída</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of %2 file failed</source>
        <extracomment>Message box; %1 is how many failed, %2 the batch&apos;s one file.</extracomment>
        <translation>%1 de %2 arquivo falhou</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2 files failed</source>
        <extracomment>Message box; %1 is how many failed, %2 how many files the batch had.</extracomment>
        <translation>%1 de %2 arquivos falharam</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file could not be read: its duration is unknown.</source>
        <translation>Não foi possível ler o arquivo: a duração é desconhecida.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The selected part of the file is empty: its end is not after its start.</source>
        <translation>A parte selecionada do arquivo está vazia: o fim não é posterior ao início.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The conversion made no progress for 1 minute and was ended.</source>
        <translation>A conversão não avançou por 1 minuto e foi encerrada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conversion made no progress for %1 minutes and was ended.</source>
        <extracomment>%1 is a whole number of minutes, 2 or more.</extracomment>
        <translation>A conversão não avançou por %1 minutos e foi encerrada.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The conversion made no progress for 1 second and was ended.</source>
        <translation>A conversão não avançou por 1 segundo e foi encerrada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conversion made no progress for %1 seconds and was ended.</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>A conversão não avançou por %1 segundos e foi encerrada.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 – Paused, %2 of %3 done</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the videos done, %3 the batch&apos;s count.</extracomment>
        <translation>%1 – Pausado, %2 de %3 concluídos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 – %2 of %3 done</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the videos done, %3 the batch&apos;s count.</extracomment>
        <translation>%1 – %2 de %3 concluídos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 – %2 of %3, %4 %</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the number of the video being converted, %3 the batch&apos;s count, %4 its percent done.</extracomment>
        <translation>%1 – %2 de %3, %4 %</translation>
    </message>
</context>
<context>
    <name>CLogDialog</name>
    <message>
        <location filename="../ui/CLogDialog.cpp" line="+19"/>
        <source>Log of %1</source>
        <extracomment>caption of the log window; %1 is the source file&apos;s name</extracomment>
        <translation>Log de %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Log</source>
        <extracomment>screen reader name of the log text</extracomment>
        <translation>Log</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Saved as %1</source>
        <translation>Salvo como %1</translation>
    </message>
</context>
<context>
    <name>CRangeSlider</name>
    <message>
        <location filename="../controls/CRangeSlider.cpp" line="+224"/>
        <source>from %1 to %2</source>
        <extracomment>what a screen reader says of the slider choosing the part to convert; %1 and %2 are times (00:00:05)</extracomment>
        <translation>de %1 a %2</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <location filename="../ui/ControlTable.cpp" line="+40"/>
        <source>Videos to convert</source>
        <extracomment>screen reader name of the list of videos</extracomment>
        <translation>Vídeos a converter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Directory:</source>
        <extracomment>label, about 100 px wide</extracomment>
        <translation>Pasta de saída:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Browse</source>
        <extracomment>push button, about 60 px wide</extracomment>
        <translation>Procurar</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+87"/>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <location line="-81"/>
        <source>Title (showed in Zune)</source>
        <extracomment>label beside the title field, about 115 px wide</extracomment>
        <translation>Título (visto no Zune)</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Help</source>
        <extracomment>push button, about 70 px wide</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Conversion settings</source>
        <extracomment>screen reader name of the frame around the settings</extracomment>
        <translation>Configurações de conversão</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Part to convert</source>
        <extracomment>screen reader name of the slider choosing the part of a video to convert</extracomment>
        <translation>Parte a converter</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Automatically Shut Down the computer when converting finished</source>
        <extracomment>check box, about 340 px wide</extracomment>
        <translation>Desligar o computador automaticamente ao concluir a conversão</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>MPEG4 Profile</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Perfil MPEG4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>WMV Profile</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Perfil WMV</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>To Zune MPEG4</source>
        <extracomment>radio button, about 105 px wide</extracomment>
        <translation>Para Zune MPEG4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To Zune WMV</source>
        <extracomment>radio button, about 105 px wide</extracomment>
        <translation>Para Zune WMV</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Output Type</source>
        <extracomment>label, about 74 px wide</extracomment>
        <translation>Tipo de saída</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Videos at once</source>
        <extracomment>label beside a small combo box, about 80 px wide</extracomment>
        <translation>Vídeos por vez</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Add a video to converting task</source>
        <extracomment>tooltip of an image button</extracomment>
        <translation>Adicionar um vídeo à tarefa de conversão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add videos</source>
        <translation>Adicionar vídeos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove selected video</source>
        <translation>Remover o vídeo selecionado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the selected video</source>
        <translation>Remover o vídeo selecionado</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Remove all videos</source>
        <translation>Remover todos os vídeos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Preview selected videos</source>
        <translation>Visualizar os vídeos selecionados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play the selected part</source>
        <translation>Reproduzir a parte selecionada</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stop preview</source>
        <translation>Parar a visualização</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop playing</source>
        <translation>Parar a reprodução</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Converting</source>
        <translation>Iniciar a conversão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start converting</source>
        <translation>Iniciar a conversão</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stop Converting</source>
        <translation>Parar a conversão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop converting</source>
        <translation>Parar a conversão</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause Converting (Ctrl+P)</source>
        <translation>Pausar a conversão (Ctrl+P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause converting</source>
        <translation>Pausar a conversão</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Resume Converting (Ctrl+P)</source>
        <translation>Retomar a conversão (Ctrl+P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Resume converting</source>
        <translation>Retomar a conversão</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Source</source>
        <extracomment>list column heading, about 120 px wide</extracomment>
        <translation>Origem</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Begin Time</source>
        <extracomment>list column heading, about 70 px wide</extracomment>
        <translation>Início</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>End Time</source>
        <extracomment>list column heading, about 70 px wide</extracomment>
        <translation>Fim</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Output</source>
        <extracomment>list column heading, about 100 px wide</extracomment>
        <translation>Saída</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Progress</source>
        <extracomment>list column heading, about 250 px wide</extracomment>
        <translation>Progresso</translation>
    </message>
</context>
<context>
    <name>ConversionBatch</name>
    <message>
        <location filename="../engine/ConversionBatch.cpp" line="+22"/>
        <source>Error</source>
        <extracomment>Message box caption.</extracomment>
        <translation>Erro</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Information</source>
        <extracomment>Message box caption.</extracomment>
        <translation>Informação</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Converting videos</source>
        <extracomment>The desktop shows it as why sleep is held off while a batch runs.</extracomment>
        <translation>Convertendo vídeos</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Please set the output directory firstly</source>
        <extracomment>Message box when Start is pressed with no output folder chosen.</extracomment>
        <translation>Defina primeiro a pasta de saída</translation>
    </message>
</context>
<context>
    <name>ConversionJob</name>
    <message>
        <location filename="../engine/ConversionJob.cpp" line="+107"/>
        <source>The source file %1 is not a regular file.</source>
        <extracomment>%1 is the source file&apos;s path.</extracomment>
        <translation>O arquivo de origem %1 não é um arquivo comum.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The source file %1 does not exist.</source>
        <extracomment>%1 is the source file&apos;s path.</extracomment>
        <translation>O arquivo de origem %1 não existe.</translation>
    </message>
    <message>
        <location line="+221"/>
        <source>The encoder did not finish its file when told to and had to be ended.</source>
        <translation>O codificador não finalizou o arquivo quando solicitado e teve de ser encerrado.</translation>
    </message>
</context>
<context>
    <name>ConvertArguments</name>
    <message>
        <location filename="../cli/ConvertArguments.cpp" line="+242"/>
        <source>Unknown option %1.</source>
        <extracomment>%1 is the option as given, such as --foo</extracomment>
        <translation>Opção desconhecida %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 takes no value.</source>
        <extracomment>%1 is an option, such as --json</extracomment>
        <translation>%1 não aceita valor.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 needs a value.</source>
        <extracomment>%1 is an option, such as --jobs</extracomment>
        <translation>%1 precisa de um valor.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>No WMV profile is available: the file of WMV profiles beside the program is missing or lists none.</source>
        <translation>Nenhum perfil WMV disponível: o arquivo de perfis WMV junto ao programa está ausente ou não lista nenhum.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 needs a folder.</source>
        <extracomment>%1 is the option, --output or -o</extracomment>
        <translation>%1 precisa de uma pasta.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 &quot;%2&quot; is not a time: give seconds (90, 12.5) or hh:mm:ss.mmm (00:01:30.500).</source>
        <extracomment>%1 is the option (--start or --end), %2 the value given; keep the examples</extracomment>
        <translation>%1 &quot;%2&quot; não é um tempo: informe segundos (90, 12.5) ou hh:mm:ss.mmm (00:01:30.500).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 needs a text.</source>
        <extracomment>%1 is the option, --title</extracomment>
        <translation>%1 precisa de um texto.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 &quot;%2&quot; is not a number of videos at once (1 or more).</source>
        <extracomment>%1 is the option (--jobs or -j), %2 the value given</extracomment>
        <translation>%1 &quot;%2&quot; não é um número de vídeos por vez (1 ou mais).</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 &quot;%2&quot; is not one of the values: %3.</source>
        <extracomment>%1 is a setting&apos;s option (--video-size), %2 the value given, %3 the values it takes, which stay as they are (they are typed as listed)</extracomment>
        <translation>%1 &quot;%2&quot; não é um dos valores: %3.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No video given: name the files or folders to convert.</source>
        <translation>Nenhum vídeo informado: indique os arquivos ou pastas a converter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--profile chooses an MP4 profile; it does not go with --wmv.</source>
        <translation>--profile escolhe um perfil MP4; não pode ser usado com --wmv.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is a setting of the custom MP4 profile; it does not go with --wmv.</source>
        <extracomment>%1 is a setting&apos;s option, such as --video-size</extracomment>
        <translation>%1 é uma configuração do perfil MP4 personalizado; não pode ser usada com --wmv.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is a setting of the custom profile (0, &quot;%2&quot;); choose it with -p 0.</source>
        <extracomment>%1 is a setting&apos;s option, such as --video-size; %2 the title of profile 0</extracomment>
        <translation>%1 é uma configuração do perfil personalizado (0, &quot;%2&quot;); escolha-o com -p 0.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No MP4 profile is available: the profile file is missing or lists none.</source>
        <translation>Nenhum perfil MP4 disponível: o arquivo de perfis está ausente ou não lista nenhum.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--end must come after --start.</source>
        <translation>--end deve vir depois de --start.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--title names one output file: give exactly one FILE.</source>
        <translation>--title nomeia um único arquivo de saída: informe exatamente um ARQUIVO.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 &quot;%2&quot;: no profile has that number or that in its name. The profiles are:
%3</source>
        <extracomment>%1 is the option (--profile or --wmv), %2 the value given, %3 the numbered profiles, one a line</extracomment>
        <translation>%1 &quot;%2&quot;: nenhum perfil tem esse número ou isso no nome. Os perfis são:
%3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 &quot;%2&quot; matches more than one profile; give more of the name or its number:
%3</source>
        <extracomment>%1 is the option (--profile or --wmv), %2 the value given, %3 the matching profiles, one a line</extracomment>
        <translation>%1 &quot;%2&quot; corresponde a mais de um perfil; informe mais do nome ou o número:
%3</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>TEXT</source>
        <extracomment>the value of a setting&apos;s option in --help (&quot;--video-size TEXT&quot;); the same word as TEXT in the list of options</extracomment>
        <translation>TEXTO</translation>
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
        <translation>Uso: tavrel-convert [opções] ARQUIVO...
Converte vídeos como a janela do Tavrel faz, um após o outro ou vários ao mesmo tempo, em arquivos MP4 pelo codificador ou em arquivos WMV. Uma PASTA entre os ARQUIVOs adiciona os vídeos que estão diretamente nela.

  -p, --profile N|TEXTO perfil MP4 pelo número ou por parte do título (padrão %1)
      --wmv[=N|TEXTO]   saída WMV com esse perfil WMV (padrão 0)
  -o, --output PASTA    pasta de saída, criada se não existir (padrão: a da janela, senão a pasta atual; agora %2)
      --start T         converter a partir de T: segundos ou hh:mm:ss.mmm
      --end T           converter até T
      --title TEXTO     nome do arquivo de saída (só com um ARQUIVO)
      --always-encode   codificar a imagem mesmo quando a origem já atende ao perfil
  -j, --jobs N          vídeos por vez (padrão: a configuração da janela, agora %3)
      --json            relatório em JSON, um objeto por linha
      --list-profiles   listar os perfis e os valores das configurações
  -q, --quiet           relatar apenas as falhas
  -h, --help            este texto
      --version         a versão do programa

Configurações do perfil personalizado (-p 0), pelos textos como a janela os lista (veja --list-profiles):
%4

Código de saída: 0 todos os vídeos convertidos, 1 algum falhou, 2 uso incorreto ou nenhuma entrada utilizável, 130 após Ctrl+C (SIGINT), 143 após SIGTERM.
</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(default)</source>
        <extracomment>after the default profile&apos;s line in --list-profiles</extracomment>
        <translation>(padrão)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (default %2)</source>
        <extracomment>%1 is the values a setting&apos;s option takes (typed as listed, so they stay), %2 the value it has unless given</extracomment>
        <translation>%1 (padrão %2)</translation>
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
        <translation>Perfis MP4 (-p N ou parte do título):
%1

Perfis WMV (--wmv=N ou parte do nome):
%2

Configurações do perfil personalizado (-p 0):
%3
</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="+67"/>
        <source>Try &quot;tavrel-convert --help&quot; for the options.</source>
        <extracomment>after a refused command line, on the next line</extracomment>
        <translation>Use &quot;tavrel-convert --help&quot; para ver as opções.</translation>
    </message>
</context>
<context>
    <name>ConvertRunner</name>
    <message>
        <location filename="../cli/ConvertRunner.cpp" line="+87"/>
        <source>No video to convert.</source>
        <translation>Nenhum vídeo a converter.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--title names one output file, but the inputs hold %1 videos.</source>
        <extracomment>%1 is the number of videos found among the inputs (2 or more)</extracomment>
        <translation>--title nomeia um único arquivo de saída, mas as entradas contêm %1 vídeos.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The output folder %1 cannot be made.</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Não é possível criar a pasta de saída %1.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The conversion could not start.</source>
        <translation>Não foi possível iniciar a conversão.</translation>
    </message>
</context>
<context>
    <name>EncoderRun</name>
    <message>
        <location filename="../engine/EncoderRun.cpp" line="+76"/>
        <source>The profile gives no encoder command line.</source>
        <translation>O perfil não define uma linha de comando do codificador.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder &quot;%1&quot; was not found.</source>
        <extracomment>%1 is the encoder program&apos;s name.</extracomment>
        <translation>O codificador &quot;%1&quot; não foi encontrado.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The encoder &quot;%1&quot; could not be started: %2</source>
        <extracomment>%1 is the encoder program&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Não foi possível iniciar o codificador &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The encoder crashed.</source>
        <translation>O codificador travou.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The encoder ended with exit code %1.</source>
        <extracomment>%1 is the encoder&apos;s exit code, a number.</extracomment>
        <translation>O codificador terminou com o código de saída %1.</translation>
    </message>
</context>
<context>
    <name>FfmpegConverter</name>
    <message>
        <location filename="../media/FfmpegConverter.cpp" line="+243"/>
        <source>There is no clip to convert.</source>
        <translation>Não há nenhum clipe a converter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No output file was named.</source>
        <translation>Nenhum arquivo de saída foi indicado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The source file %1 does not exist.</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>O arquivo de origem %1 não existe.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output settings are not supported (format %1, %2x%3).</source>
        <extracomment>%1 is the output format&apos;s number, %2x%3 the picture&apos;s width and height in pixels</extracomment>
        <translation>As configurações de saída não são suportadas (formato %1, %2x%3).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The converter %1 was not found.</source>
        <extracomment>%1 is the converter program&apos;s name, such as ffmpeg</extracomment>
        <translation>O conversor %1 não foi encontrado.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>The converter could not be started: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Não foi possível iniciar o conversor: %1</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The conversion was stopped.</source>
        <translation>A conversão foi interrompida.</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>The converter stopped unexpectedly.</source>
        <translation>O conversor parou inesperadamente.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The converter ended with exit code %1.</source>
        <extracomment>%1 is a number</extracomment>
        <translation>O conversor terminou com o código de saída %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The converter wrote no output file.</source>
        <translation>O conversor não gravou nenhum arquivo de saída.</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <location filename="../engine/InstanceChannel.cpp" line="+113"/>
        <source>files opened later will open windows of their own: %1</source>
        <extracomment>Printed after &quot;Tavrel: &quot;; %1 is the system&apos;s reason.</extracomment>
        <translation>os arquivos abertos depois abrirão janelas próprias: %1</translation>
    </message>
</context>
<context>
    <name>ListKeeper</name>
    <message>
        <location filename="../ui/ListKeeper.cpp" line="+54"/>
        <source>another Tavrel window keeps the list of videos; this window&apos;s list is not kept when it closes.</source>
        <translation>outra janela do Tavrel mantém a lista de vídeos; a lista desta janela não será mantida ao fechá-la.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the list of videos cannot be kept in %1.</source>
        <translation>não é possível manter a lista de vídeos em %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the saved list %1 is left as it is and this window&apos;s list is not kept: %2.</source>
        <translation>a lista salva %1 permanece como está e a lista desta janela não será mantida: %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the saved list %1 cannot be read, the list starts empty: %2.</source>
        <translation>não é possível ler a lista salva %1; a lista começa vazia: %2.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the list of videos cannot be written to %1: %2</source>
        <translation>não é possível gravar a lista de vídeos em %1: %2</translation>
    </message>
</context>
<context>
    <name>MediaDuration</name>
    <message>
        <location filename="../engine/MediaDuration.cpp" line="+34"/>
        <source>The file holds no picture and no sound.</source>
        <translation>O arquivo não contém imagem nem som.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file does not say how long it lasts.</source>
        <translation>O arquivo não informa a sua duração.</translation>
    </message>
</context>
<context>
    <name>NotAddedNotice</name>
    <message>
        <location filename="../engine/NotAddedNotice.cpp" line="+11"/>
        <source>This file could not be added (not a readable video of a supported type):</source>
        <extracomment>Notice above a list of file names, one a line.</extracomment>
        <translation>Não foi possível adicionar este arquivo (não é um vídeo legível de um tipo suportado):</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These files could not be added (not readable videos of a supported type):</source>
        <translation>Não foi possível adicionar estes arquivos (não são vídeos legíveis de um tipo suportado):</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>and %1 more</source>
        <extracomment>Last line of the notice&apos;s list of file names; %1 is how many names are not shown.</extracomment>
        <translation>e mais %1</translation>
    </message>
</context>
<context>
    <name>OutputPath</name>
    <message>
        <location filename="../engine/OutputPath.cpp" line="+132"/>
        <source>The output directory &quot;%1&quot; does not exist.</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation>A pasta de saída &quot;%1&quot; não existe.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The output directory &quot;%1&quot; cannot be written.</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation>Não é possível gravar na pasta de saída &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <location filename="../engine/OutputVerifier.cpp" line="+90"/>
        <source>The output file is not playable. %1</source>
        <extracomment>%1 is why the file could not be read, a sentence.</extracomment>
        <translation>O arquivo de saída não pode ser reproduzido. %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Nothing playable was written before the stop.</source>
        <translation>Nada reproduzível foi gravado antes da interrupção.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The output file has no picture.</source>
        <translation>O arquivo de saída não tem imagem.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The output file has no sound.</source>
        <translation>O arquivo de saída não tem som.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output file lasts %1 s instead of %2 s.</source>
        <extracomment>%1 is the file&apos;s length, %2 the length expected, both in seconds.</extracomment>
        <translation>O arquivo de saída dura %1 s em vez de %2 s.</translation>
    </message>
</context>
<context>
    <name>PartFile</name>
    <message>
        <location filename="../engine/PartFile.cpp" line="+102"/>
        <source>%1 cannot be created: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Não é possível criar %1: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+32"/>
        <source>No free file name was found.</source>
        <translation>Nenhum nome de arquivo livre foi encontrado.</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>There is no file to move.</source>
        <translation>Não há nenhum arquivo a mover.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <location filename="../engine/ProgressText.cpp" line="+52"/>
        <source>Remain Time:</source>
        <extracomment>Progress cell, before the time left as hh:mm:ss; the cell is narrow.</extracomment>
        <translation>Restante:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Used Time:%1 S</source>
        <extracomment>Progress cell; %1 is the whole seconds the conversion has taken so far.</extracomment>
        <translation>Tempo gasto:%1 s</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Failed</source>
        <extracomment>Progress cell of a conversion that failed.</extracomment>
        <translation>Falhou</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed: %1</source>
        <extracomment>Progress cell; %1 is the first line of why the conversion failed.</extracomment>
        <translation>Falhou: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Stopped</source>
        <extracomment>Progress cell of a conversion the user stopped.</extracomment>
        <translation>Interrompido</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stopped: the first %1 were kept in %2.</source>
        <extracomment>Tooltip; %1 is a length as hh:mm:ss, %2 the output file&apos;s name.</extracomment>
        <translation>Interrompido: os primeiros %1 foram mantidos em %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Stopped: nothing was kept.</source>
        <extracomment>Tooltip of a stopped conversion whose output file was removed.</extracomment>
        <translation>Interrompido: nada foi mantido.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Finished</source>
        <extracomment>Progress cell of a conversion that ended well.</extracomment>
        <translation>Concluído</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>video copied</source>
        <extracomment>Tooltip: the picture was copied from the source, not encoded again.</extracomment>
        <translation>vídeo copiado</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Paused</source>
        <extracomment>Progress cell of a conversion the user paused.</extracomment>
        <translation>Pausado</translation>
    </message>
</context>
<context>
    <name>SafeMediaFile</name>
    <message>
        <location filename="../engine/SafeMediaFile.cpp" line="+55"/>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>Não foi possível ler o arquivo: não é um arquivo comum.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file could not be read: it does not exist.</source>
        <translation>Não foi possível ler o arquivo: ele não existe.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Out of memory.</source>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The file could not be read in time.</source>
        <translation>Não foi possível ler o arquivo a tempo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file could not be read: %1</source>
        <extracomment>%1 is libavformat&apos;s reason, in English.</extracomment>
        <translation>Não foi possível ler o arquivo: %1</translation>
    </message>
</context>
<context>
    <name>SavedTask</name>
    <message>
        <location filename="../engine/SavedTask.cpp" line="+42"/>
        <source>The profile “%1” no longer exists; the default profile “%2” is used instead.</source>
        <extracomment>Tooltip of a restored row; %1 is the profile that is gone, %2 the one used instead.</extracomment>
        <translation>O perfil “%1” não existe mais; o perfil padrão “%2” é usado no lugar dele.</translation>
    </message>
</context>
<context>
    <name>SavedTaskList</name>
    <message>
        <location filename="../engine/SavedTaskList.cpp" line="+72"/>
        <source>it is not JSON (%1 at byte %2)</source>
        <extracomment>Why the kept list cannot be read; %1 is the JSON parser&apos;s reason, %2 a byte offset.</extracomment>
        <translation>não é JSON (%1 no byte %2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it has no format version</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>não tem versão de formato</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it was written by a newer Tavrel (format %1; this one reads %2)</source>
        <extracomment>%1 and %2 are format version numbers.</extracomment>
        <translation>foi gravada por um Tavrel mais recente (formato %1; este lê o %2)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it holds no list of tasks</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>não contém uma lista de tarefas</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it names no source file</source>
        <extracomment>What is wrong with one task of the kept list.</extracomment>
        <translation>não indica nenhum arquivo de origem</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>in task %1, %2</source>
        <extracomment>%1 is the task&apos;s number, %2 what is wrong with it.</extracomment>
        <translation>na tarefa %1, %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>it is not a file</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is too large</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>é grande demais</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1; it was kept as %2</source>
        <extracomment>%1 is why the list cannot be read, %2 the path it was moved to.</extracomment>
        <translation>%1; foi guardada como %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1; it could not be set aside</source>
        <extracomment>%1 is why the list cannot be read.</extracomment>
        <translation>%1; não foi possível separá-la</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the folder %1 cannot be made</source>
        <extracomment>%1 is a folder&apos;s path.</extracomment>
        <translation>não é possível criar a pasta %1</translation>
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
        <translation>Tipo de vídeo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Video Size</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Resolução</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Frame Rate</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Quadros/s</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Video Quality</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Qual. do vídeo</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Video Aspect</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Proporção</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Channels</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Canais</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mono</source>
        <extracomment>combo box item, about 80 px wide</extracomment>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Audio Quality</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Qual. do áudio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sample Rate</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Amostragem</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Volume</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>SourceFiles</name>
    <message>
        <location filename="../engine/SourceFiles.cpp" line="+22"/>
        <source>Support Video Files</source>
        <extracomment>File dialog&apos;s filter: every type the program reads.</extracomment>
        <translation>Arquivos de vídeo suportados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>RealMedia Files (*.rm,*.rmvb)</source>
        <translation>Arquivos RealMedia (*.rm,*.rmvb)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AVI Files (*.avi)</source>
        <translation>Arquivos AVI (*.avi)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mpeg files (*.mpg, *.mpeg,*.vob)</source>
        <translation>Arquivos MPEG (*.mpg, *.mpeg,*.vob)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Windows Media files (*.wmv, *.wma, *.asf)</source>
        <translation>Arquivos Windows Media (*.wmv, *.wma, *.asf)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quick Time Files (*.mov, *.qt)</source>
        <translation>Arquivos QuickTime (*.mov, *.qt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3GP Files (*.3gp)</source>
        <translation>Arquivos 3GP (*.3gp)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Modern Video Files (*.mp4, *.m4v, *.mkv, *.webm, *.ts, *.mts, *.m2ts, *.flv, *.ogv, *.dv, *.divx, *.3g2)</source>
        <translation>Arquivos de vídeo modernos (*.mp4, *.m4v, *.mkv, *.webm, *.ts, *.mts, *.m2ts, *.flv, *.ogv, *.dv, *.divx, *.3g2)</translation>
    </message>
</context>
<context>
    <name>TaskArray</name>
    <message>
        <location filename="../engine/TaskArray.cpp" line="+57"/>
        <source>The conversion failed.</source>
        <translation>A conversão falhou.</translation>
    </message>
</context>
<context>
    <name>TaskRecord</name>
    <message>
        <location filename="../engine/TaskRecord.cpp" line="+152"/>
        <source>the value of &quot;%1&quot; is not what it should be</source>
        <extracomment>Why a kept task cannot be read; %1 is the name of a field in the file.</extracomment>
        <translation>o valor de &quot;%1&quot; não é o esperado</translation>
    </message>
</context>
<context>
    <name>TaskRowActions</name>
    <message>
        <location filename="../ui/TaskRowActions.cpp" line="+36"/>
        <source>Apply these settings to all videos</source>
        <translation>Aplicar estas configurações a todos os vídeos</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Show log…</source>
        <translation>Mostrar log…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open output folder</source>
        <translation>Abrir pasta de saída</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Play output</source>
        <translation>Reproduzir saída</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Convert again</source>
        <translation>Converter novamente</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Always re-encode</source>
        <translation>Sempre recodificar</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Remove</source>
        <extracomment>row menu: removes the selected videos from the list</extracomment>
        <translation>Remover</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove finished</source>
        <translation>Remover concluídos</translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message>
        <location filename="../cli/TextReport.cpp" line="+60"/>
        <source>%1 Converting %2</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 Convertendo %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 %2: starting</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 %2: iniciando</translation>
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
        <translation>%1 restantes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>[%1/%2] %3  %4 %  %5  %6</source>
        <extracomment>a running video&apos;s line: [%1 of %2 videos] %3 file name, %4 percent done, %5 size written (&quot;12.5 MB&quot;), %6 time left (&quot;00:01:05 left&quot;, may be empty); one line of a terminal</extracomment>
        <translation>[%1/%2] %3  %4 %  %5  %6</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 Converted %2 -&gt; %3 (video copied)</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 the output file&apos;s path. Its picture was copied from the source, not encoded again.</extracomment>
        <translation>%1 Convertido %2 -&gt; %3 (vídeo copiado)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Converted %2 -&gt; %3</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 the output file&apos;s path</extracomment>
        <translation>%1 Convertido %2 -&gt; %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 Failed %2: %3</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 why it failed</extracomment>
        <translation>%1 Falhou %2: %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 Stopped %2: nothing was kept</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 Interrompido %2: nada foi mantido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Stopped %2: the first %3 were kept in %4</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 a time, hh:mm:ss; %4 the output file&apos;s path</extracomment>
        <translation>%1 Interrompido %2: os primeiros %3 foram mantidos em %4</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Log of %1: %2</source>
        <extracomment>%1 is a video&apos;s file name, %2 the path of its log file</extracomment>
        <translation>Log de %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stopped: %1 converted, %2 failed, %3 stopped, %4 not started.</source>
        <extracomment>the summary after a termination signal; %1 to %4 are numbers of videos</extracomment>
        <translation>Interrompido: %1 convertidos, %2 com falha, %3 interrompidos, %4 não iniciados.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 converted, %2 failed.</source>
        <extracomment>the summary; %1 and %2 are numbers of videos</extracomment>
        <translation>%1 convertidos, %2 com falha.</translation>
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
        <translation>Faixa %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, </source>
        <extracomment>between a track&apos;s details in the row menu (English, stereo, &quot;Commentary&quot;)</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Track %1: %2</source>
        <extracomment>a sound or subtitle track in the row menu; %1 is its number, %2 its details (language, channels or kind, title)</extracomment>
        <translation>Faixa %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stereo</source>
        <translation>estéreo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 channels</source>
        <translation>%1 canais</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Sound</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitles</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reading the source…</source>
        <translation>Lendo a origem…</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No sound tracks</source>
        <translation>Nenhuma faixa de áudio</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>forced</source>
        <translation>forçada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>pictures</source>
        <translation>imagem</translation>
    </message>
</context>
<context>
    <name>WindowAccessibility</name>
    <message>
        <location filename="../ui/WindowAccessibility.cpp" line="+15"/>
        <source>Add videos with + or drop them here</source>
        <extracomment>shown in the empty list of videos, which is about 600 px wide</extracomment>
        <translation>Adicione vídeos com + ou solte-os aqui</translation>
    </message>
</context>
<context>
    <name>WindowMessages</name>
    <message>
        <location filename="../ui/WindowMessages.cpp" line="+15"/>
        <source>Information</source>
        <extracomment>caption of a message box</extracomment>
        <translation>Informação</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <extracomment>caption of a message box</extracomment>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <extracomment>caption of the message box saying the help page could not be opened</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The page could not be opened: no program for it was found.

You can open it yourself: %1</source>
        <extracomment>%1 is the help page&apos;s path</extracomment>
        <translation>Não foi possível abrir a página: nenhum programa para ela foi encontrado.

Você mesmo pode abri-la: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your computer cannot shutdown</source>
        <translation>Não é possível desligar o computador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A conversion is running. Stop it and close Tavrel?</source>
        <translation>Há uma conversão em andamento. Pará-la e fechar o Tavrel?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Stop and close</source>
        <extracomment>button; &amp; marks the Alt key letter</extracomment>
        <translation>&amp;Parar e fechar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Keep converting</source>
        <extracomment>button; &amp; marks the Alt key letter, which must differ from the other button&apos;s</extracomment>
        <translation>&amp;Continuar convertendo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power off now</source>
        <extracomment>button beside Cancel in the power-off countdown</extracomment>
        <translation>Desligar agora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer will power off in 1 second</source>
        <translation>O computador será desligado em 1 segundo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The computer will power off in %1 seconds</source>
        <extracomment>%1 is the number of seconds left, 2 to 60</extracomment>
        <translation>O computador será desligado em %1 segundos</translation>
    </message>
</context>
</TS>
