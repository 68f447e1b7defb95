<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ClassReport</name>
    <message>
        <source>Week beginning</source>
        <translation>Woche ab</translation>
    </message>
    <message>
        <source>Right of those asked</source>
        <translation>Richtig (von den gestellten)</translation>
    </message>
    <message>
        <source>%1 may be read only by the class's teachers (root, and the teacher group chosen at set-up: sudo zorbik --shared-folder %2 --set-up --teacher GROUP).</source>
        <translation>%1 dürfen nur die Lehrkräfte der Klasse lesen (root und die Lehrkräftegruppe, die beim Einrichten gewählt wird: sudo zorbik --shared-folder %2 --set-up --teacher GROUP).</translation>
    </message>
    <message>
        <source>%1 has no class record: the folder was not set up by this version of Zorbik. Set it up with: sudo zorbik --shared-folder %1 --set-up --teacher GROUP</source>
        <translation>%1 hat kein Klassenprotokoll: Der Ordner wurde nicht mit dieser Version von Zorbik eingerichtet. Richten Sie ihn ein mit: sudo zorbik --shared-folder %1 --set-up --teacher GROUP</translation>
    </message>
    <message>
        <source>The class folder %1 cannot be opened: %2.</source>
        <translation>Der Klassenordner %1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>%1 is not a plain file (a link, a FIFO or a folder); it is not read.</source>
        <translation>%1 ist keine einfache Datei (ein Link, ein FIFO oder ein Ordner) und wird nicht gelesen.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, more than a class writes in a school year; it is not read.</source>
        <translation>%1 ist größer als %2 MiB, mehr als eine Klasse in einem Schuljahr schreibt; die Datei wird nicht gelesen.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n pupil</source>
        <translation><numerusform>%n Schüler</numerusform><numerusform>%n Schüler</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n pupils</source>
        <translation><numerusform>%n Schüler</numerusform><numerusform>%n Schüler</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n game</source>
        <translation><numerusform>%n Spiel</numerusform><numerusform>%n Spiele</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation><numerusform>%n Spiel</numerusform><numerusform>%n Spiele</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n line of the record could not be read (cut off, or of a later version).</source>
        <translation><numerusform>%n Zeile des Protokolls konnte nicht gelesen werden (abgeschnitten oder von einer neueren Version).</numerusform><numerusform>%n Zeilen des Protokolls konnten nicht gelesen werden (abgeschnitten oder von einer neueren Version).</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the record could not be read (cut off, or of a later version).</source>
        <translation><numerusform>%n Zeile des Protokolls konnte nicht gelesen werden (abgeschnitten oder von einer neueren Version).</numerusform><numerusform>%n Zeilen des Protokolls konnten nicht gelesen werden (abgeschnitten oder von einer neueren Version).</numerusform></translation>
    </message>
    <message>
        <source>the product for the LCM</source>
        <translation>das Produkt statt des kgV</translation>
    </message>
    <message>
        <source>a common multiple, not the least</source>
        <translation>ein gemeinsames Vielfaches, nicht das kleinste</translation>
    </message>
    <message>
        <source>the GCF for the LCM</source>
        <translation>der ggT statt des kgV</translation>
    </message>
    <message>
        <source>a common factor, not the greatest</source>
        <translation>ein gemeinsamer Teiler, nicht der größte</translation>
    </message>
    <message>
        <source>the LCM for the GCF</source>
        <translation>das kgV statt des ggT</translation>
    </message>
    <message>
        <source>the bottom numbers added</source>
        <translation>die Nenner addiert</translation>
    </message>
    <message>
        <source>top and bottom numbers added</source>
        <translation>Zähler und Nenner addiert</translation>
    </message>
    <message>
        <source>the fractions multiplied</source>
        <translation>die Brüche multipliziert</translation>
    </message>
    <message>
        <source>not in lowest terms</source>
        <translation>nicht vollständig gekürzt</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>kgV</translation>
    </message>
    <message>
        <source>GCF</source>
        <translation>ggT</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Brüche</translation>
    </message>
    <message>
        <source>The class in %1: %2, %3.</source>
        <translation>Die Klasse in %1: %2, %3.</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Es wurde noch kein Spiel aufgezeichnet.</translation>
    </message>
    <message>
        <source>Per topic: right answers of those asked in the last 4 weeks (since %1) | in the weeks before.</source>
        <translation>Je Thema: richtige Antworten von den gestellten Fragen in den letzten 4 Wochen (seit %1) | in den Wochen davor.</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmeldename</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Letztes Spiel</translation>
    </message>
    <message>
        <source>Most frequent mistakes</source>
        <translation>Häufigste Fehler</translation>
    </message>
    <message>
        <source>%1
last 4 weeks</source>
        <translation>%1
letzte 4 Wochen</translation>
    </message>
    <message>
        <source>%1
before</source>
        <translation>%1
davor</translation>
    </message>
    <message>
        <source>The class - Zorbik on the maze</source>
        <translation>Die Klasse – Zorbik im Labyrinth</translation>
    </message>
    <message>
        <source>The pupils of the class</source>
        <translation>Die Schüler der Klasse</translation>
    </message>
    <message>
        <source>Pupil in the right chart:</source>
        <translation>Schüler im rechten Diagramm:</translation>
    </message>
    <message>
        <source>Pupil shown in the right chart</source>
        <translation>Im rechten Diagramm gezeigter Schüler</translation>
    </message>
    <message>
        <source>The class: right answers per week</source>
        <translation>Die Klasse: richtige Antworten je Woche</translation>
    </message>
    <message>
        <source>Chart of the class</source>
        <translation>Diagramm der Klasse</translation>
    </message>
    <message>
        <source>Chart of the chosen pupil</source>
        <translation>Diagramm des gewählten Schülers</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the class window</source>
        <translation>Das Klassenfenster schließen</translation>
    </message>
    <message>
        <source>%1: right answers per week</source>
        <translation>%1: richtige Antworten je Woche</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>The classroom folder %1 does not exist. Make it first and give it the class's group (see zorbik(6)).</source>
        <translation>Den Klassenordner %1 gibt es nicht. Lege ihn zuerst an und gib ihm die Gruppe der Klasse (siehe zorbik(6)).</translation>
    </message>
    <message>
        <source>The classroom folder %1 cannot be used: %2.</source>
        <translation>Der Klassenordner %1 kann nicht benutzt werden: %2.</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not a folder.</source>
        <translation>Der Klassenordner %1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>%1 belongs to %2, who is neither root nor the owner of %3</source>
        <translation>%1 gehört %2, und das ist weder root noch der Besitzer von %3</translation>
    </message>
    <message>
        <source>%1 may be changed by other users</source>
        <translation>%1 kann von anderen Benutzern geändert werden</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not safe for a class: %2.</source>
        <translation>Der Klassenordner %1 ist für eine Klasse nicht sicher: %2.</translation>
    </message>
    <message>
        <source>it changed while it was read</source>
        <translation>er hat sich beim Lesen verändert</translation>
    </message>
    <message>
        <source>its group is %1, not a class's group</source>
        <translation>seine Gruppe ist %1, keine Gruppe einer Klasse</translation>
    </message>
    <message>
        <source>its group %1 is the owner's own, not a class's group</source>
        <translation>seine Gruppe %1 ist die eigene des Besitzers, keine Gruppe einer Klasse</translation>
    </message>
    <message>
        <source>its owner %1 is not in its group %2</source>
        <translation>sein Besitzer %1 ist nicht in seiner Gruppe %2</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot open the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 belongs to %2; set the folder up with sudo.</source>
        <translation>%1 gehört %2; richte den Ordner mit sudo ein.</translation>
    </message>
    <message>
        <source>Cannot set the permissions of %1: %2</source>
        <translation>Die Rechte von %1 können nicht gesetzt werden: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1 (%2's): %3</source>
        <translation>%1 (von %2) kann nicht entfernt werden: %3</translation>
    </message>
    <message>
        <source>Cannot read the installed %1: %2</source>
        <translation>Das installierte %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 belongs to %2</source>
        <translation>%1 gehört %2</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 ist keine einfache Datei</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>Only the owner of %1 (%2) or root can set it up.</source>
        <translation>Nur der Besitzer von %1 (%2) oder root kann ihn einrichten.</translation>
    </message>
    <message>
        <source>The classroom folder %1 cannot be shared by a class: %2. Give it the class's group:
    sudo chgrp CLASS %1
    sudo chmod 2750 %1</source>
        <translation>Der Klassenordner %1 kann nicht von einer Klasse geteilt werden: %2. Gib ihm die Gruppe der Klasse:
    sudo chgrp KLASSE %1
    sudo chmod 2750 %1</translation>
    </message>
    <message>
        <source>Cannot read the installed game in %1: %2</source>
        <translation>Das installierte Spiel in %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The classroom folder %1 was laid out, but %2.</source>
        <translation>Der Klassenordner %1 wurde eingerichtet, aber %2.</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not set up yet. %2</source>
        <translation>Der Klassenordner %1 ist noch nicht eingerichtet. %2</translation>
    </message>
    <message>
        <source>The game in the classroom folder %1 is not safe to start: %2. %3</source>
        <translation>Das Spiel im Klassenordner %1 kann nicht sicher gestartet werden: %2. %3</translation>
    </message>
    <message>
        <source>The classroom folder %1 holds another version of Zorbik than the one installed here, so the teacher needs to set it up again. %2</source>
        <translation>Im Klassenordner %1 liegt eine andere Version von Zorbik als die hier installierte. Die Lehrkraft muss ihn neu einrichten. %2</translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a folder.</source>
        <translation>%1 kann nicht benutzt werden: Es ist kein Ordner.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 belongs to another user; remove it and try again.</source>
        <translation>%1 gehört jemand anderem; entferne es und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>%1 may be changed by other users; remove it and try again.</source>
        <translation>%1 kann von anderen verändert werden; entferne es und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>No folder to play in: your home folder is unknown, or other users may change it.</source>
        <translation>Kein Ordner zum Spielen: Dein persönlicher Ordner ist unbekannt, oder andere können ihn verändern.</translation>
    </message>
    <message>
        <source>%1 is not a file but a link or a special file, so its lines cannot be kept. Move the class&apos;s file back to its place, or remove what stands there to start it empty, then set up again.</source>
        <translation>%1 ist keine Datei, sondern ein Verweis oder eine Spezialdatei, daher können seine Zeilen nicht übernommen werden. Legen Sie die Datei der Klasse wieder an ihren Platz oder entfernen Sie, was dort steht, um leer zu beginnen, und richten Sie den Ordner dann erneut ein.</translation>
    </message>
    <message>
        <source>%1 cannot be read whole, so it is left as it is: %2</source>
        <translation>%1 kann nicht vollständig gelesen werden und bleibt deshalb, wie es ist: %2</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>The class writer %1 is not installed for a class: it must be root&apos;s and set-group-ID to a group of its own (the package does this; see zorbik(6)).</source>
        <translation>Das Schreibprogramm der Klasse %1 ist nicht für eine Klasse installiert: Es muss root gehören und set-group-ID auf eine eigene Gruppe haben (das Paket erledigt das; siehe zorbik(6)).</translation>
    </message>
    <message>
        <source>%1 was not laid out for the class writer installed here</source>
        <translation>%1 wurde nicht für das hier installierte Schreibprogramm der Klasse eingerichtet</translation>
    </message>
    <message>
        <source>The teacher sets it up with:
    sudo zorbik --shared-folder %1 --set-up</source>
        <translation>Die Lehrkraft richtet ihn so ein:
    sudo zorbik --shared-folder %1 --set-up</translation>
    </message>
    <message>
        <source>Only root can give the class&apos;s files to the class writer&apos;s group %1. Set the folder up with:
    sudo zorbik --shared-folder %2 --set-up</source>
        <translation>Nur root kann die Dateien der Klasse der Gruppe %1 des Schreibprogramms geben. Richten Sie den Ordner so ein:
    sudo zorbik --shared-folder %2 --set-up</translation>
    </message>
    <message>
        <source>There is no group %1 for the teachers.</source>
        <translation>Es gibt keine Gruppe %1 für die Lehrkräfte.</translation>
    </message>
    <message>
        <source>%2 is not a pupil of the class of %1, so your score would be lost. Ask the teacher to add you to the group %3 (then log in again).</source>
        <translation>%2 ist nicht in der Klasse von %1, dein Ergebnis ginge also verloren. Bitte deine Lehrkraft, dich in die Gruppe %3 aufzunehmen (und melde dich danach neu an).</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>The Rules</source>
        <translation>Die Spielregeln</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Zorbik on the maze</source>
        <translation>Zorbik im Labyrinth</translation>
    </message>
    <message>
        <source>Press 'Ctrl' to view the map of explored maze.</source>
        <translation>„Strg“ zeigt die Karte des Labyrinths.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPIEL AUS</translation>
    </message>
    <message>
        <source>Are You sure You want to exit?</source>
        <translation>Willst du das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>Confirm exit</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>Game1: the high-score table %1 held lines that could not be read; they are kept in %1.bak and the table was started anew with this game's line.</source>
        <translation>Game1: In der Bestenliste %1 standen Zeilen, die nicht gelesen werden konnten; sie sind in %1.bak aufbewahrt, und die Liste beginnt neu mit der Zeile dieses Spiels.</translation>
    </message>
    <message>
        <source>Game1: this game's line could not be saved in the high-score table %1.</source>
        <translation>Game1: Die Zeile dieses Spiels konnte nicht in der Bestenliste %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>             HIGH SCORES LIST              </source>
        <extracomment>43 characters, centred</extracomment>
        <translation>                BESTENLISTE                </translation>
    </message>
    <message>
        <source>-- Name --------------Pr--En--Dr-L---Score-</source>
        <extracomment>43 characters; each column name stays where the English one is</extracomment>
        <translation>-- Name --------------Sc--Fe--Tü-S--Punkte-</translation>
    </message>
    <message>
        <source>Time on %1 level:</source>
        <translation>Zeit auf Stufe %1:</translation>
    </message>
    <message>
        <source>Congratulations! Level is complete! Time bonus is %1</source>
        <translation>Glückwunsch! Die Stufe ist geschafft! Zeitbonus: %1</translation>
    </message>
    <message>
        <source>The door is locked. To open this door You have to answer to a simple question. Ask the question?</source>
        <translation>Die Tür ist verschlossen. Um sie zu öffnen, musst du eine einfache Frage beantworten. Frage stellen?</translation>
    </message>
    <message>
        <source>Do you want to be eaten?</source>
        <translation>Willst du dich fressen lassen?</translation>
    </message>
    <message>
        <source>Now You will be moved to the start of this level.</source>
        <translation>Jetzt kommst du zurück an den Anfang dieser Stufe.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>%1 m %2 s</source>
        <comment>minutes and seconds on the level clock</comment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Finish this game</source>
        <translation>Dieses Spiel beenden</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>Time on 1 level</source>
        <translation>Zeit auf Stufe 1</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Leben</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>This program is a part of the TALLIWAY software. It can not run by itself.</source>
        <translation>Dieses Programm gehört zur Software TALLIWAY. Es kann nicht allein laufen.</translation>
    </message>
    <message>
        <source>Program termination</source>
        <translation>Programmende</translation>
    </message>
    <message>
        <source>Press 'Ctrl' to continue the game.</source>
        <translation>Drücke „Strg“, um weiterzuspielen.</translation>
    </message>
    <message>
        <source>Game1: this game is in the high-score table %1, but the class record could not take it.</source>
        <translation>Game1: Dieses Spiel steht in der Bestenliste %1, konnte aber nicht ins Klassenprotokoll eingetragen werden.</translation>
    </message>
    <message>
        <source>Game1: this game&apos;s line was not saved: the class&apos;s high-score table %1 stayed busy with another game.</source>
        <translation>Game1: Die Zeile dieses Spiels wurde nicht gespeichert: Die Bestenliste der Klasse %1 war zu lange mit einem anderen Spiel beschäftigt.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Default player</source>
        <translation>Standardspieler</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>The game cannot be started: %1 cannot be used (%2).</source>
        <translation>Das Spiel kann nicht starten: %1 kann nicht benutzt werden (%2).</translation>
    </message>
    <message>
        <source>Zorbik is already running for you (in %1). Finish that game first, then start the next one.</source>
        <translation>Zorbik läuft schon für dich (in %1). Beende erst dieses Spiel, dann starte das nächste.</translation>
    </message>
    <message>
        <source>The player's name could not be saved in %1, so the game does not start (it would credit the previous player).</source>
        <translation>Der Name konnte nicht in %1 gespeichert werden, darum startet das Spiel nicht (sonst bekäme der vorige Spieler die Punkte).</translation>
    </message>
    <message>
        <source>The game %1 could not be started: %2</source>
        <translation>Das Spiel %1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The high-score table held lines that could not be read. They are kept in %1 beside it, and a new table was started with your game's line.</source>
        <translation>In der Bestenliste standen Zeilen, die nicht gelesen werden konnten. Sie sind daneben in %1 aufbewahrt, und eine neue Liste beginnt mit der Zeile deines Spiels.</translation>
    </message>
    <message>
        <source>Your game's line could not be saved in the high-score table, so it is not in the list. Please tell your teacher.</source>
        <translation>Die Zeile deines Spiels konnte nicht in der Bestenliste gespeichert werden, darum steht sie nicht in der Liste. Bitte sag es deiner Lehrkraft.</translation>
    </message>
    <message>
        <source>No classroom folder is named: give --shared-folder DIR, or sharedFolder in /etc/xdg/zorbik/zorbik.conf.</source>
        <translation>Kein Klassenordner angegeben: Nenne --shared-folder ORDNER oder sharedFolder in /etc/xdg/zorbik/zorbik.conf.</translation>
    </message>
    <message>
        <source>the classroom folder %1 is set up.</source>
        <translation>Der Klassenordner %1 ist eingerichtet.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; your choices are not remembered.</source>
        <translation>%1 ist keine einfache Datei; deine Auswahl wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Try 'zorbik --help' for the options.</source>
        <translation>Mit „zorbik --help“ siehst du die Optionen.</translation>
    </message>
    <message>
        <source>Zorbik on the maze: a maze game with arithmetic questions.
Without options the launcher opens its window.</source>
        <translation>Zorbik im Labyrinth: ein Labyrinthspiel mit Rechenfragen.
Ohne Optionen öffnet sich das Startfenster.</translation>
    </message>
    <message>
        <source>Start the game at once, without the window (needs --name).</source>
        <translation>Das Spiel sofort starten, ohne Fenster (braucht --name).</translation>
    </message>
    <message>
        <source>The player's name.</source>
        <translation>Der Name des Spielers.</translation>
    </message>
    <message>
        <source>The questions: both (LCM and GCF), lcm, gcf or fractions.</source>
        <translation>Die Fragen: both (kgV und ggT), lcm (kgV), gcf (ggT) oder fractions (Brüche).</translation>
    </message>
    <message>
        <source>Play without sound.</source>
        <translation>Ohne Ton spielen.</translation>
    </message>
    <message>
        <source>Keep the maze dark until explored.</source>
        <translation>Das Labyrinth bleibt dunkel, bis es erkundet ist.</translation>
    </message>
    <message>
        <source>Play in the classroom's shared playing folder DIR.</source>
        <translation>Im gemeinsamen Spielordner DIR der Klasse spielen.</translation>
    </message>
    <message>
        <source>Lay out the classroom's shared folder (--shared-folder DIR or the system-wide setting) for its pupils and exit; for the folder's owner or root.</source>
        <translation>Den gemeinsamen Ordner der Klasse (--shared-folder DIR oder die systemweite Einstellung) für die Schüler einrichten und beenden; für den Besitzer des Ordners oder root.</translation>
    </message>
    <message>
        <source>The hardest questions: gentle, standard, challenging or a step from 0 to %1 (a teacher's ceiling still holds).</source>
        <translation>Die schwersten Fragen: gentle (leicht), standard, challenging (schwer) oder eine Stufe von 0 bis %1 (die Grenze der Lehrkraft gilt weiter).</translation>
    </message>
    <message>
        <source>Print the player's questions of the last games and exit.</source>
        <translation>Die Fragen der letzten Spiele ausgeben und beenden.</translation>
    </message>
    <message>
        <source>With --report: print one CSV row per game.</source>
        <translation>Mit --report: eine CSV-Zeile pro Spiel ausgeben.</translation>
    </message>
    <message>
        <source>The language of the launcher, the game and the quiz: %1 or %2.</source>
        <translation>Die Sprache des Startfensters, des Spiels und des Quiz: %1 oder %2.</translation>
    </message>
    <message>
        <source>unexpected word '%1'.</source>
        <translation>unerwartetes Wort „%1“.</translation>
    </message>
    <message>
        <source>unknown topic '%1'; use both, lcm, gcf or fractions.</source>
        <translation>unbekanntes Thema „%1“; nimm both, lcm, gcf oder fractions.</translation>
    </message>
    <message>
        <source>the shared folder must be given as a full path.</source>
        <translation>der gemeinsame Ordner muss mit vollem Pfad angegeben werden.</translation>
    </message>
    <message>
        <source>unknown question level '%1'; use gentle, standard, challenging or a step from 0 to %2.</source>
        <translation>unbekannte Fragenstufe „%1“; nimm gentle, standard, challenging oder eine Stufe von 0 bis %2.</translation>
    </message>
    <message>
        <source>--csv goes with --report.</source>
        <translation>--csv gehört zu --report.</translation>
    </message>
    <message>
        <source>--report prints the report and starts nothing; leave out --play and --set-up.</source>
        <translation>--report gibt den Bericht aus und startet nichts; lass --play und --set-up weg.</translation>
    </message>
    <message>
        <source>--set-up lays out the classroom folder and starts no game; leave out --play.</source>
        <translation>--set-up richtet den Klassenordner ein und startet kein Spiel; lass --play weg.</translation>
    </message>
    <message>
        <source>--play needs the player's name: --name NAME.</source>
        <translation>--play braucht den Namen des Spielers: --name NAME.</translation>
    </message>
    <message>
        <source>Zorbik on the maze</source>
        <translation>Zorbik im Labyrinth</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>Questions about</source>
        <translation>Fragen zu</translation>
    </message>
    <message>
        <source>Both LCM and GCF</source>
        <translation>kgV und ggT</translation>
    </message>
    <message>
        <source>Least common multiple (LCM)</source>
        <translation>Kleinstes gemeinsames Vielfaches (kgV)</translation>
    </message>
    <message>
        <source>Greatest common factor (GCF)</source>
        <translation>Größter gemeinsamer Teiler (ggT)</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Brüche</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Hidden maze (explore it in the dark, twice the time for the bonus)</source>
        <translation>Verstecktes Labyrinth (im Dunkeln, doppelte Bonuszeit)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Type your name to play.</source>
        <translation>Schreib deinen Namen, um zu spielen.</translation>
    </message>
    <message>
        <source>In the high-score table: %1</source>
        <translation>In der Bestenliste: %1</translation>
    </message>
    <message>
        <source>In the high-score table: %1 (the rest does not fit)</source>
        <translation>In der Bestenliste: %1 (der Rest passt nicht hinein)</translation>
    </message>
    <message>
        <source>No questions were asked in this game.
</source>
        <translation>In diesem Spiel wurden keine Fragen gestellt.
</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>kgV</translation>
    </message>
    <message>
        <source>GCF</source>
        <translation>ggT</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right</source>
        <translation>%1: %2 von %3 richtig</translation>
    </message>
    <message>
        <source>Perfect - every question right!</source>
        <translation>Perfekt – alle Fragen richtig!</translation>
    </message>
    <message>
        <source>Great work - keep it up!</source>
        <translation>Super gemacht – weiter so!</translation>
    </message>
    <message>
        <source>Good effort - every question makes you stronger.</source>
        <translation>Gut gekämpft – jede Frage macht dich stärker.</translation>
    </message>
    <message>
        <source>Keep practising - the working above shows the way, and you will get them next time!</source>
        <translation>Übe weiter – der Rechenweg oben zeigt dir, wie es geht, und nächstes Mal schaffst du es!</translation>
    </message>
    <message numerus="yes">
        <source>%n question</source>
        <translation><numerusform>%n Frage</numerusform><numerusform>%n Fragen</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n questions</source>
        <translation><numerusform>%n Frage</numerusform><numerusform>%n Fragen</numerusform></translation>
    </message>
    <message>
        <source>Your game: %1, %2 right.</source>
        <translation>Dein Spiel: %1, %2 richtig.</translation>
    </message>
    <message>
        <source>The game of %1: %2, %3 right.</source>
        <translation>Das Spiel von %1: %2, %3 richtig.</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>nicht beantwortet</translation>
    </message>
    <message>
        <source>right with the hint</source>
        <translation>richtig mit Tipp</translation>
    </message>
    <message>
        <source>you typed %1</source>
        <translation>du hast %1 geschrieben</translation>
    </message>
    <message>
        <source>%1 (%2; the answer is %3)</source>
        <translation>%1 (%2; die Antwort ist %3)</translation>
    </message>
    <message>
        <source>To look at again:</source>
        <translation>Zum Anschauen:</translation>
    </message>
    <message>
        <source>No questions in the journal yet (%1).</source>
        <translation>Noch keine Fragen im Tagebuch (%1).</translation>
    </message>
    <message>
        <source>Zorbik report (%1)</source>
        <translation>Zorbik-Bericht (%1)</translation>
    </message>
    <message>
        <source>The last games:</source>
        <translation>Die letzten Spiele:</translation>
    </message>
    <message>
        <source>%1 of %2 right  (%3)</source>
        <translation>%1 von %2 richtig  (%3)</translation>
    </message>
    <message numerus="yes">
        <source>All %n game: %1 of %2 right</source>
        <translation><numerusform>%n Spiel: %1 von %2 richtig</numerusform><numerusform>Alle %n Spiele: %1 von %2 richtig</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>All %n games: %1 of %2 right</source>
        <translation><numerusform>%n Spiel: %1 von %2 richtig</numerusform><numerusform>Alle %n Spiele: %1 von %2 richtig</numerusform></translation>
    </message>
    <message>
        <source>How the game went</source>
        <translation>So lief das Spiel</translation>
    </message>
    <message>
        <source>The computer's language</source>
        <translation>Sprache des Computers</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message numerus="yes">
        <source>%n line of the journal could not be read and is left out.</source>
        <translation><numerusform>%n Zeile des Tagebuchs konnte nicht gelesen werden und fehlt hier.</numerusform><numerusform>%n Zeilen des Tagebuchs konnten nicht gelesen werden und fehlen hier.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the journal could not be read and are left out.</source>
        <translation><numerusform>%n Zeile des Tagebuchs konnte nicht gelesen werden und fehlt hier.</numerusform><numerusform>%n Zeilen des Tagebuchs konnten nicht gelesen werden und fehlen hier.</numerusform></translation>
    </message>
    <message>
        <source>--class-report and --class-window show the class and start nothing; give one of them, and --csv only with --class-report.</source>
        <translation>--class-report und --class-window zeigen die Klasse und starten nichts; geben Sie nur eine der beiden an und --csv nur mit --class-report.</translation>
    </message>
    <message>
        <source>--class-report and --class-window need the class folder: DIR.</source>
        <translation>--class-report und --class-window brauchen den Klassenordner: DIR.</translation>
    </message>
    <message>
        <source>Print the class of the classroom folder DIR (its pupils' games, right answers and mistakes) and exit; for its teachers. With --csv: one CSV row per pupil.</source>
        <translation>Die Klasse des Klassenordners DIR ausgeben (Spiele, richtige Antworten und Fehler der Schüler) und beenden; für die Lehrkräfte der Klasse. Mit --csv: eine CSV-Zeile je Schüler.</translation>
    </message>
    <message>
        <source>Show the class of the classroom folder DIR in a window, with charts.</source>
        <translation>Die Klasse des Klassenordners DIR in einem Fenster mit Diagrammen zeigen.</translation>
    </message>
    <message>
        <source>The class...</source>
        <translation>Die Klasse …</translation>
    </message>
    <message>
        <source>Show the class's games</source>
        <translation>Die Spiele der Klasse zeigen</translation>
    </message>
    <message>
        <source>Your game&apos;s line could not be saved in the class&apos;s high-score table: it stayed busy with another game for too long. Please tell your teacher.</source>
        <translation>Die Zeile deines Spiels konnte nicht in der Bestenliste der Klasse gespeichert werden: Sie war zu lange mit einem anderen Spiel beschäftigt. Sag bitte deiner Lehrkraft Bescheid.</translation>
    </message>
    <message>
        <source>With --set-up: the group of the teachers who may read the class record.</source>
        <translation>Mit --set-up: die Gruppe der Lehrkräfte, die das Klassenprotokoll lesen dürfen.</translation>
    </message>
    <message>
        <source>--teacher GROUP goes with --set-up.</source>
        <translation>--teacher GRUPPE gehört zu --set-up.</translation>
    </message>
    <message>
        <source>Seeing and reading</source>
        <translation>Sehen und Lesen</translation>
    </message>
    <message>
        <source>Map for colour-blind eyes</source>
        <translation>Karte für farbenblinde Augen</translation>
    </message>
    <message>
        <source>The map uses colours that stay apart for colour-blind eyes, with a shape on every kind of cell.</source>
        <translation>Die Karte nimmt Farben, die auch farbenblinde Augen auseinanderhalten, und zeigt auf jeder Art von Feld ein Zeichen.</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <source>Darker, clearer texts beside the maze.</source>
        <translation>Dunklere, deutlichere Texte neben dem Labyrinth.</translation>
    </message>
    <message>
        <source>Larger text and buttons</source>
        <translation>Größere Schrift und Knöpfe</translation>
    </message>
    <message>
        <source>Texts and buttons beside the maze half as large again.</source>
        <translation>Texte und Knöpfe neben dem Labyrinth anderthalbmal so groß.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>You multiplied %1 and %2: that is a common multiple, but not the least one, because %1 and %2 share the factor %3.</source>
        <translation>Du hast %1 und %2 malgenommen: Das ist ein gemeinsames Vielfaches, aber nicht das kleinste, weil %1 und %2 den Teiler %3 gemeinsam haben.</translation>
    </message>
    <message>
        <source>%1 is a common multiple of %2 and %3, but not the least one.</source>
        <translation>%1 ist ein gemeinsames Vielfaches von %2 und %3, aber nicht das kleinste.</translation>
    </message>
    <message>
        <source>%1 is their greatest common factor; the LCM is the smallest number that both go into.</source>
        <translation>%1 ist ihr größter gemeinsamer Teiler; das kgV ist die kleinste Zahl, die durch beide teilbar ist.</translation>
    </message>
    <message>
        <source>%1 goes into both %2 and %3, but it is not the greatest common factor: look for a bigger one.</source>
        <translation>%1 teilt %2 und %3, ist aber nicht der größte gemeinsame Teiler: Such einen größeren.</translation>
    </message>
    <message>
        <source>%1 is their least common multiple; the GCF is the biggest number that goes into both.</source>
        <translation>%1 ist ihr kleinstes gemeinsames Vielfaches; der ggT ist die größte Zahl, die beide teilt.</translation>
    </message>
    <message>
        <source>You added the bottom numbers too: when they are the same, add only the top numbers and keep the bottom number.</source>
        <translation>Du hast auch die Nenner addiert: Wenn sie gleich sind, addiere nur die Zähler und behalte den Nenner.</translation>
    </message>
    <message>
        <source>You added the bottom numbers too: make them the same, then add only the top numbers and keep the common bottom number.</source>
        <translation>Du hast auch die Nenner addiert: Mach sie erst gleich, dann addiere nur die Zähler und behalte den gemeinsamen Nenner.</translation>
    </message>
    <message>
        <source>You added the top numbers and the bottom numbers: first make the bottom numbers the same, then add only the top numbers.</source>
        <translation>Du hast Zähler und Nenner addiert: Mach zuerst die Nenner gleich, dann addiere nur die Zähler.</translation>
    </message>
    <message>
        <source>You multiplied the fractions; here they are added.</source>
        <translation>Du hast die Brüche malgenommen; hier werden sie addiert.</translation>
    </message>
    <message>
        <source>2, 3, 5, 7, 11 and 13</source>
        <translation>2, 3, 5, 7, 11 und 13</translation>
    </message>
    <message>
        <source>2, 3, 5 and 7</source>
        <translation>2, 3, 5 und 7</translation>
    </message>
    <message>
        <source>What is the least common multiple (LCM) of %1 and %2?</source>
        <translation>Was ist das kleinste gemeinsame Vielfache (kgV) von %1 und %2?</translation>
    </message>
    <message>
        <source>Type a whole number.</source>
        <translation>Schreib eine ganze Zahl.</translation>
    </message>
    <message>
        <source>Count in steps of %1: %1, %2, %3, ... Stop at the first number that %4 goes into exactly: that is the LCM.</source>
        <translation>Zähle in %1er-Schritten: %1, %2, %3, ... Halte bei der ersten Zahl an, die durch %4 teilbar ist: Das ist das kgV.</translation>
    </message>
    <message>
        <source>%1 = %2 = %3 is the first multiple of %4 that %5 goes into.</source>
        <translation>%1 = %2 = %3 ist das erste Vielfache von %4, das durch %5 teilbar ist.</translation>
    </message>
    <message>
        <source>What is the greatest common factor (GCF) of %1 and %2?</source>
        <translation>Was ist der größte gemeinsame Teiler (ggT) von %1 und %2?</translation>
    </message>
    <message>
        <source>Find a number that goes into both %1 and %2 (try %3), divide both by it, and do the same with what is left. The GCF is all the numbers you divided by, multiplied together.</source>
        <translation>Such eine Zahl, die %1 und %2 teilt (probier %3), teile beide Zahlen durch sie und mach mit dem Rest genauso weiter. Der ggT ist das Produkt aller Zahlen, durch die du geteilt hast.</translation>
    </message>
    <message>
        <source>%1 goes into %2 (%2 = %3), so the GCF is %4 itself.</source>
        <translation>%1 teilt %2 (%2 = %3), also ist der ggT %4 selbst.</translation>
    </message>
    <message>
        <source>%1 = %2 and %3 = %4, and %5 and %6 have no common factor but 1.</source>
        <translation>%1 = %2 und %3 = %4, und %5 und %6 haben außer 1 keinen gemeinsamen Teiler.</translation>
    </message>
    <message>
        <source>Write %1 in lowest terms.</source>
        <translation>Kürze %1 so weit wie möglich.</translation>
    </message>
    <message>
        <source>Type a fraction like 3/4 that cannot be made simpler.</source>
        <translation>Schreib einen Bruch wie 3/4, der sich nicht weiter kürzen lässt.</translation>
    </message>
    <message>
        <source>Find the biggest number that divides both %1 and %2, and divide both by it.</source>
        <translation>Such die größte Zahl, die %1 und %2 teilt, und teile beide Zahlen durch sie.</translation>
    </message>
    <message>
        <source>Divide the top and the bottom by %1: %2 = %3.</source>
        <translation>Teile Zähler und Nenner durch %1: %2 = %3.</translation>
    </message>
    <message>
        <source>Type a fraction like 3/4, a mixed number like 1 1/4, or a whole number. It need not be in lowest terms.</source>
        <translation>Schreib einen Bruch wie 3/4, eine gemischte Zahl wie 1 1/4 oder eine ganze Zahl. Du musst nicht kürzen.</translation>
    </message>
    <message>
        <source>The bottom numbers are the same: add the top numbers and keep the bottom number.</source>
        <translation>Die Nenner sind gleich: Addiere die Zähler und behalte den Nenner.</translation>
    </message>
    <message>
        <source>Make the bottom numbers the same first: use %1 as the common bottom number, then add the top numbers.</source>
        <translation>Mach zuerst die Nenner gleich: Nimm %1 als gemeinsamen Nenner, dann addiere die Zähler.</translation>
    </message>
    <message>
        <source>Same bottom number: %1.</source>
        <translation>Gleicher Nenner: %1.</translation>
    </message>
    <message>
        <source>Common bottom number %1: %2.</source>
        <translation>Gemeinsamer Nenner %1: %2.</translation>
    </message>
    <message>
        <source>No answer here is below zero: type it without the minus sign.</source>
        <translation>Hier ist keine Antwort kleiner als null: Schreib sie ohne Minuszeichen.</translation>
    </message>
    <message>
        <source>Type a whole number, without a decimal point.</source>
        <translation>Schreib eine ganze Zahl, ohne Komma.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction: %2.</source>
        <translation>Schreib %1 als Bruch: %2.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction: %2 or %3.</source>
        <translation>Schreib %1 als Bruch: %2 oder %3.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction, like %2.</source>
        <translation>Schreib %1 als Bruch, zum Beispiel %2.</translation>
    </message>
    <message>
        <source>Type a whole number, without a fraction.</source>
        <translation>Schreib eine ganze Zahl, ohne Bruch.</translation>
    </message>
    <message>
        <source>Please type your answer as shown above. %1</source>
        <translation>Bitte schreib deine Antwort so wie oben gezeigt. %1</translation>
    </message>
    <message numerus="yes">
        <source>A right answer wins %n points. A wrong answer or the hint costs %1 percent of your health and up to %2 points.</source>
        <translation><numerusform>Eine richtige Antwort bringt %n Punkt. Eine falsche Antwort oder der Tipp kostet %1 Prozent Leben und bis zu %2 Punkte.</numerusform><numerusform>Eine richtige Antwort bringt %n Punkte. Eine falsche Antwort oder der Tipp kostet %1 Prozent Leben und bis zu %2 Punkte.</numerusform></translation>
    </message>
    <message>
        <source>Enter checks your answer. Escape closes the quiz without an answer, which costs the same as a wrong one.</source>
        <translation>Enter prüft deine Antwort. Escape schließt das Quiz ohne Antwort – das kostet so viel wie eine falsche.</translation>
    </message>
    <message>
        <source>With the hint, your answer will not count: no points, and the maze takes %1 percent of your health and up to %2 points. Press "Show the hint" if you still want it.</source>
        <translation>Mit dem Tipp zählt deine Antwort nicht: keine Punkte, und das Labyrinth nimmt dir %1 Prozent Leben und bis zu %2 Punkte. Drück „Tipp zeigen“, wenn du ihn trotzdem willst.</translation>
    </message>
    <message>
        <source>Your answer is right, but it could not be passed to the game, so the game will count it as not answered. Sorry!</source>
        <translation>Deine Antwort ist richtig, aber sie konnte nicht ans Spiel weitergegeben werden. Das Spiel zählt sie darum als nicht beantwortet. Tut uns leid!</translation>
    </message>
    <message numerus="yes">
        <source>Right! Well done. That is %n points.</source>
        <translation><numerusform>Richtig! Gut gemacht. Das gibt %n Punkt.</numerusform><numerusform>Richtig! Gut gemacht. Das gibt %n Punkte.</numerusform></translation>
    </message>
    <message>
        <source>Right, but with the hint it counts as not answered: no points, and the maze takes %1 percent of your health and up to %2 points.</source>
        <translation>Richtig, aber mit dem Tipp zählt es als nicht beantwortet: keine Punkte, und das Labyrinth nimmt dir %1 Prozent Leben und bis zu %2 Punkte.</translation>
    </message>
    <message>
        <source>%1 is equal to %2, but it is not in lowest terms: %3 and %4 can both still be divided by %5. The answer is %6. So close - well tried!</source>
        <translation>%1 ist gleich %2, aber nicht fertig gekürzt: %3 und %4 lassen sich beide noch durch %5 teilen. Die Antwort ist %6. Ganz knapp – gut versucht!</translation>
    </message>
    <message>
        <source>Not quite. The answer is %1. Good try - you will get the next one!</source>
        <translation>Nicht ganz. Die Antwort ist %1. Gut versucht – die nächste schaffst du!</translation>
    </message>
    <message>
        <source>Not quite. The answer is %1. %2 Good try - you will get the next one!</source>
        <translation>Nicht ganz. Die Antwort ist %1. %2 Gut versucht – die nächste schaffst du!</translation>
    </message>
    <message>
        <source>The quiz does not know the topic "%1", so the question comes from any of LCM, GCF and fractions.</source>
        <translation>Das Quiz kennt das Thema „%1“ nicht, darum kommt die Frage aus kgV, ggT oder Brüchen.</translation>
    </message>
    <message>
        <source>Least common multiple</source>
        <translation>Kleinstes gemeinsames Vielfaches</translation>
    </message>
    <message>
        <source>Greatest common factor</source>
        <translation>Größter gemeinsamer Teiler</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Brüche</translation>
    </message>
    <message>
        <source>Zorbik asks: %1</source>
        <translation>Zorbik fragt: %1</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>deine Antwort</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Show the &amp;hint</source>
        <translation>&amp;Tipp zeigen</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Enter closes the quiz.</source>
        <translation>Enter schließt das Quiz.</translation>
    </message>
    <message>
        <source>.</source>
        <comment>decimal sign</comment>
        <translation>,</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Deine Antwort</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>     The main goal of the game is to cross a maze from the start up to the finish and 
to earn the greatest score.</source>
        <translation>     Das Ziel des Spiels ist, das Labyrinth vom Start bis zum Ziel zu durchqueren und dabei möglichst viele Punkte zu sammeln.</translation>
    </message>
    <message>
        <source>     There are several types of treasures located in the maze that are increasing the 
score.</source>
        <translation>     Im Labyrinth liegen verschiedene Schätze, die dir Punkte bringen.</translation>
    </message>
    <message>
        <source>     There are useful items which are not increasing the score, but which can be 
useful to you. There are first-aid kits located in the maze (it is usually located 
behind the doors). If you take the first-aid kit the your health will increase by 10 
percent. There are torches located in the maze (it is usually located behind the 
doors). The torches are useful in the game with hidden maze because it increase 
the size of viewable area.</source>
        <translation>     Es gibt auch nützliche Dinge, die keine Punkte bringen, dir aber helfen. Im Labyrinth liegen Verbandskästen (meistens hinter Türen). Nimmst du einen Verbandskasten, steigt dein Leben um 10 Prozent. Außerdem liegen Fackeln im Labyrinth (meistens hinter Türen). Fackeln helfen im versteckten Labyrinth, denn mit ihnen siehst du mehr von der Umgebung.</translation>
    </message>
    <message>
        <source>     The movement of the Zorbik can be made by the arrows on the keyboard, or by 
pressing corresponding buttons of moving in a window, or by clicking by a mouse 
button in a game field.</source>
        <translation>     Du steuerst Zorbik mit den Pfeiltasten, mit den Pfeilknöpfen im Fenster oder mit einem Mausklick auf das Spielfeld.</translation>
    </message>
    <message>
        <source>     There are doors that prevent to move in a maze. To open a door it is necessary 
to answer to a mathematical question. If the answer is correct the score is also 
increasing. If the correct answer was received with the hint(s), the score does not 
increase and the door does not open. The health in this case decreases by %1 
percent and the score decreases by %2 points. After you have passed through the 
open door the door closes automatically.</source>
        <translation>     Türen versperren dir den Weg. Um eine Tür zu öffnen, musst du eine Rechenfrage beantworten. Ist die Antwort richtig, bekommst du auch Punkte. Hast du die richtige Antwort mit dem Tipp gefunden, bekommst du keine Punkte und die Tür bleibt zu. Dein Leben sinkt dann um %1 Prozent und du verlierst %2 Punkte. Bist du durch die offene Tür gegangen, schließt sie sich von selbst.</translation>
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
        <translation>     Im Labyrinth laufen Feinde herum, die dich fressen wollen. Triffst du einen Feind oder trifft er dich, bekommst du ebenfalls eine Rechenfrage. Ist die Antwort richtig, bekommst du Punkte und der Feind verschwindet. Hat Zorbik den Feind angegriffen, geht er auf dessen Feld; hat der Feind ihn angegriffen, bleibt er stehen. Hast du die richtige Antwort mit dem Tipp gefunden, bekommst du keine Punkte und der Feind bleibt. Dein Leben sinkt dann um %1 Prozent und du verlierst %2 Punkte.</translation>
    </message>
    <message>
        <source>     When you complete the level the bonus for time spent at the level add to your 
score. The time has counting only for your movement in the maze. When you solve 
the mathematical example the time stops and the maze disappears from the screen.</source>
        <translation>     Schaffst du eine Stufe, bekommst du einen Zeitbonus zu deinen Punkten. Die Zeit läuft nur, während du dich im Labyrinth bewegst. Während du eine Rechenaufgabe löst, bleibt die Uhr stehen und das Labyrinth verschwindet vom Bildschirm. In der Bestenliste zählt Sc die Schätze und Dinge, die du eingesammelt hast, Fe die besiegten Feinde und Tü die geöffneten Türen; S zeigt die erreichte Stufe.</translation>
    </message>
</context>
<context>
    <name>Access</name>
    <message>
        <source>Maze</source>
        <translation>Labyrinth</translation>
    </message>
    <message>
        <source>The rules of the game</source>
        <translation>Die Spielregeln</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Treasures</source>
        <translation>Schätze</translation>
    </message>
    <message>
        <source>Enemies beaten</source>
        <translation>Besiegte Gegner</translation>
    </message>
    <message>
        <source>Doors opened</source>
        <translation>Geöffnete Türen</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>%1 (this game)</source>
        <translation>%1 (dieses Spiel)</translation>
    </message>
    <message>
        <source>Treasures: %1</source>
        <translation>Schätze: %1</translation>
    </message>
    <message>
        <source>Enemies beaten: %1</source>
        <translation>Besiegte Gegner: %1</translation>
    </message>
    <message>
        <source>Doors opened: %1</source>
        <translation>Geöffnete Türen: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>Time on this level: %1</source>
        <translation>Zeit in diesem Level: %1</translation>
    </message>
    <message>
        <source>Move up-left</source>
        <translation>Nach links oben gehen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben gehen</translation>
    </message>
    <message>
        <source>Move up-right</source>
        <translation>Nach rechts oben gehen</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links gehen</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts gehen</translation>
    </message>
    <message>
        <source>Move down-left</source>
        <translation>Nach links unten gehen</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten gehen</translation>
    </message>
    <message>
        <source>Move down-right</source>
        <translation>Nach rechts unten gehen</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Zorbik</source>
        <translation>Zorbik</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>Zorbik's keys</source>
        <translation>Zorbiks Tasten</translation>
    </message>
    <message>
        <source>Shows the rules of the game.</source>
        <translation>Zeigt die Spielregeln.</translation>
    </message>
    <message>
        <source>Finishes this game.</source>
        <translation>Beendet dieses Spiel.</translation>
    </message>
    <message>
        <source>The arrow keys move Zorbik, Ctrl shows the map, Space says where he is.</source>
        <translation>Die Pfeiltasten bewegen Zorbik, Strg zeigt die Karte, die Leertaste sagt, wo er ist.</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>Zorbik picks up something.</source>
        <translation>Zorbik hebt etwas auf.</translation>
    </message>
    <message>
        <source>Zorbik picks up gold.</source>
        <translation>Zorbik hebt Gold auf.</translation>
    </message>
    <message>
        <source>Zorbik picks up money.</source>
        <translation>Zorbik hebt Geld auf.</translation>
    </message>
    <message>
        <source>Zorbik picks up a diamond.</source>
        <translation>Zorbik hebt einen Diamanten auf.</translation>
    </message>
    <message>
        <source>Zorbik picks up a torch: he sees further now.</source>
        <translation>Zorbik hebt eine Fackel auf: Jetzt sieht er weiter.</translation>
    </message>
    <message>
        <source>Zorbik picks up a first-aid kit.</source>
        <translation>Zorbik hebt einen Verbandskasten auf.</translation>
    </message>
    <message>
        <source>%1 Treasures: %2.</source>
        <translation>%1 Schätze: %2.</translation>
    </message>
    <message>
        <source>The door is open. Doors opened: %1.</source>
        <translation>Die Tür ist offen. Geöffnete Türen: %1.</translation>
    </message>
    <message>
        <source>The enemy is beaten. Enemies beaten: %1.</source>
        <translation>Der Gegner ist besiegt. Besiegte Gegner: %1.</translation>
    </message>
    <message>
        <source>Level %1 begins: a maze of %2 by %2 cells.</source>
        <translation>Level %1 beginnt: ein Labyrinth mit %2 mal %2 Feldern.</translation>
    </message>
    <message>
        <source>Time on this level: %1 min.</source>
        <translation>Zeit in diesem Level: %1 Min.</translation>
    </message>
</context>
<context>
    <name>Maze</name>
    <message>
        <source>to the north</source>
        <translation>im Norden</translation>
    </message>
    <message>
        <source>to the north-east</source>
        <translation>im Nordosten</translation>
    </message>
    <message>
        <source>to the east</source>
        <translation>im Osten</translation>
    </message>
    <message>
        <source>to the south-east</source>
        <translation>im Südosten</translation>
    </message>
    <message>
        <source>to the south</source>
        <translation>im Süden</translation>
    </message>
    <message>
        <source>to the south-west</source>
        <translation>im Südwesten</translation>
    </message>
    <message>
        <source>to the west</source>
        <translation>im Westen</translation>
    </message>
    <message>
        <source>to the north-west</source>
        <translation>im Nordwesten</translation>
    </message>
    <message>
        <source>the edge of the maze</source>
        <translation>der Rand des Labyrinths</translation>
    </message>
    <message>
        <source>unexplored darkness</source>
        <translation>unerforschte Dunkelheit</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>a diamond</source>
        <translation>ein Diamant</translation>
    </message>
    <message>
        <source>a torch</source>
        <translation>eine Fackel</translation>
    </message>
    <message>
        <source>a first-aid kit</source>
        <translation>ein Verbandskasten</translation>
    </message>
    <message>
        <source>a hare</source>
        <translation>ein Hase</translation>
    </message>
    <message>
        <source>a wolf</source>
        <translation>ein Wolf</translation>
    </message>
    <message>
        <source>a fox</source>
        <translation>ein Fuchs</translation>
    </message>
    <message>
        <source>a bear</source>
        <translation>ein Bär</translation>
    </message>
    <message>
        <source>a wall</source>
        <translation>eine Mauer</translation>
    </message>
    <message>
        <source>the entrance</source>
        <translation>der Eingang</translation>
    </message>
    <message>
        <source>the exit</source>
        <translation>der Ausgang</translation>
    </message>
    <message>
        <source>a locked door</source>
        <translation>eine verschlossene Tür</translation>
    </message>
    <message>
        <source>road</source>
        <translation>ein Weg</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>%1, then %2 %3 steps %4</source>
        <translation>%1, dann %2 %3 Schritte weiter %4</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2.</source>
        <translation>Zorbik steht in Spalte %1, Reihe %2.</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2, on the entrance.</source>
        <translation>Zorbik steht in Spalte %1, Reihe %2, auf dem Eingang.</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2, on an open door.</source>
        <translation>Zorbik steht in Spalte %1, Reihe %2, in einer offenen Tür.</translation>
    </message>
    <message>
        <source>%1 Around him: %2.</source>
        <translation>%1 Um ihn herum: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
</TS>