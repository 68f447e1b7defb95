<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ClassReport</name>
    <message>
        <source>Week beginning</source>
        <translation>Semana del</translation>
    </message>
    <message>
        <source>Right of those asked</source>
        <translation>Aciertos (de las preguntas hechas)</translation>
    </message>
    <message>
        <source>%1 may be read only by the class's teachers (root, and the teacher group chosen at set-up: sudo zorbik --shared-folder %2 --set-up --teacher GROUP).</source>
        <translation>Solo el profesorado de la clase puede leer %1 (root y el grupo de docentes elegido al preparar la carpeta: sudo zorbik --shared-folder %2 --set-up --teacher GROUP).</translation>
    </message>
    <message>
        <source>%1 has no class record: the folder was not set up by this version of Zorbik. Set it up with: sudo zorbik --shared-folder %1 --set-up --teacher GROUP</source>
        <translation>%1 no tiene registro de la clase: la carpeta no se preparó con esta versión de Zorbik. Prepárela con: sudo zorbik --shared-folder %1 --set-up --teacher GROUP</translation>
    </message>
    <message>
        <source>The class folder %1 cannot be opened: %2.</source>
        <translation>No se puede abrir la carpeta de la clase %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a plain file (a link, a FIFO or a folder); it is not read.</source>
        <translation>%1 no es un archivo normal (es un enlace, un FIFO o una carpeta); no se lee.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, more than a class writes in a school year; it is not read.</source>
        <translation>%1 ocupa más de %2 MiB, más de lo que una clase escribe en un curso escolar; no se lee.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>No se pudo leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n pupil</source>
        <translation><numerusform>%n alumno</numerusform><numerusform>%n alumnos</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n pupils</source>
        <translation><numerusform>%n alumno</numerusform><numerusform>%n alumnos</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n game</source>
        <translation><numerusform>%n partida</numerusform><numerusform>%n partidas</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation><numerusform>%n partida</numerusform><numerusform>%n partidas</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n line of the record could not be read (cut off, or of a later version).</source>
        <translation><numerusform>No se pudo leer %n línea del registro (cortada, o de una versión posterior).</numerusform><numerusform>No se pudieron leer %n líneas del registro (cortadas, o de una versión posterior).</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the record could not be read (cut off, or of a later version).</source>
        <translation><numerusform>No se pudo leer %n línea del registro (cortada, o de una versión posterior).</numerusform><numerusform>No se pudieron leer %n líneas del registro (cortadas, o de una versión posterior).</numerusform></translation>
    </message>
    <message>
        <source>the product for the LCM</source>
        <translation>el producto en vez del mcm</translation>
    </message>
    <message>
        <source>a common multiple, not the least</source>
        <translation>un múltiplo común, pero no el menor</translation>
    </message>
    <message>
        <source>the GCF for the LCM</source>
        <translation>el MCD en vez del mcm</translation>
    </message>
    <message>
        <source>a common factor, not the greatest</source>
        <translation>un divisor común, pero no el mayor</translation>
    </message>
    <message>
        <source>the LCM for the GCF</source>
        <translation>el mcm en vez del MCD</translation>
    </message>
    <message>
        <source>the bottom numbers added</source>
        <translation>sumó los denominadores</translation>
    </message>
    <message>
        <source>top and bottom numbers added</source>
        <translation>sumó numeradores y denominadores</translation>
    </message>
    <message>
        <source>the fractions multiplied</source>
        <translation>multiplicó las fracciones</translation>
    </message>
    <message>
        <source>not in lowest terms</source>
        <translation>sin simplificar del todo</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>mcm</translation>
    </message>
    <message>
        <source>GCF</source>
        <translation>MCD</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Fracciones</translation>
    </message>
    <message>
        <source>The class in %1: %2, %3.</source>
        <translation>La clase en %1: %2, %3.</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Todavía no hay ninguna partida registrada.</translation>
    </message>
    <message>
        <source>Per topic: right answers of those asked in the last 4 weeks (since %1) | in the weeks before.</source>
        <translation>Por tema: aciertos de las preguntas hechas en las últimas 4 semanas (desde el %1) | en las semanas anteriores.</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Última partida</translation>
    </message>
    <message>
        <source>Most frequent mistakes</source>
        <translation>Errores más frecuentes</translation>
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
        <translation>La clase – Zorbik en el laberinto</translation>
    </message>
    <message>
        <source>The pupils of the class</source>
        <translation>Los alumnos de la clase</translation>
    </message>
    <message>
        <source>Pupil in the right chart:</source>
        <translation>Alumno en el gráfico de la derecha:</translation>
    </message>
    <message>
        <source>Pupil shown in the right chart</source>
        <translation>Alumno que muestra el gráfico de la derecha</translation>
    </message>
    <message>
        <source>The class: right answers per week</source>
        <translation>La clase: aciertos por semana</translation>
    </message>
    <message>
        <source>Chart of the class</source>
        <translation>Gráfico de la clase</translation>
    </message>
    <message>
        <source>Chart of the chosen pupil</source>
        <translation>Gráfico del alumno elegido</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the class window</source>
        <translation>Cerrar la ventana de la clase</translation>
    </message>
    <message>
        <source>%1: right answers per week</source>
        <translation>%1: aciertos por semana</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>The classroom folder %1 does not exist. Make it first and give it the class's group (see zorbik(6)).</source>
        <translation>La carpeta de la clase %1 no existe. Créala primero y dale el grupo de la clase (ver zorbik(6)).</translation>
    </message>
    <message>
        <source>The classroom folder %1 cannot be used: %2.</source>
        <translation>No se puede usar la carpeta de la clase %1: %2.</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not a folder.</source>
        <translation>La carpeta de la clase %1 no es una carpeta.</translation>
    </message>
    <message>
        <source>%1 belongs to %2, who is neither root nor the owner of %3</source>
        <translation>%1 pertenece a %2, que no es root ni el propietario de %3</translation>
    </message>
    <message>
        <source>%1 may be changed by other users</source>
        <translation>otros usuarios pueden modificar %1</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not safe for a class: %2.</source>
        <translation>La carpeta de la clase %1 no es segura para una clase: %2.</translation>
    </message>
    <message>
        <source>it changed while it was read</source>
        <translation>cambió mientras se leía</translation>
    </message>
    <message>
        <source>its group is %1, not a class's group</source>
        <translation>su grupo es %1, no el de una clase</translation>
    </message>
    <message>
        <source>its group %1 is the owner's own, not a class's group</source>
        <translation>su grupo %1 es el propio del propietario, no el de una clase</translation>
    </message>
    <message>
        <source>its owner %1 is not in its group %2</source>
        <translation>su propietario %1 no está en su grupo %2</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>No se puede borrar %1: %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Cannot open the folder %1: %2</source>
        <translation>No se puede abrir la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 belongs to %2; set the folder up with sudo.</source>
        <translation>%1 pertenece a %2; prepara la carpeta con sudo.</translation>
    </message>
    <message>
        <source>Cannot set the permissions of %1: %2</source>
        <translation>No se pueden poner los permisos de %1: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1 (%2's): %3</source>
        <translation>No se puede borrar %1 (de %2): %3</translation>
    </message>
    <message>
        <source>Cannot read the installed %1: %2</source>
        <translation>No se puede leer %1 instalado: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 belongs to %2</source>
        <translation>%1 pertenece a %2</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>Only the owner of %1 (%2) or root can set it up.</source>
        <translation>Solo el propietario de %1 (%2) o root puede prepararla.</translation>
    </message>
    <message>
        <source>The classroom folder %1 cannot be shared by a class: %2. Give it the class's group:
    sudo chgrp CLASS %1
    sudo chmod 2750 %1</source>
        <translation>La carpeta de la clase %1 no puede compartirse en una clase: %2. Dale el grupo de la clase:
    sudo chgrp CLASE %1
    sudo chmod 2750 %1</translation>
    </message>
    <message>
        <source>Cannot read the installed game in %1: %2</source>
        <translation>No se puede leer el juego instalado en %1: %2</translation>
    </message>
    <message>
        <source>The classroom folder %1 was laid out, but %2.</source>
        <translation>La carpeta de la clase %1 se preparó, pero %2.</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not set up yet. %2</source>
        <translation>La carpeta de la clase %1 todavía no está preparada. %2</translation>
    </message>
    <message>
        <source>The game in the classroom folder %1 is not safe to start: %2. %3</source>
        <translation>No es seguro iniciar el juego de la carpeta de la clase %1: %2. %3</translation>
    </message>
    <message>
        <source>The classroom folder %1 holds another version of Zorbik than the one installed here, so the teacher needs to set it up again. %2</source>
        <translation>La carpeta de la clase %1 tiene otra versión de Zorbik distinta de la instalada aquí, así que el docente tiene que prepararla de nuevo. %2</translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a folder.</source>
        <translation>No se puede usar %1: no es una carpeta.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 belongs to another user; remove it and try again.</source>
        <translation>%1 pertenece a otro usuario; bórralo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>%1 may be changed by other users; remove it and try again.</source>
        <translation>Otros usuarios pueden modificar %1; bórralo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>No folder to play in: your home folder is unknown, or other users may change it.</source>
        <translation>No hay carpeta para jugar: no se conoce tu carpeta personal, o bien otros usuarios pueden modificarla.</translation>
    </message>
    <message>
        <source>%1 is not a file but a link or a special file, so its lines cannot be kept. Move the class&apos;s file back to its place, or remove what stands there to start it empty, then set up again.</source>
        <translation>%1 no es un archivo, sino un enlace o un archivo especial, así que sus líneas no se pueden conservar. Vuelva a poner el archivo de la clase en su lugar, o quite lo que hay allí para empezar de cero, y luego prepare la carpeta de nuevo.</translation>
    </message>
    <message>
        <source>%1 cannot be read whole, so it is left as it is: %2</source>
        <translation>%1 no se puede leer entero, así que se deja como está: %2</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>The class writer %1 is not installed for a class: it must be root&apos;s and set-group-ID to a group of its own (the package does this; see zorbik(6)).</source>
        <translation>El programa de escritura de la clase %1 no está instalado para una clase: debe ser de root y tener set-group-ID a un grupo propio (el paquete lo hace; vea zorbik(6)).</translation>
    </message>
    <message>
        <source>%1 was not laid out for the class writer installed here</source>
        <translation>%1 no se preparó para el programa de escritura de la clase instalado aquí</translation>
    </message>
    <message>
        <source>The teacher sets it up with:
    sudo zorbik --shared-folder %1 --set-up</source>
        <translation>El docente la prepara con:
    sudo zorbik --shared-folder %1 --set-up</translation>
    </message>
    <message>
        <source>Only root can give the class&apos;s files to the class writer&apos;s group %1. Set the folder up with:
    sudo zorbik --shared-folder %2 --set-up</source>
        <translation>Solo root puede dar los archivos de la clase al grupo %1 del programa de escritura. Prepare la carpeta con:
    sudo zorbik --shared-folder %2 --set-up</translation>
    </message>
    <message>
        <source>There is no group %1 for the teachers.</source>
        <translation>No existe el grupo %1 para los docentes.</translation>
    </message>
    <message>
        <source>%2 is not a pupil of the class of %1, so your score would be lost. Ask the teacher to add you to the group %3 (then log in again).</source>
        <translation>%2 no es de la clase de %1, así que tu puntuación se perdería. Pide a tu docente que te añada al grupo %3 (y luego vuelve a iniciar sesión).</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>The Rules</source>
        <translation>Las reglas</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Cerrar la ventana</translation>
    </message>
    <message>
        <source>Zorbik on the maze</source>
        <translation>Zorbik en el laberinto</translation>
    </message>
    <message>
        <source>Press 'Ctrl' to view the map of explored maze.</source>
        <translation>Presiona «Ctrl» para ver el mapa del laberinto explorado.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN</translation>
    </message>
    <message>
        <source>Are You sure You want to exit?</source>
        <translation>¿Seguro que quieres salir?</translation>
    </message>
    <message>
        <source>Confirm exit</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>Game1: the high-score table %1 held lines that could not be read; they are kept in %1.bak and the table was started anew with this game's line.</source>
        <translation>Game1: la tabla de récords %1 tenía líneas que no se podían leer; se guardan en %1.bak y la tabla empieza de nuevo con la línea de esta partida.</translation>
    </message>
    <message>
        <source>Game1: this game's line could not be saved in the high-score table %1.</source>
        <translation>Game1: no se pudo guardar la línea de esta partida en la tabla de récords %1.</translation>
    </message>
    <message>
        <source>             HIGH SCORES LIST              </source>
        <extracomment>43 characters, centred</extracomment>
        <translation>             TABLA DE RÉCORDS              </translation>
    </message>
    <message>
        <source>-- Name --------------Pr--En--Dr-L---Score-</source>
        <extracomment>43 characters; each column name stays where the English one is</extracomment>
        <translation>-- Nombre ------------Ob--En--Pu-N--Puntos-</translation>
    </message>
    <message>
        <source>Time on %1 level:</source>
        <translation>Tiempo nivel %1:</translation>
    </message>
    <message>
        <source>Congratulations! Level is complete! Time bonus is %1</source>
        <translation>¡Felicidades! ¡Nivel completado! Bonus de tiempo: %1</translation>
    </message>
    <message>
        <source>The door is locked. To open this door You have to answer to a simple question. Ask the question?</source>
        <translation>La puerta está cerrada con llave. Para abrirla tienes que responder una pregunta sencilla. ¿Hacer la pregunta?</translation>
    </message>
    <message>
        <source>Do you want to be eaten?</source>
        <translation>¿Quieres que te coman?</translation>
    </message>
    <message>
        <source>Now You will be moved to the start of this level.</source>
        <translation>Ahora vuelves al principio de este nivel.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
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
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Finish this game</source>
        <translation>Terminar esta partida</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>Time on 1 level</source>
        <translation>Tiempo nivel 1</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>This program is a part of the TALLIWAY software. It can not run by itself.</source>
        <translation>Este programa forma parte del software TALLIWAY. No puede funcionar solo.</translation>
    </message>
    <message>
        <source>Program termination</source>
        <translation>Fin del programa</translation>
    </message>
    <message>
        <source>Press 'Ctrl' to continue the game.</source>
        <translation>Presiona «Ctrl» para seguir jugando.</translation>
    </message>
    <message>
        <source>Game1: this game is in the high-score table %1, but the class record could not take it.</source>
        <translation>Game1: esta partida está en la tabla de récords %1, pero el registro de la clase no la pudo guardar.</translation>
    </message>
    <message>
        <source>Game1: this game&apos;s line was not saved: the class&apos;s high-score table %1 stayed busy with another game.</source>
        <translation>Game1: la línea de esta partida no se guardó: la tabla de récords de la clase %1 siguió ocupada con otra partida.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Default player</source>
        <translation>Jugador inicial</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>The game cannot be started: %1 cannot be used (%2).</source>
        <translation>El juego no puede empezar: no se puede usar %1 (%2).</translation>
    </message>
    <message>
        <source>Zorbik is already running for you (in %1). Finish that game first, then start the next one.</source>
        <translation>Zorbik ya está abierto para ti (en %1). Termina primero esa partida y luego empieza la siguiente.</translation>
    </message>
    <message>
        <source>The player's name could not be saved in %1, so the game does not start (it would credit the previous player).</source>
        <translation>No se pudo guardar el nombre en %1, así que el juego no empieza (los puntos irían al jugador anterior).</translation>
    </message>
    <message>
        <source>The game %1 could not be started: %2</source>
        <translation>No se pudo iniciar el juego %1: %2</translation>
    </message>
    <message>
        <source>The high-score table held lines that could not be read. They are kept in %1 beside it, and a new table was started with your game's line.</source>
        <translation>La tabla de récords tenía líneas que no se podían leer. Se guardan al lado, en %1, y se empezó una tabla nueva con la línea de tu partida.</translation>
    </message>
    <message>
        <source>Your game's line could not be saved in the high-score table, so it is not in the list. Please tell your teacher.</source>
        <translation>No se pudo guardar la línea de tu partida en la tabla de récords, así que no está en la lista. Por favor, díselo a tu docente.</translation>
    </message>
    <message>
        <source>No classroom folder is named: give --shared-folder DIR, or sharedFolder in /etc/xdg/zorbik/zorbik.conf.</source>
        <translation>No se indicó ninguna carpeta de clase: usa --shared-folder CARPETA o sharedFolder en /etc/xdg/zorbik/zorbik.conf.</translation>
    </message>
    <message>
        <source>the classroom folder %1 is set up.</source>
        <translation>la carpeta de la clase %1 está preparada.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; your choices are not remembered.</source>
        <translation>%1 no es un archivo normal; tus opciones no se guardan.</translation>
    </message>
    <message>
        <source>Try 'zorbik --help' for the options.</source>
        <translation>Prueba «zorbik --help» para ver las opciones.</translation>
    </message>
    <message>
        <source>Zorbik on the maze: a maze game with arithmetic questions.
Without options the launcher opens its window.</source>
        <translation>Zorbik en el laberinto: un juego de laberinto con preguntas de cálculo.
Sin opciones, el lanzador abre su ventana.</translation>
    </message>
    <message>
        <source>Start the game at once, without the window (needs --name).</source>
        <translation>Empezar el juego enseguida, sin la ventana (necesita --name).</translation>
    </message>
    <message>
        <source>The player's name.</source>
        <translation>El nombre del jugador.</translation>
    </message>
    <message>
        <source>The questions: both (LCM and GCF), lcm, gcf or fractions.</source>
        <translation>Las preguntas: both (mcm y MCD), lcm (mcm), gcf (MCD) o fractions (fracciones).</translation>
    </message>
    <message>
        <source>Play without sound.</source>
        <translation>Jugar sin sonido.</translation>
    </message>
    <message>
        <source>Keep the maze dark until explored.</source>
        <translation>Dejar el laberinto a oscuras hasta explorarlo.</translation>
    </message>
    <message>
        <source>Play in the classroom's shared playing folder DIR.</source>
        <translation>Jugar en la carpeta compartida DIR de la clase.</translation>
    </message>
    <message>
        <source>Lay out the classroom's shared folder (--shared-folder DIR or the system-wide setting) for its pupils and exit; for the folder's owner or root.</source>
        <translation>Preparar la carpeta compartida de la clase (--shared-folder DIR o el ajuste del sistema) para sus alumnos y salir; para el propietario de la carpeta o root.</translation>
    </message>
    <message>
        <source>The hardest questions: gentle, standard, challenging or a step from 0 to %1 (a teacher's ceiling still holds).</source>
        <translation>Las preguntas más difíciles: gentle (fáciles), standard, challenging (difíciles) o un nivel de 0 a %1 (el límite del docente sigue valiendo).</translation>
    </message>
    <message>
        <source>Print the player's questions of the last games and exit.</source>
        <translation>Mostrar las preguntas de las últimas partidas del jugador y salir.</translation>
    </message>
    <message>
        <source>With --report: print one CSV row per game.</source>
        <translation>Con --report: mostrar una fila CSV por partida.</translation>
    </message>
    <message>
        <source>The language of the launcher, the game and the quiz: %1 or %2.</source>
        <translation>El idioma del lanzador, del juego y del cuestionario: %1 o %2.</translation>
    </message>
    <message>
        <source>unexpected word '%1'.</source>
        <translation>palabra inesperada «%1».</translation>
    </message>
    <message>
        <source>unknown topic '%1'; use both, lcm, gcf or fractions.</source>
        <translation>tema desconocido «%1»; usa both, lcm, gcf o fractions.</translation>
    </message>
    <message>
        <source>the shared folder must be given as a full path.</source>
        <translation>la carpeta compartida tiene que darse con la ruta completa.</translation>
    </message>
    <message>
        <source>unknown question level '%1'; use gentle, standard, challenging or a step from 0 to %2.</source>
        <translation>nivel de preguntas desconocido «%1»; usa gentle, standard, challenging o un nivel de 0 a %2.</translation>
    </message>
    <message>
        <source>--csv goes with --report.</source>
        <translation>--csv va con --report.</translation>
    </message>
    <message>
        <source>--report prints the report and starts nothing; leave out --play and --set-up.</source>
        <translation>--report muestra el informe y no inicia nada; quita --play y --set-up.</translation>
    </message>
    <message>
        <source>--set-up lays out the classroom folder and starts no game; leave out --play.</source>
        <translation>--set-up prepara la carpeta de la clase y no inicia ninguna partida; quita --play.</translation>
    </message>
    <message>
        <source>--play needs the player's name: --name NAME.</source>
        <translation>--play necesita el nombre del jugador: --name NOMBRE.</translation>
    </message>
    <message>
        <source>Zorbik on the maze</source>
        <translation>Zorbik en el laberinto</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>Questions about</source>
        <translation>Preguntas sobre</translation>
    </message>
    <message>
        <source>Both LCM and GCF</source>
        <translation>mcm y MCD</translation>
    </message>
    <message>
        <source>Least common multiple (LCM)</source>
        <translation>Mínimo común múltiplo (mcm)</translation>
    </message>
    <message>
        <source>Greatest common factor (GCF)</source>
        <translation>Máximo común divisor (MCD)</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Fracciones</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Con sonido</translation>
    </message>
    <message>
        <source>Hidden maze (explore it in the dark, twice the time for the bonus)</source>
        <translation>Laberinto oculto (a oscuras, doble tiempo de bonus)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Type your name to play.</source>
        <translation>Escribe tu nombre para jugar.</translation>
    </message>
    <message>
        <source>In the high-score table: %1</source>
        <translation>En la tabla de récords: %1</translation>
    </message>
    <message>
        <source>In the high-score table: %1 (the rest does not fit)</source>
        <translation>En la tabla de récords: %1 (el resto no cabe)</translation>
    </message>
    <message>
        <source>No questions were asked in this game.
</source>
        <translation>En esta partida no hubo preguntas.
</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>mcm</translation>
    </message>
    <message>
        <source>GCF</source>
        <translation>MCD</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right</source>
        <translation>%1: %2 de %3 bien</translation>
    </message>
    <message>
        <source>Perfect - every question right!</source>
        <translation>¡Perfecto: todas las preguntas bien!</translation>
    </message>
    <message>
        <source>Great work - keep it up!</source>
        <translation>¡Muy buen trabajo, sigue así!</translation>
    </message>
    <message>
        <source>Good effort - every question makes you stronger.</source>
        <translation>Buen esfuerzo: cada pregunta te hace más fuerte.</translation>
    </message>
    <message>
        <source>Keep practising - the working above shows the way, and you will get them next time!</source>
        <translation>Sigue practicando: los cálculos de arriba te muestran el camino, ¡y la próxima vez te saldrán!</translation>
    </message>
    <message numerus="yes">
        <source>%n question</source>
        <translation><numerusform>%n pregunta</numerusform><numerusform>%n preguntas</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n questions</source>
        <translation><numerusform>%n pregunta</numerusform><numerusform>%n preguntas</numerusform></translation>
    </message>
    <message>
        <source>Your game: %1, %2 right.</source>
        <translation>Tu partida: %1, %2 bien.</translation>
    </message>
    <message>
        <source>The game of %1: %2, %3 right.</source>
        <translation>La partida de %1: %2, %3 bien.</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>sin responder</translation>
    </message>
    <message>
        <source>right with the hint</source>
        <translation>bien con la pista</translation>
    </message>
    <message>
        <source>you typed %1</source>
        <translation>escribiste %1</translation>
    </message>
    <message>
        <source>%1 (%2; the answer is %3)</source>
        <translation>%1 (%2; la respuesta es %3)</translation>
    </message>
    <message>
        <source>To look at again:</source>
        <translation>Para repasar:</translation>
    </message>
    <message>
        <source>No questions in the journal yet (%1).</source>
        <translation>Todavía no hay preguntas en el diario (%1).</translation>
    </message>
    <message>
        <source>Zorbik report (%1)</source>
        <translation>Informe de Zorbik (%1)</translation>
    </message>
    <message>
        <source>The last games:</source>
        <translation>Las últimas partidas:</translation>
    </message>
    <message>
        <source>%1 of %2 right  (%3)</source>
        <translation>%1 de %2 bien  (%3)</translation>
    </message>
    <message numerus="yes">
        <source>All %n game: %1 of %2 right</source>
        <translation><numerusform>En total %n partida: %1 de %2 bien</numerusform><numerusform>En total %n partidas: %1 de %2 bien</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>All %n games: %1 of %2 right</source>
        <translation><numerusform>En total %n partida: %1 de %2 bien</numerusform><numerusform>En total %n partidas: %1 de %2 bien</numerusform></translation>
    </message>
    <message>
        <source>How the game went</source>
        <translation>Cómo fue la partida</translation>
    </message>
    <message>
        <source>The computer's language</source>
        <translation>Idioma de la computadora</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message numerus="yes">
        <source>%n line of the journal could not be read and is left out.</source>
        <translation><numerusform>No se pudo leer %n línea del diario; no se tiene en cuenta.</numerusform><numerusform>No se pudieron leer %n líneas del diario; no se tienen en cuenta.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the journal could not be read and are left out.</source>
        <translation><numerusform>No se pudo leer %n línea del diario; no se tiene en cuenta.</numerusform><numerusform>No se pudieron leer %n líneas del diario; no se tienen en cuenta.</numerusform></translation>
    </message>
    <message>
        <source>--class-report and --class-window show the class and start nothing; give one of them, and --csv only with --class-report.</source>
        <translation>--class-report y --class-window muestran la clase y no inician nada; indique solo una de las dos, y --csv solo con --class-report.</translation>
    </message>
    <message>
        <source>--class-report and --class-window need the class folder: DIR.</source>
        <translation>--class-report y --class-window necesitan la carpeta de la clase: DIR.</translation>
    </message>
    <message>
        <source>Print the class of the classroom folder DIR (its pupils' games, right answers and mistakes) and exit; for its teachers. With --csv: one CSV row per pupil.</source>
        <translation>Mostrar la clase de la carpeta DIR (partidas, aciertos y errores de sus alumnos) y salir; para su profesorado. Con --csv: una fila CSV por alumno.</translation>
    </message>
    <message>
        <source>Show the class of the classroom folder DIR in a window, with charts.</source>
        <translation>Mostrar la clase de la carpeta DIR en una ventana, con gráficos.</translation>
    </message>
    <message>
        <source>The class...</source>
        <translation>La clase…</translation>
    </message>
    <message>
        <source>Show the class's games</source>
        <translation>Mostrar las partidas de la clase</translation>
    </message>
    <message>
        <source>Your game&apos;s line could not be saved in the class&apos;s high-score table: it stayed busy with another game for too long. Please tell your teacher.</source>
        <translation>La línea de tu partida no se pudo guardar en la tabla de récords de la clase: siguió ocupada demasiado tiempo con otra partida. Avisa a tu docente, por favor.</translation>
    </message>
    <message>
        <source>With --set-up: the group of the teachers who may read the class record.</source>
        <translation>Con --set-up: el grupo de los docentes que pueden leer el registro de la clase.</translation>
    </message>
    <message>
        <source>--teacher GROUP goes with --set-up.</source>
        <translation>--teacher GRUPO va con --set-up.</translation>
    </message>
    <message>
        <source>Seeing and reading</source>
        <translation>Ver y leer</translation>
    </message>
    <message>
        <source>Map for colour-blind eyes</source>
        <translation>Mapa para daltónicos</translation>
    </message>
    <message>
        <source>The map uses colours that stay apart for colour-blind eyes, with a shape on every kind of cell.</source>
        <translation>El mapa usa colores que los daltónicos también distinguen, con una forma en cada tipo de casilla.</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Alto contraste</translation>
    </message>
    <message>
        <source>Darker, clearer texts beside the maze.</source>
        <translation>Textos más oscuros y claros junto al laberinto.</translation>
    </message>
    <message>
        <source>Larger text and buttons</source>
        <translation>Letra y botones más grandes</translation>
    </message>
    <message>
        <source>Texts and buttons beside the maze half as large again.</source>
        <translation>Textos y botones junto al laberinto una vez y media más grandes.</translation>
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
        <translation>Multiplicaste %1 por %2: es un múltiplo común, pero no el mínimo, porque %1 y %2 tienen el divisor común %3.</translation>
    </message>
    <message>
        <source>%1 is a common multiple of %2 and %3, but not the least one.</source>
        <translation>%1 es un múltiplo común de %2 y %3, pero no el mínimo.</translation>
    </message>
    <message>
        <source>%1 is their greatest common factor; the LCM is the smallest number that both go into.</source>
        <translation>%1 es su máximo común divisor; el mcm es el número más pequeño que es múltiplo de los dos.</translation>
    </message>
    <message>
        <source>%1 goes into both %2 and %3, but it is not the greatest common factor: look for a bigger one.</source>
        <translation>%1 divide a %2 y a %3, pero no es el máximo común divisor: busca uno mayor.</translation>
    </message>
    <message>
        <source>%1 is their least common multiple; the GCF is the biggest number that goes into both.</source>
        <translation>%1 es su mínimo común múltiplo; el MCD es el número más grande que divide a los dos.</translation>
    </message>
    <message>
        <source>You added the bottom numbers too: when they are the same, add only the top numbers and keep the bottom number.</source>
        <translation>También sumaste los denominadores: cuando son iguales, suma solo los numeradores y deja el mismo denominador.</translation>
    </message>
    <message>
        <source>You added the bottom numbers too: make them the same, then add only the top numbers and keep the common bottom number.</source>
        <translation>También sumaste los denominadores: hazlos iguales, luego suma solo los numeradores y deja el denominador común.</translation>
    </message>
    <message>
        <source>You added the top numbers and the bottom numbers: first make the bottom numbers the same, then add only the top numbers.</source>
        <translation>Sumaste los numeradores y los denominadores: primero haz iguales los denominadores y luego suma solo los numeradores.</translation>
    </message>
    <message>
        <source>You multiplied the fractions; here they are added.</source>
        <translation>Multiplicaste las fracciones; aquí hay que sumarlas.</translation>
    </message>
    <message>
        <source>2, 3, 5, 7, 11 and 13</source>
        <translation>2, 3, 5, 7, 11 y 13</translation>
    </message>
    <message>
        <source>2, 3, 5 and 7</source>
        <translation>2, 3, 5 y 7</translation>
    </message>
    <message>
        <source>What is the least common multiple (LCM) of %1 and %2?</source>
        <translation>¿Cuál es el mínimo común múltiplo (mcm) de %1 y %2?</translation>
    </message>
    <message>
        <source>Type a whole number.</source>
        <translation>Escribe un número entero.</translation>
    </message>
    <message>
        <source>Count in steps of %1: %1, %2, %3, ... Stop at the first number that %4 goes into exactly: that is the LCM.</source>
        <translation>Cuenta de %1 en %1: %1, %2, %3, ... Para en el primer número que sea múltiplo de %4: ese es el mcm.</translation>
    </message>
    <message>
        <source>%1 = %2 = %3 is the first multiple of %4 that %5 goes into.</source>
        <translation>%1 = %2 = %3 es el primer múltiplo de %4 que también es múltiplo de %5.</translation>
    </message>
    <message>
        <source>What is the greatest common factor (GCF) of %1 and %2?</source>
        <translation>¿Cuál es el máximo común divisor (MCD) de %1 y %2?</translation>
    </message>
    <message>
        <source>Find a number that goes into both %1 and %2 (try %3), divide both by it, and do the same with what is left. The GCF is all the numbers you divided by, multiplied together.</source>
        <translation>Busca un número que divida a %1 y a %2 (prueba %3), divide los dos entre él y haz lo mismo con lo que queda. El MCD es el producto de todos los números entre los que dividiste.</translation>
    </message>
    <message>
        <source>%1 goes into %2 (%2 = %3), so the GCF is %4 itself.</source>
        <translation>%1 divide a %2 (%2 = %3), así que el MCD es el propio %4.</translation>
    </message>
    <message>
        <source>%1 = %2 and %3 = %4, and %5 and %6 have no common factor but 1.</source>
        <translation>%1 = %2 y %3 = %4, y %5 y %6 no tienen más divisor común que el 1.</translation>
    </message>
    <message>
        <source>Write %1 in lowest terms.</source>
        <translation>Simplifica %1 todo lo posible.</translation>
    </message>
    <message>
        <source>Type a fraction like 3/4 that cannot be made simpler.</source>
        <translation>Escribe una fracción como 3/4 que ya no se pueda simplificar.</translation>
    </message>
    <message>
        <source>Find the biggest number that divides both %1 and %2, and divide both by it.</source>
        <translation>Busca el número más grande que divida a %1 y a %2, y divide los dos entre él.</translation>
    </message>
    <message>
        <source>Divide the top and the bottom by %1: %2 = %3.</source>
        <translation>Divide el numerador y el denominador entre %1: %2 = %3.</translation>
    </message>
    <message>
        <source>Type a fraction like 3/4, a mixed number like 1 1/4, or a whole number. It need not be in lowest terms.</source>
        <translation>Escribe una fracción como 3/4, un número mixto como 1 1/4 o un número entero. No hace falta simplificar.</translation>
    </message>
    <message>
        <source>The bottom numbers are the same: add the top numbers and keep the bottom number.</source>
        <translation>Los denominadores son iguales: suma los numeradores y deja el mismo denominador.</translation>
    </message>
    <message>
        <source>Make the bottom numbers the same first: use %1 as the common bottom number, then add the top numbers.</source>
        <translation>Primero haz iguales los denominadores: usa %1 como denominador común y luego suma los numeradores.</translation>
    </message>
    <message>
        <source>Same bottom number: %1.</source>
        <translation>Mismo denominador: %1.</translation>
    </message>
    <message>
        <source>Common bottom number %1: %2.</source>
        <translation>Denominador común %1: %2.</translation>
    </message>
    <message>
        <source>No answer here is below zero: type it without the minus sign.</source>
        <translation>Aquí ninguna respuesta es menor que cero: escríbela sin el signo menos.</translation>
    </message>
    <message>
        <source>Type a whole number, without a decimal point.</source>
        <translation>Escribe un número entero, sin decimales.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction: %2.</source>
        <translation>Escribe %1 como fracción: %2.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction: %2 or %3.</source>
        <translation>Escribe %1 como fracción: %2 o %3.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction, like %2.</source>
        <translation>Escribe %1 como fracción, por ejemplo %2.</translation>
    </message>
    <message>
        <source>Type a whole number, without a fraction.</source>
        <translation>Escribe un número entero, sin fracción.</translation>
    </message>
    <message>
        <source>Please type your answer as shown above. %1</source>
        <translation>Por favor, escribe tu respuesta como se indica arriba. %1</translation>
    </message>
    <message numerus="yes">
        <source>A right answer wins %n points. A wrong answer or the hint costs %1 percent of your health and up to %2 points.</source>
        <translation><numerusform>Una respuesta correcta gana %n punto. Una respuesta incorrecta o la pista cuesta un %1 por ciento de tu salud y hasta %2 puntos.</numerusform><numerusform>Una respuesta correcta gana %n puntos. Una respuesta incorrecta o la pista cuesta un %1 por ciento de tu salud y hasta %2 puntos.</numerusform></translation>
    </message>
    <message>
        <source>Enter checks your answer. Escape closes the quiz without an answer, which costs the same as a wrong one.</source>
        <translation>Enter comprueba tu respuesta. Esc cierra el cuestionario sin respuesta, y eso cuesta lo mismo que una respuesta incorrecta.</translation>
    </message>
    <message>
        <source>With the hint, your answer will not count: no points, and the maze takes %1 percent of your health and up to %2 points. Press "Show the hint" if you still want it.</source>
        <translation>Con la pista, tu respuesta no contará: no ganas puntos y el laberinto te quita un %1 por ciento de tu salud y hasta %2 puntos. Presiona «Ver la pista» si aun así la quieres.</translation>
    </message>
    <message>
        <source>Your answer is right, but it could not be passed to the game, so the game will count it as not answered. Sorry!</source>
        <translation>Tu respuesta es correcta, pero no se pudo pasar al juego, así que el juego la contará como sin responder. ¡Lo sentimos!</translation>
    </message>
    <message numerus="yes">
        <source>Right! Well done. That is %n points.</source>
        <translation><numerusform>¡Correcto! Muy bien. Es %n punto.</numerusform><numerusform>¡Correcto! Muy bien. Son %n puntos.</numerusform></translation>
    </message>
    <message>
        <source>Right, but with the hint it counts as not answered: no points, and the maze takes %1 percent of your health and up to %2 points.</source>
        <translation>Correcto, pero con la pista cuenta como sin responder: no ganas puntos y el laberinto te quita un %1 por ciento de tu salud y hasta %2 puntos.</translation>
    </message>
    <message>
        <source>%1 is equal to %2, but it is not in lowest terms: %3 and %4 can both still be divided by %5. The answer is %6. So close - well tried!</source>
        <translation>%1 es igual a %2, pero no está simplificada: %3 y %4 todavía se pueden dividir entre %5. La respuesta es %6. ¡Casi, buen intento!</translation>
    </message>
    <message>
        <source>Not quite. The answer is %1. Good try - you will get the next one!</source>
        <translation>Esta vez no. La respuesta es %1. ¡Buen intento, la próxima te sale!</translation>
    </message>
    <message>
        <source>Not quite. The answer is %1. %2 Good try - you will get the next one!</source>
        <translation>Esta vez no. La respuesta es %1. %2 ¡Buen intento, la próxima te sale!</translation>
    </message>
    <message>
        <source>The quiz does not know the topic "%1", so the question comes from any of LCM, GCF and fractions.</source>
        <translation>El cuestionario no conoce el tema «%1», así que la pregunta puede ser de mcm, MCD o fracciones.</translation>
    </message>
    <message>
        <source>Least common multiple</source>
        <translation>Mínimo común múltiplo</translation>
    </message>
    <message>
        <source>Greatest common factor</source>
        <translation>Máximo común divisor</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Fracciones</translation>
    </message>
    <message>
        <source>Zorbik asks: %1</source>
        <translation>Zorbik pregunta: %1</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>tu respuesta</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>Show the &amp;hint</source>
        <translation>Ver la &amp;pista</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Pista: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Enter closes the quiz.</source>
        <translation>Enter cierra el cuestionario.</translation>
    </message>
    <message>
        <source>.</source>
        <comment>decimal sign</comment>
        <translation>,</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Tu respuesta</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>     The main goal of the game is to cross a maze from the start up to the finish and 
to earn the greatest score.</source>
        <translation>     El objetivo del juego es cruzar el laberinto desde la salida hasta la meta y conseguir la mayor puntuación posible.</translation>
    </message>
    <message>
        <source>     There are several types of treasures located in the maze that are increasing the 
score.</source>
        <translation>     En el laberinto hay varios tipos de tesoros que te dan puntos.</translation>
    </message>
    <message>
        <source>     There are useful items which are not increasing the score, but which can be 
useful to you. There are first-aid kits located in the maze (it is usually located 
behind the doors). If you take the first-aid kit the your health will increase by 10 
percent. There are torches located in the maze (it is usually located behind the 
doors). The torches are useful in the game with hidden maze because it increase 
the size of viewable area.</source>
        <translation>     También hay objetos útiles que no dan puntos, pero que te pueden ayudar. En el laberinto hay botiquines (casi siempre detrás de las puertas). Si tomas un botiquín, tu salud sube un 10 por ciento. También hay antorchas (casi siempre detrás de las puertas). Las antorchas sirven en el laberinto oculto, porque te dejan ver una zona más grande.</translation>
    </message>
    <message>
        <source>     The movement of the Zorbik can be made by the arrows on the keyboard, or by 
pressing corresponding buttons of moving in a window, or by clicking by a mouse 
button in a game field.</source>
        <translation>     Puedes mover a Zorbik con las flechas del teclado, con los botones de flecha de la ventana o haciendo clic con el ratón en el tablero.</translation>
    </message>
    <message>
        <source>     There are doors that prevent to move in a maze. To open a door it is necessary 
to answer to a mathematical question. If the answer is correct the score is also 
increasing. If the correct answer was received with the hint(s), the score does not 
increase and the door does not open. The health in this case decreases by %1 
percent and the score decreases by %2 points. After you have passed through the 
open door the door closes automatically.</source>
        <translation>     Hay puertas que no te dejan pasar. Para abrir una puerta tienes que responder una pregunta de matemáticas. Si la respuesta es correcta, también ganas puntos. Si encontraste la respuesta correcta con la pista, no ganas puntos y la puerta no se abre. En ese caso tu salud baja un %1 por ciento y pierdes %2 puntos. Cuando pasas por la puerta abierta, se cierra sola.</translation>
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
        <translation>     Por el laberinto andan enemigos que te quieren comer. Cuando te encuentras con un enemigo, o él te encuentra a ti, también te hacen una pregunta de matemáticas. Si la respuesta es correcta, ganas puntos y el enemigo desaparece. Si Zorbik atacó al enemigo, ocupa su lugar; si el enemigo atacó a Zorbik, Zorbik se queda donde estaba. Si encontraste la respuesta correcta con la pista, no ganas puntos y el enemigo no desaparece. En ese caso tu salud baja un %1 por ciento y pierdes %2 puntos.</translation>
    </message>
    <message>
        <source>     When you complete the level the bonus for time spent at the level add to your 
score. The time has counting only for your movement in the maze. When you solve 
the mathematical example the time stops and the maze disappears from the screen.</source>
        <translation>     Cuando completas un nivel, se suma a tu puntuación un bonus por el tiempo. El tiempo solo cuenta mientras te mueves por el laberinto. Mientras resuelves un ejercicio de matemáticas, el reloj se para y el laberinto desaparece de la pantalla. En la tabla de récords, Ob cuenta los objetos que recogiste, En los enemigos vencidos y Pu las puertas abiertas; N muestra el nivel al que llegaste.</translation>
    </message>
</context>
<context>
    <name>Access</name>
    <message>
        <source>Maze</source>
        <translation>Laberinto</translation>
    </message>
    <message>
        <source>The rules of the game</source>
        <translation>Las reglas del juego</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Treasures</source>
        <translation>Tesoros</translation>
    </message>
    <message>
        <source>Enemies beaten</source>
        <translation>Enemigos vencidos</translation>
    </message>
    <message>
        <source>Doors opened</source>
        <translation>Puertas abiertas</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>%1 (this game)</source>
        <translation>%1 (esta partida)</translation>
    </message>
    <message>
        <source>Treasures: %1</source>
        <translation>Tesoros: %1</translation>
    </message>
    <message>
        <source>Enemies beaten: %1</source>
        <translation>Enemigos vencidos: %1</translation>
    </message>
    <message>
        <source>Doors opened: %1</source>
        <translation>Puertas abiertas: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <source>Time on this level: %1</source>
        <translation>Tiempo en este nivel: %1</translation>
    </message>
    <message>
        <source>Move up-left</source>
        <translation>Ir arriba a la izquierda</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Ir arriba</translation>
    </message>
    <message>
        <source>Move up-right</source>
        <translation>Ir arriba a la derecha</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Ir a la izquierda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Ir a la derecha</translation>
    </message>
    <message>
        <source>Move down-left</source>
        <translation>Ir abajo a la izquierda</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Ir abajo</translation>
    </message>
    <message>
        <source>Move down-right</source>
        <translation>Ir abajo a la derecha</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Zorbik</source>
        <translation>Zorbik</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Zorbik's keys</source>
        <translation>Teclas de Zorbik</translation>
    </message>
    <message>
        <source>Shows the rules of the game.</source>
        <translation>Muestra las reglas del juego.</translation>
    </message>
    <message>
        <source>Finishes this game.</source>
        <translation>Termina esta partida.</translation>
    </message>
    <message>
        <source>The arrow keys move Zorbik, Ctrl shows the map, Space says where he is.</source>
        <translation>Las flechas mueven a Zorbik, Ctrl muestra el mapa y la barra espaciadora dice dónde está.</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>Zorbik picks up something.</source>
        <translation>Zorbik recoge algo.</translation>
    </message>
    <message>
        <source>Zorbik picks up gold.</source>
        <translation>Zorbik recoge oro.</translation>
    </message>
    <message>
        <source>Zorbik picks up money.</source>
        <translation>Zorbik recoge dinero.</translation>
    </message>
    <message>
        <source>Zorbik picks up a diamond.</source>
        <translation>Zorbik recoge un diamante.</translation>
    </message>
    <message>
        <source>Zorbik picks up a torch: he sees further now.</source>
        <translation>Zorbik recoge una antorcha: ahora ve más lejos.</translation>
    </message>
    <message>
        <source>Zorbik picks up a first-aid kit.</source>
        <translation>Zorbik recoge un botiquín.</translation>
    </message>
    <message>
        <source>%1 Treasures: %2.</source>
        <translation>%1 Tesoros: %2.</translation>
    </message>
    <message>
        <source>The door is open. Doors opened: %1.</source>
        <translation>La puerta está abierta. Puertas abiertas: %1.</translation>
    </message>
    <message>
        <source>The enemy is beaten. Enemies beaten: %1.</source>
        <translation>El enemigo está vencido. Enemigos vencidos: %1.</translation>
    </message>
    <message>
        <source>Level %1 begins: a maze of %2 by %2 cells.</source>
        <translation>Empieza el nivel %1: un laberinto de %2 por %2 casillas.</translation>
    </message>
    <message>
        <source>Time on this level: %1 min.</source>
        <translation>Tiempo en este nivel: %1 min.</translation>
    </message>
</context>
<context>
    <name>Maze</name>
    <message>
        <source>to the north</source>
        <translation>al norte</translation>
    </message>
    <message>
        <source>to the north-east</source>
        <translation>al noreste</translation>
    </message>
    <message>
        <source>to the east</source>
        <translation>al este</translation>
    </message>
    <message>
        <source>to the south-east</source>
        <translation>al sureste</translation>
    </message>
    <message>
        <source>to the south</source>
        <translation>al sur</translation>
    </message>
    <message>
        <source>to the south-west</source>
        <translation>al suroeste</translation>
    </message>
    <message>
        <source>to the west</source>
        <translation>al oeste</translation>
    </message>
    <message>
        <source>to the north-west</source>
        <translation>al noroeste</translation>
    </message>
    <message>
        <source>the edge of the maze</source>
        <translation>el borde del laberinto</translation>
    </message>
    <message>
        <source>unexplored darkness</source>
        <translation>oscuridad sin explorar</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>oro</translation>
    </message>
    <message>
        <source>money</source>
        <translation>dinero</translation>
    </message>
    <message>
        <source>a diamond</source>
        <translation>un diamante</translation>
    </message>
    <message>
        <source>a torch</source>
        <translation>una antorcha</translation>
    </message>
    <message>
        <source>a first-aid kit</source>
        <translation>un botiquín</translation>
    </message>
    <message>
        <source>a hare</source>
        <translation>una liebre</translation>
    </message>
    <message>
        <source>a wolf</source>
        <translation>un lobo</translation>
    </message>
    <message>
        <source>a fox</source>
        <translation>un zorro</translation>
    </message>
    <message>
        <source>a bear</source>
        <translation>un oso</translation>
    </message>
    <message>
        <source>a wall</source>
        <translation>un muro</translation>
    </message>
    <message>
        <source>the entrance</source>
        <translation>la entrada</translation>
    </message>
    <message>
        <source>the exit</source>
        <translation>la salida</translation>
    </message>
    <message>
        <source>a locked door</source>
        <translation>una puerta cerrada con llave</translation>
    </message>
    <message>
        <source>road</source>
        <translation>camino</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, then %2 %3 steps %4</source>
        <translation>%1 y luego %2 a %3 pasos %4</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2.</source>
        <translation>Zorbik está en la columna %1, fila %2.</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2, on the entrance.</source>
        <translation>Zorbik está en la columna %1, fila %2, en la entrada.</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2, on an open door.</source>
        <translation>Zorbik está en la columna %1, fila %2, en una puerta abierta.</translation>
    </message>
    <message>
        <source>%1 Around him: %2.</source>
        <translation>%1 A su alrededor: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
</TS>