<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Classroom</name>
    <message>
        <source>The teacher sets it up with:
    sudo zorbik --shared-folder %1 --set-up
(or as the folder&apos;s owner without sudo).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The classroom folder %1 does not exist. Make it first and give it the class&apos;s group (see zorbik(6)).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The classroom folder %1 cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The classroom folder %1 is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to %2, who is neither root nor the owner of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 may be changed by other users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The classroom folder %1 is not safe for a class: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it changed while it was read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its group is %1, not a class&apos;s group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its group %1 is the owner&apos;s own, not a class&apos;s group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its owner %1 is not in its group %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to %2; set the folder up with sudo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot set the permissions of %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot remove %1 (%2&apos;s): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the installed %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the owner of %1 (%2) or root can set it up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The classroom folder %1 cannot be shared by a class: %2. Give it the class&apos;s group:
    sudo chgrp CLASS %1
    sudo chmod 2750 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the installed game in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The classroom folder %1 was laid out, but %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The classroom folder %1 is not set up yet. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game in the classroom folder %1 is not safe to start: %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The classroom folder %1 holds another version of Zorbik than the one installed here, so the teacher needs to set it up again. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The class&apos;s high-score table in %1/Maze cannot be written by %2, so your score would be lost. Ask the teacher to add you to the group %3 (then log in again). If you are in it, the table needs a new set-up. %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to another user; remove it (or set up with sudo) and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folder to play in: neither XDG_DATA_HOME nor HOME is set.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>The Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorbik on the maze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &apos;Ctrl&apos; to view the map of explored maze.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are You sure You want to exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game1: the high-score table %1 held lines that could not be read; they are kept in %1.bak and the table was started anew with this game&apos;s line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game1: this game&apos;s line could not be saved in the high-score table %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>             HIGH SCORES LIST              </source>
        <extracomment>43 characters, centred</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-- Name --------------Pr--En--Dr-L---Score-</source>
        <extracomment>43 characters; each column name stays where the English one is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time on %1 level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations! Level is complete! Time bonus is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The door is locked. To open this door You have to answer to a simple question. Ask the question?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to be eaten?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now You will be moved to the start of this level.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 m %2 s</source>
        <comment>minutes and seconds on the level clock</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish this game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time on 1 level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program is a part of the TALLIWAY software. It can not run by itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program termination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &apos;Ctrl&apos; to continue the game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>The game cannot be started: %1 cannot be used (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorbik is already running for you (in %1). Finish that game first, then start the next one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player&apos;s name could not be saved in %1, so the game does not start (it would credit the previous player).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game %1 could not be started: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high-score table held lines that could not be read. They are kept in Game1.hrs.bak beside it, and a new table was started with your game&apos;s line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your game&apos;s line could not be saved in the high-score table, so it is not in the list. Please tell your teacher.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No classroom folder is named: give --shared-folder DIR, or sharedFolder in /etc/xdg/zorbik/zorbik.conf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the classroom folder %1 is set up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a plain file; your choices are not remembered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;zorbik --help&apos; for the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorbik on the maze: a maze game with arithmetic questions.
Without options the launcher opens its window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the game at once, without the window (needs --name).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The questions: both (LCM and GCF), lcm, gcf or fractions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play without sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the maze dark until explored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play in the classroom&apos;s shared playing folder DIR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lay out the classroom&apos;s shared folder (--shared-folder DIR or the system-wide setting) for its pupils and exit; for the folder&apos;s owner or root.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hardest questions: gentle, standard, challenging or a step from 0 to 14 (a teacher&apos;s ceiling still holds).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the player&apos;s questions of the last games and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --report: print one CSV row per game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the launcher, the game and the quiz: de, en, es, fr, pt_BR or ru.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected word &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown topic &apos;%1&apos;; use both, lcm, gcf or fractions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the shared folder must be given as a full path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown question level &apos;%1&apos;; use gentle, standard, challenging or a step from 0 to 14.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--csv goes with --report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--report prints the report and starts nothing; leave out --play and --set-up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set-up lays out the classroom folder and starts no game; leave out --play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--play needs the player&apos;s name: --name NAME.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorbik on the maze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions about</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both LCM and GCF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Least common multiple (LCM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greatest common factor (GCF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden maze (explore it in the dark, twice the time for the bonus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type your name to play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the high-score table: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the high-score table: %1 (the rest does not fit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No questions were asked in this game.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GCF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 of %3 right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfect - every question right!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great work - keep it up!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good effort - every question makes you stronger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep practising - the working above shows the way, and you will get them next time!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n question</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n questions</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Your game: %1, %2 right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game of %1: %2, %3 right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right with the hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you typed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2; the answer is %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To look at again:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No questions in the journal yet (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorbik report (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last games:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 right  (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>All %n game: %1 of %2 right</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n games: %1 of %2 right</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>How the game went</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>You multiplied %1 and %2: that is a common multiple, but not the least one, because %1 and %2 share the factor %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a common multiple of %2 and %3, but not the least one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is their greatest common factor; the LCM is the smallest number that both go into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes into both %2 and %3, but it is not the greatest common factor: look for a bigger one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is their least common multiple; the GCF is the biggest number that goes into both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You added the bottom numbers too: when they are the same, add only the top numbers and keep the bottom number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You added the bottom numbers too: make them the same, then add only the top numbers and keep the common bottom number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You added the top numbers and the bottom numbers: first make the bottom numbers the same, then add only the top numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You multiplied the fractions; here they are added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2, 3, 5, 7, 11 and 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2, 3, 5 and 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is the least common multiple (LCM) of %1 and %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count in steps of %1: %1, %2, %3, ... Stop at the first number that %4 goes into exactly: that is the LCM.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = %2 = %3 is the first multiple of %4 that %5 goes into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is the greatest common factor (GCF) of %1 and %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a number that goes into both %1 and %2 (try %3), divide both by it, and do the same with what is left. The GCF is all the numbers you divided by, multiplied together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes into %2 (%2 = %3), so the GCF is %4 itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = %2 and %3 = %4, and %5 and %6 have no common factor but 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write %1 in lowest terms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a fraction like 3/4 that cannot be made simpler.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the biggest number that divides both %1 and %2, and divide both by it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divide the top and the bottom by %1: %2 = %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a fraction like 3/4, a mixed number like 1 1/4, or a whole number. It need not be in lowest terms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bottom numbers are the same: add the top numbers and keep the bottom number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the bottom numbers the same first: use %1 as the common bottom number, then add the top numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same bottom number: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common bottom number %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer here is below zero: type it without the minus sign.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a whole number, without a decimal point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write %1 as a fraction: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write %1 as a fraction: %2 or %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write %1 as a fraction, like %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a whole number, without a fraction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type your answer as shown above. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A right answer wins %n points. A wrong answer or the hint costs 10 health and up to 1000 points.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Enter checks your answer. Escape closes the quiz without an answer, which costs the same as a wrong one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the hint, your answer will not count: no points, and the maze takes 10 health and up to 1000 points. Press &quot;Show the hint&quot; if you still want it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer is right, but it could not be passed to the game, so the game will count it as not answered. Sorry!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Right! Well done. That is %n points.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Right, but with the hint it counts as not answered: no points, and the maze takes 10 health and up to 1000 points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is equal to %2, but it is not in lowest terms: %3 and %4 can both still be divided by %5. The answer is %6. So close - well tried!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not quite. The answer is %1. Good try - you will get the next one!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not quite. The answer is %1. %2 Good try - you will get the next one!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quiz does not know the topic &quot;%1&quot;, so the question comes from any of LCM, GCF and fractions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Least common multiple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greatest common factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorbik asks: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the &amp;hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter closes the quiz.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>     The main goal of the game is to cross a maze from the start up to the finish and 
to earn the greatest score.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     There are several types of treasures located in the maze that are increasing the 
score.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     There are useful items which are not increasing the score, but which can be 
useful to you. There are first-aid kits located in the maze (it is usually located 
behind the doors). If you take the first-aid kit the your health will increase by 10 
percent. There are torches located in the maze (it is usually located behind the 
doors). The torches are useful in the game with hidden maze because it increase 
the size of viewable area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     The movement of the Zorbik can be made by the arrows on the keyboard, or by 
pressing corresponding buttons of moving in a window, or by clicking by a mouse 
button in a game field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     There are doors that prevent to move in a maze. To open a door it is necessary 
to answer to a mathematical question. If the answer is correct the score is also 
increasing. If the correct answer was received with the hint(s), the score does not 
increase and the door does not open. The health in this case decreases by 10 
percent and the score decreases by 1000 points. After you have passed through the 
open door the door closes automatically.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     There are enemies who move in a maze and wish to eat you. When you meet the 
enemy or when the enemy meets you the mathematical question is also asked. If 
the answer is correct the score is also increasing. The enemy disappears in this 
case and Zorbik moves on the enemy&apos;s place if he has attacked the enemy or 
remains where he has been, if the enemy has attacked him. If the correct answer 
was received with the hint(s), the score does not increase and the enemy does not 
disappear. The health in this case decreases by 10 percent and the score decreases 
by 1000 points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     When you complete the level the bonus for time spent at the level add to your 
score. The time has counting only for your movement in the maze. When you solve 
the mathematical example the time stops and the maze disappears from the screen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
