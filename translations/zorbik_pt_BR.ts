<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ClassReport</name>
    <message>
        <source>Week beginning</source>
        <translation>Semana de</translation>
    </message>
    <message>
        <source>Right of those asked</source>
        <translation>Acertos (das perguntas feitas)</translation>
    </message>
    <message>
        <source>%1 may be read only by the class's teachers (root, and the teacher group chosen at set-up: sudo zorbik --shared-folder %2 --set-up --teacher GROUP).</source>
        <translation>Só os professores da turma podem ler %1 (root e o grupo de professores escolhido na preparação: sudo zorbik --shared-folder %2 --set-up --teacher GROUP).</translation>
    </message>
    <message>
        <source>%1 has no class record: the folder was not set up by this version of Zorbik. Set it up with: sudo zorbik --shared-folder %1 --set-up --teacher GROUP</source>
        <translation>%1 não tem registro da turma: a pasta não foi preparada com esta versão do Zorbik. Prepare-a com: sudo zorbik --shared-folder %1 --set-up --teacher GROUP</translation>
    </message>
    <message>
        <source>The class folder %1 cannot be opened: %2.</source>
        <translation>Não foi possível abrir a pasta da turma %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a plain file (a link, a FIFO or a folder); it is not read.</source>
        <translation>%1 não é um arquivo comum (é um link, um FIFO ou uma pasta); não será lido.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, more than a class writes in a school year; it is not read.</source>
        <translation>%1 tem mais de %2 MiB, mais do que uma turma escreve em um ano letivo; não será lido.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Não foi possível ler %1: %2.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n pupil</source>
        <translation><numerusform>%n aluno</numerusform><numerusform>%n alunos</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n pupils</source>
        <translation><numerusform>%n aluno</numerusform><numerusform>%n alunos</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n game</source>
        <translation><numerusform>%n jogo</numerusform><numerusform>%n jogos</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation><numerusform>%n jogo</numerusform><numerusform>%n jogos</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n line of the record could not be read (cut off, or of a later version).</source>
        <translation><numerusform>Não foi possível ler %n linha do registro (cortada, ou de uma versão mais nova).</numerusform><numerusform>Não foi possível ler %n linhas do registro (cortadas, ou de uma versão mais nova).</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the record could not be read (cut off, or of a later version).</source>
        <translation><numerusform>Não foi possível ler %n linha do registro (cortada, ou de uma versão mais nova).</numerusform><numerusform>Não foi possível ler %n linhas do registro (cortadas, ou de uma versão mais nova).</numerusform></translation>
    </message>
    <message>
        <source>the product for the LCM</source>
        <translation>o produto em vez do MMC</translation>
    </message>
    <message>
        <source>a common multiple, not the least</source>
        <translation>um múltiplo comum, mas não o menor</translation>
    </message>
    <message>
        <source>the GCF for the LCM</source>
        <translation>o MDC em vez do MMC</translation>
    </message>
    <message>
        <source>a common factor, not the greatest</source>
        <translation>um divisor comum, mas não o maior</translation>
    </message>
    <message>
        <source>the LCM for the GCF</source>
        <translation>o MMC em vez do MDC</translation>
    </message>
    <message>
        <source>the bottom numbers added</source>
        <translation>somou os denominadores</translation>
    </message>
    <message>
        <source>top and bottom numbers added</source>
        <translation>somou numeradores e denominadores</translation>
    </message>
    <message>
        <source>the fractions multiplied</source>
        <translation>multiplicou as frações</translation>
    </message>
    <message>
        <source>not in lowest terms</source>
        <translation>não simplificada ao máximo</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>MMC</translation>
    </message>
    <message>
        <source>GCF</source>
        <translation>MDC</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Frações</translation>
    </message>
    <message>
        <source>The class in %1: %2, %3.</source>
        <translation>A turma em %1: %2, %3.</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Ainda não há nenhum jogo registrado.</translation>
    </message>
    <message>
        <source>Per topic: right answers of those asked in the last 4 weeks (since %1) | in the weeks before.</source>
        <translation>Por tema: acertos das perguntas feitas nas últimas 4 semanas (desde %1) | nas semanas anteriores.</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Último jogo</translation>
    </message>
    <message>
        <source>Most frequent mistakes</source>
        <translation>Erros mais frequentes</translation>
    </message>
    <message>
        <source>%1
last 4 weeks</source>
        <translation>%1
últimas 4 semanas</translation>
    </message>
    <message>
        <source>%1
before</source>
        <translation>%1
antes</translation>
    </message>
    <message>
        <source>The class - Zorbik on the maze</source>
        <translation>A turma – Zorbik no labirinto</translation>
    </message>
    <message>
        <source>The pupils of the class</source>
        <translation>Os alunos da turma</translation>
    </message>
    <message>
        <source>Pupil in the right chart:</source>
        <translation>Aluno no gráfico da direita:</translation>
    </message>
    <message>
        <source>Pupil shown in the right chart</source>
        <translation>Aluno mostrado no gráfico da direita</translation>
    </message>
    <message>
        <source>The class: right answers per week</source>
        <translation>A turma: acertos por semana</translation>
    </message>
    <message>
        <source>Chart of the class</source>
        <translation>Gráfico da turma</translation>
    </message>
    <message>
        <source>Chart of the chosen pupil</source>
        <translation>Gráfico do aluno escolhido</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close the class window</source>
        <translation>Fechar a janela da turma</translation>
    </message>
    <message>
        <source>%1: right answers per week</source>
        <translation>%1: acertos por semana</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>The classroom folder %1 does not exist. Make it first and give it the class's group (see zorbik(6)).</source>
        <translation>A pasta da turma %1 não existe. Crie a pasta primeiro e dê a ela o grupo da turma (veja zorbik(6)).</translation>
    </message>
    <message>
        <source>The classroom folder %1 cannot be used: %2.</source>
        <translation>A pasta da turma %1 não pode ser usada: %2.</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not a folder.</source>
        <translation>A pasta da turma %1 não é uma pasta.</translation>
    </message>
    <message>
        <source>%1 belongs to %2, who is neither root nor the owner of %3</source>
        <translation>%1 pertence a %2, que não é root nem o dono de %3</translation>
    </message>
    <message>
        <source>%1 may be changed by other users</source>
        <translation>%1 pode ser alterado por outros usuários</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not safe for a class: %2.</source>
        <translation>A pasta da turma %1 não é segura para uma turma: %2.</translation>
    </message>
    <message>
        <source>it changed while it was read</source>
        <translation>ela mudou enquanto era lida</translation>
    </message>
    <message>
        <source>its group is %1, not a class's group</source>
        <translation>o grupo dela é %1, não o de uma turma</translation>
    </message>
    <message>
        <source>its group %1 is the owner's own, not a class's group</source>
        <translation>o grupo dela, %1, é o do próprio dono, não o de uma turma</translation>
    </message>
    <message>
        <source>its owner %1 is not in its group %2</source>
        <translation>o dono dela, %1, não está no grupo %2</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Não foi possível apagar %1: %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Não foi possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>Cannot open the folder %1: %2</source>
        <translation>Não foi possível abrir a pasta %1: %2</translation>
    </message>
    <message>
        <source>%1 belongs to %2; set the folder up with sudo.</source>
        <translation>%1 pertence a %2; prepare a pasta com sudo.</translation>
    </message>
    <message>
        <source>Cannot set the permissions of %1: %2</source>
        <translation>Não foi possível definir as permissões de %1: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1 (%2's): %3</source>
        <translation>Não foi possível apagar %1 (de %2): %3</translation>
    </message>
    <message>
        <source>Cannot read the installed %1: %2</source>
        <translation>Não foi possível ler %1 instalado: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 está faltando</translation>
    </message>
    <message>
        <source>%1 belongs to %2</source>
        <translation>%1 pertence a %2</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>Only the owner of %1 (%2) or root can set it up.</source>
        <translation>Só o dono de %1 (%2) ou o root pode prepará-la.</translation>
    </message>
    <message>
        <source>The classroom folder %1 cannot be shared by a class: %2. Give it the class's group:
    sudo chgrp CLASS %1
    sudo chmod 2750 %1</source>
        <translation>A pasta da turma %1 não pode ser compartilhada por uma turma: %2. Dê a ela o grupo da turma:
    sudo chgrp TURMA %1
    sudo chmod 2750 %1</translation>
    </message>
    <message>
        <source>Cannot read the installed game in %1: %2</source>
        <translation>Não foi possível ler o jogo instalado em %1: %2</translation>
    </message>
    <message>
        <source>The classroom folder %1 was laid out, but %2.</source>
        <translation>A pasta da turma %1 foi preparada, mas %2.</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not set up yet. %2</source>
        <translation>A pasta da turma %1 ainda não foi preparada. %2</translation>
    </message>
    <message>
        <source>The game in the classroom folder %1 is not safe to start: %2. %3</source>
        <translation>Não é seguro iniciar o jogo da pasta da turma %1: %2. %3</translation>
    </message>
    <message>
        <source>The classroom folder %1 holds another version of Zorbik than the one installed here, so the teacher needs to set it up again. %2</source>
        <translation>A pasta da turma %1 tem outra versão do Zorbik, diferente da instalada aqui, então o professor precisa prepará-la de novo. %2</translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a folder.</source>
        <translation>Não foi possível usar %1: não é uma pasta.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 belongs to another user; remove it and try again.</source>
        <translation>%1 pertence a outro usuário; apague-o e tente de novo.</translation>
    </message>
    <message>
        <source>%1 may be changed by other users; remove it and try again.</source>
        <translation>Outros usuários podem alterar %1; apague-o e tente de novo.</translation>
    </message>
    <message>
        <source>No folder to play in: your home folder is unknown, or other users may change it.</source>
        <translation>Não há pasta para jogar: sua pasta pessoal é desconhecida, ou outros usuários podem alterá-la.</translation>
    </message>
    <message>
        <source>%1 is not a file but a link or a special file, so its lines cannot be kept. Move the class&apos;s file back to its place, or remove what stands there to start it empty, then set up again.</source>
        <translation>%1 não é um arquivo, e sim um link ou um arquivo especial, por isso suas linhas não podem ser mantidas. Coloque o arquivo da turma de volta no lugar, ou remova o que está lá para começar do zero, e depois prepare a pasta de novo.</translation>
    </message>
    <message>
        <source>%1 cannot be read whole, so it is left as it is: %2</source>
        <translation>%1 não pode ser lido por inteiro, por isso fica como está: %2</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>ele é grande demais</translation>
    </message>
    <message>
        <source>The class writer %1 is not installed for a class: it must be root&apos;s and set-group-ID to a group of its own (the package does this; see zorbik(6)).</source>
        <translation>O programa de gravação da turma %1 não está instalado para uma turma: ele precisa ser do root e ter set-group-ID para um grupo próprio (o pacote faz isso; veja zorbik(6)).</translation>
    </message>
    <message>
        <source>%1 was not laid out for the class writer installed here</source>
        <translation>%1 não foi preparado para o programa de gravação da turma instalado aqui</translation>
    </message>
    <message>
        <source>The teacher sets it up with:
    sudo zorbik --shared-folder %1 --set-up</source>
        <translation>O professor a prepara com:
    sudo zorbik --shared-folder %1 --set-up</translation>
    </message>
    <message>
        <source>Only root can give the class&apos;s files to the class writer&apos;s group %1. Set the folder up with:
    sudo zorbik --shared-folder %2 --set-up</source>
        <translation>Só o root pode passar os arquivos da turma para o grupo %1 do programa de gravação. Prepare a pasta com:
    sudo zorbik --shared-folder %2 --set-up</translation>
    </message>
    <message>
        <source>There is no group %1 for the teachers.</source>
        <translation>Não existe o grupo %1 para os professores.</translation>
    </message>
    <message>
        <source>%2 is not a pupil of the class of %1, so your score would be lost. Ask the teacher to add you to the group %3 (then log in again).</source>
        <translation>%2 não é da turma de %1, então sua pontuação se perderia. Peça ao professor para colocar você no grupo %3 (depois entre de novo na sessão).</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>The Rules</source>
        <translation>As regras</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Fechar a janela</translation>
    </message>
    <message>
        <source>Zorbik on the maze</source>
        <translation>Zorbik no labirinto</translation>
    </message>
    <message>
        <source>Press 'Ctrl' to view the map of explored maze.</source>
        <translation>Aperte “Ctrl” para ver o mapa do labirinto explorado.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIM</translation>
    </message>
    <message>
        <source>Are You sure You want to exit?</source>
        <translation>Quer mesmo sair do jogo?</translation>
    </message>
    <message>
        <source>Confirm exit</source>
        <translation>Sair do jogo</translation>
    </message>
    <message>
        <source>Game1: the high-score table %1 held lines that could not be read; they are kept in %1.bak and the table was started anew with this game's line.</source>
        <translation>Game1: o placar %1 tinha linhas que não puderam ser lidas; elas foram guardadas em %1.bak e o placar recomeçou com a linha deste jogo.</translation>
    </message>
    <message>
        <source>Game1: this game's line could not be saved in the high-score table %1.</source>
        <translation>Game1: não foi possível salvar a linha deste jogo no placar %1.</translation>
    </message>
    <message>
        <source>             HIGH SCORES LIST              </source>
        <extracomment>43 characters, centred</extracomment>
        <translation>                  PLACAR                   </translation>
    </message>
    <message>
        <source>-- Name --------------Pr--En--Dr-L---Score-</source>
        <extracomment>43 characters; each column name stays where the English one is</extracomment>
        <translation>-- Nome --------------Ob--In--Po-F--Pontos-</translation>
    </message>
    <message>
        <source>Time on %1 level:</source>
        <translation>Tempo na fase %1:</translation>
    </message>
    <message>
        <source>Congratulations! Level is complete! Time bonus is %1</source>
        <translation>Parabéns! Fase concluída! Bônus de tempo: %1</translation>
    </message>
    <message>
        <source>The door is locked. To open this door You have to answer to a simple question. Ask the question?</source>
        <translation>A porta está trancada. Para abrir, você precisa responder a uma pergunta simples. Fazer a pergunta?</translation>
    </message>
    <message>
        <source>Do you want to be eaten?</source>
        <translation>Quer deixar o inimigo devorar você?</translation>
    </message>
    <message>
        <source>Now You will be moved to the start of this level.</source>
        <translation>Agora você volta para o começo desta fase.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>%1 m %2 s</source>
        <comment>minutes and seconds on the level clock</comment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>Finish this game</source>
        <translation>Terminar este jogo</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>SAIR</translation>
    </message>
    <message>
        <source>Time on 1 level</source>
        <translation>Tempo na fase 1</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Saúde</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>This program is a part of the TALLIWAY software. It can not run by itself.</source>
        <translation>Este programa faz parte do software TALLIWAY. Ele não funciona sozinho.</translation>
    </message>
    <message>
        <source>Program termination</source>
        <translation>Fim do programa</translation>
    </message>
    <message>
        <source>Press 'Ctrl' to continue the game.</source>
        <translation>Aperte “Ctrl” para continuar o jogo.</translation>
    </message>
    <message>
        <source>Game1: this game is in the high-score table %1, but the class record could not take it.</source>
        <translation>Game1: esta partida está no placar %1, mas o registro da turma não conseguiu guardá-la.</translation>
    </message>
    <message>
        <source>Game1: this game&apos;s line was not saved: the class&apos;s high-score table %1 stayed busy with another game.</source>
        <translation>Game1: a linha desta partida não foi salva: o placar da turma %1 continuou ocupado com outra partida.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Default player</source>
        <translation>Jogador padrão</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>The game cannot be started: %1 cannot be used (%2).</source>
        <translation>O jogo não pode começar: %1 não pode ser usado (%2).</translation>
    </message>
    <message>
        <source>Zorbik is already running for you (in %1). Finish that game first, then start the next one.</source>
        <translation>O Zorbik já está aberto para você (em %1). Termine esse jogo primeiro e depois comece o próximo.</translation>
    </message>
    <message>
        <source>The player's name could not be saved in %1, so the game does not start (it would credit the previous player).</source>
        <translation>Não foi possível salvar o nome em %1, então o jogo não começa (os pontos iriam para o jogador anterior).</translation>
    </message>
    <message>
        <source>The game %1 could not be started: %2</source>
        <translation>Não foi possível iniciar o jogo %1: %2</translation>
    </message>
    <message>
        <source>The high-score table held lines that could not be read. They are kept in %1 beside it, and a new table was started with your game's line.</source>
        <translation>O placar tinha linhas que não puderam ser lidas. Elas foram guardadas ao lado, em %1, e um novo placar começou com a linha do seu jogo.</translation>
    </message>
    <message>
        <source>Your game's line could not be saved in the high-score table, so it is not in the list. Please tell your teacher.</source>
        <translation>Não foi possível salvar a linha do seu jogo no placar, por isso ela não aparece na lista. Avise o seu professor, por favor.</translation>
    </message>
    <message>
        <source>No classroom folder is named: give --shared-folder DIR, or sharedFolder in /etc/xdg/zorbik/zorbik.conf.</source>
        <translation>Nenhuma pasta da turma foi indicada: use --shared-folder PASTA ou sharedFolder em /etc/xdg/zorbik/zorbik.conf.</translation>
    </message>
    <message>
        <source>the classroom folder %1 is set up.</source>
        <translation>a pasta da turma %1 está pronta.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; your choices are not remembered.</source>
        <translation>%1 não é um arquivo comum; suas escolhas não ficam salvas.</translation>
    </message>
    <message>
        <source>Try 'zorbik --help' for the options.</source>
        <translation>Experimente “zorbik --help” para ver as opções.</translation>
    </message>
    <message>
        <source>Zorbik on the maze: a maze game with arithmetic questions.
Without options the launcher opens its window.</source>
        <translation>Zorbik no labirinto: um jogo de labirinto com perguntas de contas.
Sem opções, o lançador abre a sua janela.</translation>
    </message>
    <message>
        <source>Start the game at once, without the window (needs --name).</source>
        <translation>Começar o jogo na hora, sem a janela (precisa de --name).</translation>
    </message>
    <message>
        <source>The player's name.</source>
        <translation>O nome do jogador.</translation>
    </message>
    <message>
        <source>The questions: both (LCM and GCF), lcm, gcf or fractions.</source>
        <translation>As perguntas: both (MMC e MDC), lcm (MMC), gcf (MDC) ou fractions (frações).</translation>
    </message>
    <message>
        <source>Play without sound.</source>
        <translation>Jogar sem som.</translation>
    </message>
    <message>
        <source>Keep the maze dark until explored.</source>
        <translation>Deixar o labirinto escuro até ser explorado.</translation>
    </message>
    <message>
        <source>Play in the classroom's shared playing folder DIR.</source>
        <translation>Jogar na pasta compartilhada DIR da turma.</translation>
    </message>
    <message>
        <source>Lay out the classroom's shared folder (--shared-folder DIR or the system-wide setting) for its pupils and exit; for the folder's owner or root.</source>
        <translation>Preparar a pasta compartilhada da turma (--shared-folder DIR ou a configuração do sistema) para os alunos e sair; para o dono da pasta ou o root.</translation>
    </message>
    <message>
        <source>The hardest questions: gentle, standard, challenging or a step from 0 to %1 (a teacher's ceiling still holds).</source>
        <translation>As perguntas mais difíceis: gentle (fáceis), standard, challenging (difíceis) ou um nível de 0 a %1 (o limite do professor continua valendo).</translation>
    </message>
    <message>
        <source>Print the player's questions of the last games and exit.</source>
        <translation>Mostrar as perguntas dos últimos jogos do jogador e sair.</translation>
    </message>
    <message>
        <source>With --report: print one CSV row per game.</source>
        <translation>Com --report: mostrar uma linha CSV por jogo.</translation>
    </message>
    <message>
        <source>The language of the launcher, the game and the quiz: %1 or %2.</source>
        <translation>O idioma do lançador, do jogo e do quiz: %1 ou %2.</translation>
    </message>
    <message>
        <source>unexpected word '%1'.</source>
        <translation>palavra inesperada “%1”.</translation>
    </message>
    <message>
        <source>unknown topic '%1'; use both, lcm, gcf or fractions.</source>
        <translation>assunto desconhecido “%1”; use both, lcm, gcf ou fractions.</translation>
    </message>
    <message>
        <source>the shared folder must be given as a full path.</source>
        <translation>a pasta compartilhada precisa ser dada com o caminho completo.</translation>
    </message>
    <message>
        <source>unknown question level '%1'; use gentle, standard, challenging or a step from 0 to %2.</source>
        <translation>nível de perguntas desconhecido “%1”; use gentle, standard, challenging ou um nível de 0 a %2.</translation>
    </message>
    <message>
        <source>--csv goes with --report.</source>
        <translation>--csv vai junto com --report.</translation>
    </message>
    <message>
        <source>--report prints the report and starts nothing; leave out --play and --set-up.</source>
        <translation>--report mostra o relatório e não inicia nada; tire --play e --set-up.</translation>
    </message>
    <message>
        <source>--set-up lays out the classroom folder and starts no game; leave out --play.</source>
        <translation>--set-up prepara a pasta da turma e não inicia nenhum jogo; tire --play.</translation>
    </message>
    <message>
        <source>--play needs the player's name: --name NAME.</source>
        <translation>--play precisa do nome do jogador: --name NOME.</translation>
    </message>
    <message>
        <source>Zorbik on the maze</source>
        <translation>Zorbik no labirinto</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Seu nome:</translation>
    </message>
    <message>
        <source>Questions about</source>
        <translation>Perguntas sobre</translation>
    </message>
    <message>
        <source>Both LCM and GCF</source>
        <translation>MMC e MDC</translation>
    </message>
    <message>
        <source>Least common multiple (LCM)</source>
        <translation>Mínimo múltiplo comum (MMC)</translation>
    </message>
    <message>
        <source>Greatest common factor (GCF)</source>
        <translation>Máximo divisor comum (MDC)</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Frações</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Som ligado</translation>
    </message>
    <message>
        <source>Hidden maze (explore it in the dark, twice the time for the bonus)</source>
        <translation>Labirinto escondido (no escuro, tempo do bônus em dobro)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Type your name to play.</source>
        <translation>Digite seu nome para jogar.</translation>
    </message>
    <message>
        <source>In the high-score table: %1</source>
        <translation>No placar: %1</translation>
    </message>
    <message>
        <source>In the high-score table: %1 (the rest does not fit)</source>
        <translation>No placar: %1 (o resto não cabe)</translation>
    </message>
    <message>
        <source>No questions were asked in this game.
</source>
        <translation>Nenhuma pergunta foi feita neste jogo.
</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>MMC</translation>
    </message>
    <message>
        <source>GCF</source>
        <translation>MDC</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right</source>
        <translation>%1: %2 de %3 certas</translation>
    </message>
    <message>
        <source>Perfect - every question right!</source>
        <translation>Perfeito – acertou todas as perguntas!</translation>
    </message>
    <message>
        <source>Great work - keep it up!</source>
        <translation>Ótimo trabalho – continue assim!</translation>
    </message>
    <message>
        <source>Good effort - every question makes you stronger.</source>
        <translation>Bom esforço – cada pergunta deixa você mais forte.</translation>
    </message>
    <message>
        <source>Keep practising - the working above shows the way, and you will get them next time!</source>
        <translation>Continue treinando – as contas acima mostram o caminho, e na próxima vez você acerta!</translation>
    </message>
    <message numerus="yes">
        <source>%n question</source>
        <translation><numerusform>%n pergunta</numerusform><numerusform>%n perguntas</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n questions</source>
        <translation><numerusform>%n pergunta</numerusform><numerusform>%n perguntas</numerusform></translation>
    </message>
    <message>
        <source>Your game: %1, %2 right.</source>
        <translation>Seu jogo: %1, %2 certas.</translation>
    </message>
    <message>
        <source>The game of %1: %2, %3 right.</source>
        <translation>O jogo de %1: %2, %3 certas.</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>sem resposta</translation>
    </message>
    <message>
        <source>right with the hint</source>
        <translation>certa com a dica</translation>
    </message>
    <message>
        <source>you typed %1</source>
        <translation>você digitou %1</translation>
    </message>
    <message>
        <source>%1 (%2; the answer is %3)</source>
        <translation>%1 (%2; a resposta é %3)</translation>
    </message>
    <message>
        <source>To look at again:</source>
        <translation>Para rever:</translation>
    </message>
    <message>
        <source>No questions in the journal yet (%1).</source>
        <translation>Ainda não há perguntas no diário (%1).</translation>
    </message>
    <message>
        <source>Zorbik report (%1)</source>
        <translation>Relatório do Zorbik (%1)</translation>
    </message>
    <message>
        <source>The last games:</source>
        <translation>Os últimos jogos:</translation>
    </message>
    <message>
        <source>%1 of %2 right  (%3)</source>
        <translation>%1 de %2 certas  (%3)</translation>
    </message>
    <message numerus="yes">
        <source>All %n game: %1 of %2 right</source>
        <translation><numerusform>No total, %n jogo: %1 de %2 certas</numerusform><numerusform>No total, %n jogos: %1 de %2 certas</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>All %n games: %1 of %2 right</source>
        <translation><numerusform>No total, %n jogo: %1 de %2 certas</numerusform><numerusform>No total, %n jogos: %1 de %2 certas</numerusform></translation>
    </message>
    <message>
        <source>How the game went</source>
        <translation>Como foi o jogo</translation>
    </message>
    <message>
        <source>The computer's language</source>
        <translation>Idioma do computador</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message numerus="yes">
        <source>%n line of the journal could not be read and is left out.</source>
        <translation><numerusform>Não foi possível ler %n linha do diário; ela ficou de fora.</numerusform><numerusform>Não foi possível ler %n linhas do diário; elas ficaram de fora.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the journal could not be read and are left out.</source>
        <translation><numerusform>Não foi possível ler %n linha do diário; ela ficou de fora.</numerusform><numerusform>Não foi possível ler %n linhas do diário; elas ficaram de fora.</numerusform></translation>
    </message>
    <message>
        <source>--class-report and --class-window show the class and start nothing; give one of them, and --csv only with --class-report.</source>
        <translation>--class-report e --class-window mostram a turma e não iniciam nada; indique só uma das duas, e --csv só com --class-report.</translation>
    </message>
    <message>
        <source>--class-report and --class-window need the class folder: DIR.</source>
        <translation>--class-report e --class-window precisam da pasta da turma: DIR.</translation>
    </message>
    <message>
        <source>Print the class of the classroom folder DIR (its pupils' games, right answers and mistakes) and exit; for its teachers. With --csv: one CSV row per pupil.</source>
        <translation>Mostrar a turma da pasta DIR (jogos, acertos e erros dos alunos) e sair; para os professores da turma. Com --csv: uma linha CSV por aluno.</translation>
    </message>
    <message>
        <source>Show the class of the classroom folder DIR in a window, with charts.</source>
        <translation>Mostrar a turma da pasta DIR em uma janela, com gráficos.</translation>
    </message>
    <message>
        <source>The class...</source>
        <translation>A turma…</translation>
    </message>
    <message>
        <source>Show the class's games</source>
        <translation>Mostrar os jogos da turma</translation>
    </message>
    <message>
        <source>Your game&apos;s line could not be saved in the class&apos;s high-score table: it stayed busy with another game for too long. Please tell your teacher.</source>
        <translation>A linha da sua partida não pôde ser salva no placar da turma: ele ficou ocupado tempo demais com outra partida. Avise o professor, por favor.</translation>
    </message>
    <message>
        <source>With --set-up: the group of the teachers who may read the class record.</source>
        <translation>Com --set-up: o grupo dos professores que podem ler o registro da turma.</translation>
    </message>
    <message>
        <source>--teacher GROUP goes with --set-up.</source>
        <translation>--teacher GRUPO é usado com --set-up.</translation>
    </message>
    <message>
        <source>Seeing and reading</source>
        <translation>Ver e ler</translation>
    </message>
    <message>
        <source>Map for colour-blind eyes</source>
        <translation>Mapa para daltônicos</translation>
    </message>
    <message>
        <source>The map uses colours that stay apart for colour-blind eyes, with a shape on every kind of cell.</source>
        <translation>O mapa usa cores que os daltônicos também distinguem, com uma forma em cada tipo de casa.</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Alto contraste</translation>
    </message>
    <message>
        <source>Darker, clearer texts beside the maze.</source>
        <translation>Textos mais escuros e nítidos ao lado do labirinto.</translation>
    </message>
    <message>
        <source>Larger text and buttons</source>
        <translation>Letras e botões maiores</translation>
    </message>
    <message>
        <source>Texts and buttons beside the maze half as large again.</source>
        <translation>Textos e botões ao lado do labirinto uma vez e meia maiores.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>You multiplied %1 and %2: that is a common multiple, but not the least one, because %1 and %2 share the factor %3.</source>
        <translation>Você multiplicou %1 por %2: isso é um múltiplo comum, mas não o mínimo, porque %1 e %2 têm o divisor comum %3.</translation>
    </message>
    <message>
        <source>%1 is a common multiple of %2 and %3, but not the least one.</source>
        <translation>%1 é um múltiplo comum de %2 e %3, mas não o mínimo.</translation>
    </message>
    <message>
        <source>%1 is their greatest common factor; the LCM is the smallest number that both go into.</source>
        <translation>%1 é o máximo divisor comum deles; o MMC é o menor número que é múltiplo dos dois.</translation>
    </message>
    <message>
        <source>%1 goes into both %2 and %3, but it is not the greatest common factor: look for a bigger one.</source>
        <translation>%1 divide %2 e %3, mas não é o máximo divisor comum: procure um maior.</translation>
    </message>
    <message>
        <source>%1 is their least common multiple; the GCF is the biggest number that goes into both.</source>
        <translation>%1 é o mínimo múltiplo comum deles; o MDC é o maior número que divide os dois.</translation>
    </message>
    <message>
        <source>You added the bottom numbers too: when they are the same, add only the top numbers and keep the bottom number.</source>
        <translation>Você somou também os denominadores: quando eles são iguais, some só os numeradores e mantenha o denominador.</translation>
    </message>
    <message>
        <source>You added the bottom numbers too: make them the same, then add only the top numbers and keep the common bottom number.</source>
        <translation>Você somou também os denominadores: deixe-os iguais, depois some só os numeradores e mantenha o denominador comum.</translation>
    </message>
    <message>
        <source>You added the top numbers and the bottom numbers: first make the bottom numbers the same, then add only the top numbers.</source>
        <translation>Você somou os numeradores e os denominadores: primeiro deixe os denominadores iguais, depois some só os numeradores.</translation>
    </message>
    <message>
        <source>You multiplied the fractions; here they are added.</source>
        <translation>Você multiplicou as frações; aqui elas devem ser somadas.</translation>
    </message>
    <message>
        <source>2, 3, 5, 7, 11 and 13</source>
        <translation>2, 3, 5, 7, 11 e 13</translation>
    </message>
    <message>
        <source>2, 3, 5 and 7</source>
        <translation>2, 3, 5 e 7</translation>
    </message>
    <message>
        <source>What is the least common multiple (LCM) of %1 and %2?</source>
        <translation>Qual é o mínimo múltiplo comum (MMC) de %1 e %2?</translation>
    </message>
    <message>
        <source>Type a whole number.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <source>Count in steps of %1: %1, %2, %3, ... Stop at the first number that %4 goes into exactly: that is the LCM.</source>
        <translation>Conte de %1 em %1: %1, %2, %3, ... Pare no primeiro número que seja múltiplo de %4: esse é o MMC.</translation>
    </message>
    <message>
        <source>%1 = %2 = %3 is the first multiple of %4 that %5 goes into.</source>
        <translation>%1 = %2 = %3 é o primeiro múltiplo de %4 que também é múltiplo de %5.</translation>
    </message>
    <message>
        <source>What is the greatest common factor (GCF) of %1 and %2?</source>
        <translation>Qual é o máximo divisor comum (MDC) de %1 e %2?</translation>
    </message>
    <message>
        <source>Find a number that goes into both %1 and %2 (try %3), divide both by it, and do the same with what is left. The GCF is all the numbers you divided by, multiplied together.</source>
        <translation>Encontre um número que divida %1 e %2 (tente %3), divida os dois por ele e faça o mesmo com o que sobrar. O MDC é a multiplicação de todos os números pelos quais você dividiu.</translation>
    </message>
    <message>
        <source>%1 goes into %2 (%2 = %3), so the GCF is %4 itself.</source>
        <translation>%1 divide %2 (%2 = %3), então o MDC é o próprio %4.</translation>
    </message>
    <message>
        <source>%1 = %2 and %3 = %4, and %5 and %6 have no common factor but 1.</source>
        <translation>%1 = %2 e %3 = %4, e %5 e %6 não têm outro divisor comum além de 1.</translation>
    </message>
    <message>
        <source>Write %1 in lowest terms.</source>
        <translation>Simplifique %1 o máximo possível.</translation>
    </message>
    <message>
        <source>Type a fraction like 3/4 that cannot be made simpler.</source>
        <translation>Digite uma fração como 3/4 que não dá mais para simplificar.</translation>
    </message>
    <message>
        <source>Find the biggest number that divides both %1 and %2, and divide both by it.</source>
        <translation>Encontre o maior número que divide %1 e %2, e divida os dois por ele.</translation>
    </message>
    <message>
        <source>Divide the top and the bottom by %1: %2 = %3.</source>
        <translation>Divida o numerador e o denominador por %1: %2 = %3.</translation>
    </message>
    <message>
        <source>Type a fraction like 3/4, a mixed number like 1 1/4, or a whole number. It need not be in lowest terms.</source>
        <translation>Digite uma fração como 3/4, um número misto como 1 1/4 ou um número inteiro. Não precisa simplificar.</translation>
    </message>
    <message>
        <source>The bottom numbers are the same: add the top numbers and keep the bottom number.</source>
        <translation>Os denominadores são iguais: some os numeradores e mantenha o denominador.</translation>
    </message>
    <message>
        <source>Make the bottom numbers the same first: use %1 as the common bottom number, then add the top numbers.</source>
        <translation>Primeiro deixe os denominadores iguais: use %1 como denominador comum e depois some os numeradores.</translation>
    </message>
    <message>
        <source>Same bottom number: %1.</source>
        <translation>Mesmo denominador: %1.</translation>
    </message>
    <message>
        <source>Common bottom number %1: %2.</source>
        <translation>Denominador comum %1: %2.</translation>
    </message>
    <message>
        <source>No answer here is below zero: type it without the minus sign.</source>
        <translation>Aqui nenhuma resposta é menor que zero: digite sem o sinal de menos.</translation>
    </message>
    <message>
        <source>Type a whole number, without a decimal point.</source>
        <translation>Digite um número inteiro, sem vírgula.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction: %2.</source>
        <translation>Escreva %1 como fração: %2.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction: %2 or %3.</source>
        <translation>Escreva %1 como fração: %2 ou %3.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction, like %2.</source>
        <translation>Escreva %1 como fração, por exemplo %2.</translation>
    </message>
    <message>
        <source>Type a whole number, without a fraction.</source>
        <translation>Digite um número inteiro, sem fração.</translation>
    </message>
    <message>
        <source>Please type your answer as shown above. %1</source>
        <translation>Por favor, digite sua resposta como mostrado acima. %1</translation>
    </message>
    <message numerus="yes">
        <source>A right answer wins %n points. A wrong answer or the hint costs %1 percent of your health and up to %2 points.</source>
        <translation><numerusform>Uma resposta certa vale %n ponto. Uma resposta errada ou a dica custa %1 por cento da sua saúde e até %2 pontos.</numerusform><numerusform>Uma resposta certa vale %n pontos. Uma resposta errada ou a dica custa %1 por cento da sua saúde e até %2 pontos.</numerusform></translation>
    </message>
    <message>
        <source>Enter checks your answer. Escape closes the quiz without an answer, which costs the same as a wrong one.</source>
        <translation>Enter confere sua resposta. Esc fecha o quiz sem resposta, o que custa o mesmo que uma resposta errada.</translation>
    </message>
    <message>
        <source>With the hint, your answer will not count: no points, and the maze takes %1 percent of your health and up to %2 points. Press "Show the hint" if you still want it.</source>
        <translation>Com a dica, sua resposta não vai contar: nada de pontos, e o labirinto tira %1 por cento da sua saúde e até %2 pontos. Aperte “Mostrar a dica” se ainda quiser.</translation>
    </message>
    <message>
        <source>Your answer is right, but it could not be passed to the game, so the game will count it as not answered. Sorry!</source>
        <translation>Sua resposta está certa, mas não foi possível passá-la para o jogo, então o jogo vai contar como sem resposta. Desculpe!</translation>
    </message>
    <message numerus="yes">
        <source>Right! Well done. That is %n points.</source>
        <translation><numerusform>Certo! Muito bem. É %n ponto.</numerusform><numerusform>Certo! Muito bem. São %n pontos.</numerusform></translation>
    </message>
    <message>
        <source>Right, but with the hint it counts as not answered: no points, and the maze takes %1 percent of your health and up to %2 points.</source>
        <translation>Certo, mas com a dica conta como sem resposta: nada de pontos, e o labirinto tira %1 por cento da sua saúde e até %2 pontos.</translation>
    </message>
    <message>
        <source>%1 is equal to %2, but it is not in lowest terms: %3 and %4 can both still be divided by %5. The answer is %6. So close - well tried!</source>
        <translation>%1 é igual a %2, mas não está simplificada: %3 e %4 ainda podem ser divididos por %5. A resposta é %6. Quase – boa tentativa!</translation>
    </message>
    <message>
        <source>Not quite. The answer is %1. Good try - you will get the next one!</source>
        <translation>Não foi dessa vez. A resposta é %1. Boa tentativa – você acerta a próxima!</translation>
    </message>
    <message>
        <source>Not quite. The answer is %1. %2 Good try - you will get the next one!</source>
        <translation>Não foi dessa vez. A resposta é %1. %2 Boa tentativa – você acerta a próxima!</translation>
    </message>
    <message>
        <source>The quiz does not know the topic "%1", so the question comes from any of LCM, GCF and fractions.</source>
        <translation>O quiz não conhece o assunto “%1”, então a pergunta pode ser de MMC, MDC ou frações.</translation>
    </message>
    <message>
        <source>Least common multiple</source>
        <translation>Mínimo múltiplo comum</translation>
    </message>
    <message>
        <source>Greatest common factor</source>
        <translation>Máximo divisor comum</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Frações</translation>
    </message>
    <message>
        <source>Zorbik asks: %1</source>
        <translation>Zorbik pergunta: %1</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>sua resposta</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Conferir</translation>
    </message>
    <message>
        <source>Show the &amp;hint</source>
        <translation>Mostrar a &amp;dica</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Dica: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Enter closes the quiz.</source>
        <translation>Enter fecha o quiz.</translation>
    </message>
    <message>
        <source>.</source>
        <comment>decimal sign</comment>
        <translation>,</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Sua resposta</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>     The main goal of the game is to cross a maze from the start up to the finish and 
to earn the greatest score.</source>
        <translation>     O objetivo do jogo é atravessar o labirinto da entrada até a saída e fazer o maior número de pontos.</translation>
    </message>
    <message>
        <source>     There are several types of treasures located in the maze that are increasing the 
score.</source>
        <translation>     No labirinto há vários tipos de tesouros que dão pontos.</translation>
    </message>
    <message>
        <source>     There are useful items which are not increasing the score, but which can be 
useful to you. There are first-aid kits located in the maze (it is usually located 
behind the doors). If you take the first-aid kit the your health will increase by 10 
percent. There are torches located in the maze (it is usually located behind the 
doors). The torches are useful in the game with hidden maze because it increase 
the size of viewable area.</source>
        <translation>     Também há objetos úteis que não dão pontos, mas podem ajudar você. No labirinto há kits de primeiros socorros (quase sempre atrás das portas). Se você pegar um kit, sua saúde aumenta 10 por cento. Também há tochas (quase sempre atrás das portas). As tochas ajudam no labirinto escondido, porque deixam você ver uma área maior.</translation>
    </message>
    <message>
        <source>     The movement of the Zorbik can be made by the arrows on the keyboard, or by 
pressing corresponding buttons of moving in a window, or by clicking by a mouse 
button in a game field.</source>
        <translation>     Você move o Zorbik com as setas do teclado, com os botões de seta da janela ou clicando com o mouse no campo do jogo.</translation>
    </message>
    <message>
        <source>     There are doors that prevent to move in a maze. To open a door it is necessary 
to answer to a mathematical question. If the answer is correct the score is also 
increasing. If the correct answer was received with the hint(s), the score does not 
increase and the door does not open. The health in this case decreases by %1 
percent and the score decreases by %2 points. After you have passed through the 
open door the door closes automatically.</source>
        <translation>     Há portas que bloqueiam o caminho. Para abrir uma porta, você precisa responder a uma pergunta de matemática. Se a resposta estiver certa, você também ganha pontos. Se você achou a resposta certa com a dica, não ganha pontos e a porta não abre. Nesse caso sua saúde cai %1 por cento e você perde %2 pontos. Depois que você passa pela porta aberta, ela se fecha sozinha.</translation>
    </message>
    <message>
        <source>     There are enemies who move in a maze and wish to eat you. When you meet the 
enemy or when the enemy meets you the mathematical question is also asked. If 
the answer is correct the score is also increasing. The enemy disappears in this 
case and Zorbik moves on the enemy's place if he has attacked the enemy or 
remains where he has been, if the enemy has attacked him. If the correct answer 
was received with the hint(s), the score does not increase and the enemy does not 
disappear. The health in this case decreases by %1 percent and the score decreases 
by %2 points.</source>
        <translation>     Pelo labirinto andam inimigos que querem devorar você. Quando você encontra um inimigo, ou ele encontra você, também aparece uma pergunta de matemática. Se a resposta estiver certa, você ganha pontos e o inimigo some. Se foi o Zorbik que atacou, ele vai para o lugar do inimigo; se foi o inimigo que atacou, o Zorbik fica onde estava. Se você achou a resposta certa com a dica, não ganha pontos e o inimigo não some. Nesse caso sua saúde cai %1 por cento e você perde %2 pontos.</translation>
    </message>
    <message>
        <source>     When you complete the level the bonus for time spent at the level add to your 
score. The time has counting only for your movement in the maze. When you solve 
the mathematical example the time stops and the maze disappears from the screen.</source>
        <translation>     Quando você termina uma fase, ganha um bônus de tempo nos seus pontos. O tempo só conta enquanto você anda pelo labirinto. Enquanto você resolve uma conta, o relógio para e o labirinto some da tela. No placar, Ob conta os objetos que você pegou, In os inimigos vencidos e Po as portas abertas; F mostra a fase a que você chegou.</translation>
    </message>
</context>
<context>
    <name>Access</name>
    <message>
        <source>Maze</source>
        <translation>Labirinto</translation>
    </message>
    <message>
        <source>The rules of the game</source>
        <translation>As regras do jogo</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Melhores pontuações</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Treasures</source>
        <translation>Tesouros</translation>
    </message>
    <message>
        <source>Enemies beaten</source>
        <translation>Inimigos vencidos</translation>
    </message>
    <message>
        <source>Doors opened</source>
        <translation>Portas abertas</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>%1 (this game)</source>
        <translation>%1 (esta partida)</translation>
    </message>
    <message>
        <source>Treasures: %1</source>
        <translation>Tesouros: %1</translation>
    </message>
    <message>
        <source>Enemies beaten: %1</source>
        <translation>Inimigos vencidos: %1</translation>
    </message>
    <message>
        <source>Doors opened: %1</source>
        <translation>Portas abertas: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Pontos: %1</translation>
    </message>
    <message>
        <source>Time on this level: %1</source>
        <translation>Tempo neste nível: %1</translation>
    </message>
    <message>
        <source>Move up-left</source>
        <translation>Ir para cima e à esquerda</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Ir para cima</translation>
    </message>
    <message>
        <source>Move up-right</source>
        <translation>Ir para cima e à direita</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Ir para a esquerda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Ir para a direita</translation>
    </message>
    <message>
        <source>Move down-left</source>
        <translation>Ir para baixo e à esquerda</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Ir para baixo</translation>
    </message>
    <message>
        <source>Move down-right</source>
        <translation>Ir para baixo e à direita</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Zorbik</source>
        <translation>Zorbik</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Saúde</translation>
    </message>
    <message>
        <source>Zorbik's keys</source>
        <translation>Teclas do Zorbik</translation>
    </message>
    <message>
        <source>Shows the rules of the game.</source>
        <translation>Mostra as regras do jogo.</translation>
    </message>
    <message>
        <source>Finishes this game.</source>
        <translation>Termina esta partida.</translation>
    </message>
    <message>
        <source>The arrow keys move Zorbik, Ctrl shows the map, Space says where he is.</source>
        <translation>As setas movem o Zorbik, Ctrl mostra o mapa e a barra de espaço diz onde ele está.</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>Zorbik picks up something.</source>
        <translation>Zorbik pega alguma coisa.</translation>
    </message>
    <message>
        <source>Zorbik picks up gold.</source>
        <translation>Zorbik pega ouro.</translation>
    </message>
    <message>
        <source>Zorbik picks up money.</source>
        <translation>Zorbik pega dinheiro.</translation>
    </message>
    <message>
        <source>Zorbik picks up a diamond.</source>
        <translation>Zorbik pega um diamante.</translation>
    </message>
    <message>
        <source>Zorbik picks up a torch: he sees further now.</source>
        <translation>Zorbik pega uma tocha: agora ele enxerga mais longe.</translation>
    </message>
    <message>
        <source>Zorbik picks up a first-aid kit.</source>
        <translation>Zorbik pega um kit de primeiros socorros.</translation>
    </message>
    <message>
        <source>%1 Treasures: %2.</source>
        <translation>%1 Tesouros: %2.</translation>
    </message>
    <message>
        <source>The door is open. Doors opened: %1.</source>
        <translation>A porta está aberta. Portas abertas: %1.</translation>
    </message>
    <message>
        <source>The enemy is beaten. Enemies beaten: %1.</source>
        <translation>O inimigo foi vencido. Inimigos vencidos: %1.</translation>
    </message>
    <message>
        <source>Level %1 begins: a maze of %2 by %2 cells.</source>
        <translation>Começa o nível %1: um labirinto de %2 por %2 casas.</translation>
    </message>
    <message>
        <source>Time on this level: %1 min.</source>
        <translation>Tempo neste nível: %1 min.</translation>
    </message>
</context>
<context>
    <name>Maze</name>
    <message>
        <source>to the north</source>
        <translation>ao norte</translation>
    </message>
    <message>
        <source>to the north-east</source>
        <translation>a nordeste</translation>
    </message>
    <message>
        <source>to the east</source>
        <translation>a leste</translation>
    </message>
    <message>
        <source>to the south-east</source>
        <translation>a sudeste</translation>
    </message>
    <message>
        <source>to the south</source>
        <translation>ao sul</translation>
    </message>
    <message>
        <source>to the south-west</source>
        <translation>a sudoeste</translation>
    </message>
    <message>
        <source>to the west</source>
        <translation>a oeste</translation>
    </message>
    <message>
        <source>to the north-west</source>
        <translation>a noroeste</translation>
    </message>
    <message>
        <source>the edge of the maze</source>
        <translation>a borda do labirinto</translation>
    </message>
    <message>
        <source>unexplored darkness</source>
        <translation>escuridão inexplorada</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>ouro</translation>
    </message>
    <message>
        <source>money</source>
        <translation>dinheiro</translation>
    </message>
    <message>
        <source>a diamond</source>
        <translation>um diamante</translation>
    </message>
    <message>
        <source>a torch</source>
        <translation>uma tocha</translation>
    </message>
    <message>
        <source>a first-aid kit</source>
        <translation>um kit de primeiros socorros</translation>
    </message>
    <message>
        <source>a hare</source>
        <translation>uma lebre</translation>
    </message>
    <message>
        <source>a wolf</source>
        <translation>um lobo</translation>
    </message>
    <message>
        <source>a fox</source>
        <translation>uma raposa</translation>
    </message>
    <message>
        <source>a bear</source>
        <translation>um urso</translation>
    </message>
    <message>
        <source>a wall</source>
        <translation>um muro</translation>
    </message>
    <message>
        <source>the entrance</source>
        <translation>a entrada</translation>
    </message>
    <message>
        <source>the exit</source>
        <translation>a saída</translation>
    </message>
    <message>
        <source>a locked door</source>
        <translation>uma porta trancada</translation>
    </message>
    <message>
        <source>road</source>
        <translation>caminho</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, then %2 %3 steps %4</source>
        <translation>%1 e depois %2 a %3 passos %4</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2.</source>
        <translation>Zorbik está na coluna %1, linha %2.</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2, on the entrance.</source>
        <translation>Zorbik está na coluna %1, linha %2, na entrada.</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2, on an open door.</source>
        <translation>Zorbik está na coluna %1, linha %2, numa porta aberta.</translation>
    </message>
    <message>
        <source>%1 Around him: %2.</source>
        <translation>%1 Ao redor dele: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
</TS>