<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>desktop</name>
    <message>
        <source>Typing Game</source>
        <translation>Jogo de digitação</translation>
    </message>
    <message>
        <source>Type the falling letters before they reach the bottom</source>
        <translation>Digite as letras que caem antes que elas cheguem lá embaixo</translation>
    </message>
    <message>
        <source>typing;keyboard;letters;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon.</extracomment>
        <translation>digitação;teclado;letras;</translation>
    </message>
    <message>
        <source>Velquist is a typing game. Coloured capital letters fall down a black play area, and you knock each one out by typing it before it reaches the bottom.</source>
        <translation>Velquist é um jogo de digitação. Letras maiúsculas coloridas caem por uma área de jogo preta, e você acerta cada uma digitando-a antes que ela chegue lá embaixo.</translation>
    </message>
    <message>
        <source>A quick hit scores more than a late one, and a wrong key makes every letter fall fast. Each level brings more letters, and the game ends when one of them lands. The ten best scores are kept with the players&apos; names.</source>
        <translation>Um acerto rápido vale mais pontos que um atrasado, e uma tecla errada faz todas as letras caírem rápido. Cada nível traz mais letras, e o jogo termina quando uma delas chega lá embaixo. As dez melhores pontuações ficam guardadas com os nomes dos jogadores.</translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Encerrar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
</context>
<context>
    <name>gameCode</name>
    <message>
        <source>%1%2 Do loop has exceeded safe limit, ending game.</source>
        <extracomment>%1 is the routine, &quot;setLetter - &quot;, and %2 the module, &quot;gameCode&quot;: names in the code.</extracomment>
        <translation>%1%2 O laço Do passou do limite seguro; encerrando o jogo.</translation>
    </message>
    <message>
        <source>Please enter you name, cancel to exit</source>
        <translation>Digite seu nome, ou clique em Cancelar para sair</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Recorde</translation>
    </message>
    <message>
        <source>%1 out of %2 LETTERS        SCORE: %3       LEVEl: %4</source>
        <extracomment>The status line: letters hit, the level&apos;s target, the score and the level. The spaces keep the parts apart.</extracomment>
        <translation>%1 de %2 LETRAS        PONTOS: %3       NÍVEL: %4</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIM DE JOGO</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>PONTOS: %1</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>NÍVEL %1</translation>
    </message>
</context>
<context>
    <name>highScoreTable</name>
    <message>
        <source>another copy of the game is using it</source>
        <translation>outra cópia do jogo está usando este arquivo</translation>
    </message>
    <message>
        <source>another copy of the game removed it</source>
        <translation>outra cópia do jogo removeu este arquivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>The high scores could not be read from the file &quot;%1&quot;: %2.

The table starts empty, and the game will not write over that file while it runs.</source>
        <translation>Não foi possível ler os recordes do arquivo “%1”: %2.

A tabela começa vazia, e o jogo não vai gravar por cima desse arquivo enquanto estiver aberto.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept for as long as the game runs.</source>
        <translation>Não foi possível salvar os recordes no arquivo “%1”: %2.

A tabela é mantida enquanto o jogo estiver aberto.</translation>
    </message>
    <message>
        <source>The high scores were not saved: the file &quot;%1&quot; could not be read when the game started, and saving would write over the scores it holds.

The table is kept for as long as the game runs.</source>
        <translation>Os recordes não foram salvos: o arquivo “%1” não pôde ser lido quando o jogo começou, e salvar apagaria os recordes que ele contém.

A tabela é mantida enquanto o jogo estiver aberto.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept, and saved the next time it changes.</source>
        <translation>Não foi possível salvar os recordes no arquivo “%1”: %2.

A tabela é mantida e será salva na próxima vez que mudar.</translation>
    </message>
</context>
<context>
    <name>mathsFunctions</name>
    <message>
        <source>Cannot be greater or less than 1 or -1</source>
        <translation>Não pode ser maior que 1 nem menor que -1</translation>
    </message>
    <message>
        <source>Invalid point combination</source>
        <translation>Combinação de pontos inválida</translation>
    </message>
    <message>
        <source>the high paramenter is less than the low parameter</source>
        <translation>o parâmetro superior é menor que o parâmetro inferior</translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>%1 is the module&apos;s name in the code, &quot;MathsFunctions&quot;.</extracomment>
        <translation>Erro em %1</translation>
    </message>
</context>
</TS>
