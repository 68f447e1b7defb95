<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ClassReport</name>
    <message>
        <source>Week beginning</source>
        <translation>Неделя с</translation>
    </message>
    <message>
        <source>Right of those asked</source>
        <translation>Верно (из заданных)</translation>
    </message>
    <message>
        <source>%1 may be read only by the class's teachers (root, and the teacher group chosen at set-up: sudo zorbik --shared-folder %2 --set-up --teacher GROUP).</source>
        <translation>%1 могут читать только учителя класса (root и группа учителей, выбранная при настройке: sudo zorbik --shared-folder %2 --set-up --teacher GROUP).</translation>
    </message>
    <message>
        <source>%1 has no class record: the folder was not set up by this version of Zorbik. Set it up with: sudo zorbik --shared-folder %1 --set-up --teacher GROUP</source>
        <translation>В %1 нет журнала класса: папка настроена не этой версией Zorbik. Настройте её: sudo zorbik --shared-folder %1 --set-up --teacher GROUP</translation>
    </message>
    <message>
        <source>The class folder %1 cannot be opened: %2.</source>
        <translation>Не удаётся открыть папку класса %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a plain file (a link, a FIFO or a folder); it is not read.</source>
        <translation>%1 — не обычный файл (ссылка, FIFO или папка); он не читается.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, more than a class writes in a school year; it is not read.</source>
        <translation>%1 больше %2 МиБ — больше, чем класс записывает за учебный год; он не читается.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Не удалось прочитать %1: %2.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n pupil</source>
        <translation><numerusform>%n ученик</numerusform><numerusform>%n ученика</numerusform><numerusform>%n учеников</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n pupils</source>
        <translation><numerusform>%n ученик</numerusform><numerusform>%n ученика</numerusform><numerusform>%n учеников</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n game</source>
        <translation><numerusform>%n игра</numerusform><numerusform>%n игры</numerusform><numerusform>%n игр</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation><numerusform>%n игра</numerusform><numerusform>%n игры</numerusform><numerusform>%n игр</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n line of the record could not be read (cut off, or of a later version).</source>
        <translation><numerusform>%n строку журнала не удалось прочитать (обрезана или записана более новой версией).</numerusform><numerusform>%n строки журнала не удалось прочитать (обрезаны или записаны более новой версией).</numerusform><numerusform>%n строк журнала не удалось прочитать (обрезаны или записаны более новой версией).</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the record could not be read (cut off, or of a later version).</source>
        <translation><numerusform>%n строку журнала не удалось прочитать (обрезана или записана более новой версией).</numerusform><numerusform>%n строки журнала не удалось прочитать (обрезаны или записаны более новой версией).</numerusform><numerusform>%n строк журнала не удалось прочитать (обрезаны или записаны более новой версией).</numerusform></translation>
    </message>
    <message>
        <source>the product for the LCM</source>
        <translation>произведение вместо НОК</translation>
    </message>
    <message>
        <source>a common multiple, not the least</source>
        <translation>общее кратное, но не наименьшее</translation>
    </message>
    <message>
        <source>the GCF for the LCM</source>
        <translation>НОД вместо НОК</translation>
    </message>
    <message>
        <source>a common factor, not the greatest</source>
        <translation>общий делитель, но не наибольший</translation>
    </message>
    <message>
        <source>the LCM for the GCF</source>
        <translation>НОК вместо НОД</translation>
    </message>
    <message>
        <source>the bottom numbers added</source>
        <translation>сложены знаменатели</translation>
    </message>
    <message>
        <source>top and bottom numbers added</source>
        <translation>сложены числители и знаменатели</translation>
    </message>
    <message>
        <source>the fractions multiplied</source>
        <translation>дроби перемножены</translation>
    </message>
    <message>
        <source>not in lowest terms</source>
        <translation>дробь не сокращена</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>НОК</translation>
    </message>
    <message>
        <source>GCF</source>
        <translation>НОД</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Дроби</translation>
    </message>
    <message>
        <source>The class in %1: %2, %3.</source>
        <translation>Класс в %1: %2, %3.</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Пока не записано ни одной игры.</translation>
    </message>
    <message>
        <source>Per topic: right answers of those asked in the last 4 weeks (since %1) | in the weeks before.</source>
        <translation>По темам: верные ответы из заданных за последние 4 недели (с %1) | за недели до этого.</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Логин</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Игры</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Последняя игра</translation>
    </message>
    <message>
        <source>Most frequent mistakes</source>
        <translation>Самые частые ошибки</translation>
    </message>
    <message>
        <source>%1
last 4 weeks</source>
        <translation>%1
последние 4 недели</translation>
    </message>
    <message>
        <source>%1
before</source>
        <translation>%1
раньше</translation>
    </message>
    <message>
        <source>The class - Zorbik on the maze</source>
        <translation>Класс — Зорбик в лабиринте</translation>
    </message>
    <message>
        <source>The pupils of the class</source>
        <translation>Ученики класса</translation>
    </message>
    <message>
        <source>Pupil in the right chart:</source>
        <translation>Ученик на правом графике:</translation>
    </message>
    <message>
        <source>Pupil shown in the right chart</source>
        <translation>Ученик, показанный на правом графике</translation>
    </message>
    <message>
        <source>The class: right answers per week</source>
        <translation>Класс: верные ответы по неделям</translation>
    </message>
    <message>
        <source>Chart of the class</source>
        <translation>График класса</translation>
    </message>
    <message>
        <source>Chart of the chosen pupil</source>
        <translation>График выбранного ученика</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Close the class window</source>
        <translation>Закрыть окно класса</translation>
    </message>
    <message>
        <source>%1: right answers per week</source>
        <translation>%1: верные ответы по неделям</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>The classroom folder %1 does not exist. Make it first and give it the class's group (see zorbik(6)).</source>
        <translation>Папки класса %1 нет. Сначала создайте её и назначьте ей группу класса (см. zorbik(6)).</translation>
    </message>
    <message>
        <source>The classroom folder %1 cannot be used: %2.</source>
        <translation>Папку класса %1 нельзя использовать: %2.</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not a folder.</source>
        <translation>Папка класса %1 не является папкой.</translation>
    </message>
    <message>
        <source>%1 belongs to %2, who is neither root nor the owner of %3</source>
        <translation>%1 принадлежит пользователю %2, который не root и не владелец %3</translation>
    </message>
    <message>
        <source>%1 may be changed by other users</source>
        <translation>%1 могут изменять другие пользователи</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not safe for a class: %2.</source>
        <translation>Папка класса %1 небезопасна для класса: %2.</translation>
    </message>
    <message>
        <source>it changed while it was read</source>
        <translation>она изменилась во время чтения</translation>
    </message>
    <message>
        <source>its group is %1, not a class's group</source>
        <translation>её группа — %1, а не группа класса</translation>
    </message>
    <message>
        <source>its group %1 is the owner's own, not a class's group</source>
        <translation>её группа %1 — личная группа владельца, а не группа класса</translation>
    </message>
    <message>
        <source>its owner %1 is not in its group %2</source>
        <translation>её владелец %1 не входит в её группу %2</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Не удаётся удалить %1: %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Не удаётся создать папку %1: %2</translation>
    </message>
    <message>
        <source>Cannot open the folder %1: %2</source>
        <translation>Не удаётся открыть папку %1: %2</translation>
    </message>
    <message>
        <source>%1 belongs to %2; set the folder up with sudo.</source>
        <translation>%1 принадлежит пользователю %2; настройте папку через sudo.</translation>
    </message>
    <message>
        <source>Cannot set the permissions of %1: %2</source>
        <translation>Не удаётся задать права для %1: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1 (%2's): %3</source>
        <translation>Не удаётся удалить %1 (принадлежит %2): %3</translation>
    </message>
    <message>
        <source>Cannot read the installed %1: %2</source>
        <translation>Не удаётся прочитать установленный %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>нет %1</translation>
    </message>
    <message>
        <source>%1 belongs to %2</source>
        <translation>%1 принадлежит пользователю %2</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 не является обычным файлом</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 не является папкой</translation>
    </message>
    <message>
        <source>Only the owner of %1 (%2) or root can set it up.</source>
        <translation>Настроить её может только владелец %1 (%2) или root.</translation>
    </message>
    <message>
        <source>The classroom folder %1 cannot be shared by a class: %2. Give it the class's group:
    sudo chgrp CLASS %1
    sudo chmod 2750 %1</source>
        <translation>Папку класса %1 нельзя сделать общей для класса: %2. Назначьте ей группу класса:
    sudo chgrp КЛАСС %1
    sudo chmod 2750 %1</translation>
    </message>
    <message>
        <source>Cannot read the installed game in %1: %2</source>
        <translation>Не удаётся прочитать установленную игру в %1: %2</translation>
    </message>
    <message>
        <source>The classroom folder %1 was laid out, but %2.</source>
        <translation>Папка класса %1 подготовлена, но %2.</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not set up yet. %2</source>
        <translation>Папка класса %1 ещё не настроена. %2</translation>
    </message>
    <message>
        <source>The game in the classroom folder %1 is not safe to start: %2. %3</source>
        <translation>Игру в папке класса %1 небезопасно запускать: %2. %3</translation>
    </message>
    <message>
        <source>The classroom folder %1 holds another version of Zorbik than the one installed here, so the teacher needs to set it up again. %2</source>
        <translation>В папке класса %1 не та версия Зорбика, что установлена здесь, поэтому учителю нужно настроить её заново. %2</translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a folder.</source>
        <translation>Нельзя использовать %1: это не папка.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 belongs to another user; remove it and try again.</source>
        <translation>%1 принадлежит другому пользователю. Удали его и попробуй ещё раз.</translation>
    </message>
    <message>
        <source>%1 may be changed by other users; remove it and try again.</source>
        <translation>%1 могут изменить другие пользователи. Удали его и попробуй ещё раз.</translation>
    </message>
    <message>
        <source>No folder to play in: your home folder is unknown, or other users may change it.</source>
        <translation>Нет папки для игры: твоя домашняя папка неизвестна, или её могут изменить другие пользователи.</translation>
    </message>
    <message>
        <source>%1 is not a file but a link or a special file, so its lines cannot be kept. Move the class&apos;s file back to its place, or remove what stands there to start it empty, then set up again.</source>
        <translation>%1 — не файл, а ссылка или специальный файл, поэтому его строки сохранить нельзя. Верните файл класса на место или удалите то, что там находится, чтобы начать с нуля, а затем настройте папку заново.</translation>
    </message>
    <message>
        <source>%1 cannot be read whole, so it is left as it is: %2</source>
        <translation>%1 нельзя прочитать целиком, поэтому он остаётся как есть: %2</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>он слишком большой</translation>
    </message>
    <message>
        <source>The class writer %1 is not installed for a class: it must be root&apos;s and set-group-ID to a group of its own (the package does this; see zorbik(6)).</source>
        <translation>Программа записи класса %1 не установлена для класса: она должна принадлежать root и иметь set-group-ID на собственную группу (это делает пакет; см. zorbik(6)).</translation>
    </message>
    <message>
        <source>%1 was not laid out for the class writer installed here</source>
        <translation>%1 настроен не для программы записи класса, установленной здесь</translation>
    </message>
    <message>
        <source>The teacher sets it up with:
    sudo zorbik --shared-folder %1 --set-up</source>
        <translation>Учитель настраивает её так:
    sudo zorbik --shared-folder %1 --set-up</translation>
    </message>
    <message>
        <source>Only root can give the class&apos;s files to the class writer&apos;s group %1. Set the folder up with:
    sudo zorbik --shared-folder %2 --set-up</source>
        <translation>Только root может передать файлы класса группе %1 программы записи. Настройте папку так:
    sudo zorbik --shared-folder %2 --set-up</translation>
    </message>
    <message>
        <source>There is no group %1 for the teachers.</source>
        <translation>Группы %1 для учителей нет.</translation>
    </message>
    <message>
        <source>%2 is not a pupil of the class of %1, so your score would be lost. Ask the teacher to add you to the group %3 (then log in again).</source>
        <translation>Пользователь %2 не в классе %1, и твои очки пропали бы. Попроси учителя добавить тебя в группу %3 (потом войди в систему заново).</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>The Rules</source>
        <translation>Правила игры</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Zorbik on the maze</source>
        <translation>Зорбик в лабиринте</translation>
    </message>
    <message>
        <source>Press 'Ctrl' to view the map of explored maze.</source>
        <translation>«Ctrl» — карта пройденного лабиринта.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>КОНЕЦ</translation>
    </message>
    <message>
        <source>Are You sure You want to exit?</source>
        <translation>Ты точно хочешь выйти из игры?</translation>
    </message>
    <message>
        <source>Confirm exit</source>
        <translation>Выход из игры</translation>
    </message>
    <message>
        <source>Game1: the high-score table %1 held lines that could not be read; they are kept in %1.bak and the table was started anew with this game's line.</source>
        <translation>Game1: в таблице рекордов %1 были нечитаемые строки; они сохранены в %1.bak, а таблица начата заново со строкой этой игры.</translation>
    </message>
    <message>
        <source>Game1: this game's line could not be saved in the high-score table %1.</source>
        <translation>Game1: не удалось сохранить строку этой игры в таблице рекордов %1.</translation>
    </message>
    <message>
        <source>             HIGH SCORES LIST              </source>
        <extracomment>43 characters, centred</extracomment>
        <translation>             ТАБЛИЦА РЕКОРДОВ              </translation>
    </message>
    <message>
        <source>-- Name --------------Pr--En--Dr-L---Score-</source>
        <extracomment>43 characters; each column name stays where the English one is</extracomment>
        <translation>-- Имя ---------------Пр--Вр--Дв-У----Очки-</translation>
    </message>
    <message>
        <source>Time on %1 level:</source>
        <translation>Время уровня %1:</translation>
    </message>
    <message>
        <source>Congratulations! Level is complete! Time bonus is %1</source>
        <translation>Поздравляем! Уровень пройден! Бонус за время: %1</translation>
    </message>
    <message>
        <source>The door is locked. To open this door You have to answer to a simple question. Ask the question?</source>
        <translation>Дверь заперта. Чтобы открыть её, нужно ответить на простой вопрос. Задать вопрос?</translation>
    </message>
    <message>
        <source>Do you want to be eaten?</source>
        <translation>Ты хочешь, чтобы тебя съели?</translation>
    </message>
    <message>
        <source>Now You will be moved to the start of this level.</source>
        <translation>Сейчас ты вернёшься в начало этого уровня.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>%1 m %2 s</source>
        <comment>minutes and seconds on the level clock</comment>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Finish this game</source>
        <translation>Закончить эту игру</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>СТОП</translation>
    </message>
    <message>
        <source>Time on 1 level</source>
        <translation>Время уровня 1</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Жизнь</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>This program is a part of the TALLIWAY software. It can not run by itself.</source>
        <translation>Эта программа — часть программного комплекса TALLIWAY. Сама по себе она не запускается.</translation>
    </message>
    <message>
        <source>Program termination</source>
        <translation>Завершение программы</translation>
    </message>
    <message>
        <source>Press 'Ctrl' to continue the game.</source>
        <translation>Нажми «Ctrl», чтобы продолжить игру.</translation>
    </message>
    <message>
        <source>Game1: this game is in the high-score table %1, but the class record could not take it.</source>
        <translation>Game1: эта игра есть в таблице рекордов %1, но в журнал класса её записать не удалось.</translation>
    </message>
    <message>
        <source>Game1: this game&apos;s line was not saved: the class&apos;s high-score table %1 stayed busy with another game.</source>
        <translation>Game1: строка этой игры не сохранена: таблица рекордов класса %1 была слишком долго занята другой игрой.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Default player</source>
        <translation>Новичок</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>The game cannot be started: %1 cannot be used (%2).</source>
        <translation>Игру нельзя запустить: %1 нельзя использовать (%2).</translation>
    </message>
    <message>
        <source>Zorbik is already running for you (in %1). Finish that game first, then start the next one.</source>
        <translation>Зорбик уже запущен для тебя (в %1). Сначала закончи ту игру, потом начни следующую.</translation>
    </message>
    <message>
        <source>The player's name could not be saved in %1, so the game does not start (it would credit the previous player).</source>
        <translation>Не удалось сохранить имя в %1, поэтому игра не начнётся (иначе очки достались бы предыдущему игроку).</translation>
    </message>
    <message>
        <source>The game %1 could not be started: %2</source>
        <translation>Не удалось запустить игру %1: %2</translation>
    </message>
    <message>
        <source>The high-score table held lines that could not be read. They are kept in %1 beside it, and a new table was started with your game's line.</source>
        <translation>В таблице рекордов были нечитаемые строки. Они сохранены рядом, в %1, а новая таблица начата со строки твоей игры.</translation>
    </message>
    <message>
        <source>Your game's line could not be saved in the high-score table, so it is not in the list. Please tell your teacher.</source>
        <translation>Не удалось сохранить строку твоей игры в таблице рекордов, поэтому её нет в списке. Пожалуйста, скажи об этом учителю.</translation>
    </message>
    <message>
        <source>No classroom folder is named: give --shared-folder DIR, or sharedFolder in /etc/xdg/zorbik/zorbik.conf.</source>
        <translation>Папка класса не указана: задайте --shared-folder ПАПКА или sharedFolder в /etc/xdg/zorbik/zorbik.conf.</translation>
    </message>
    <message>
        <source>the classroom folder %1 is set up.</source>
        <translation>папка класса %1 настроена.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; your choices are not remembered.</source>
        <translation>%1 не является обычным файлом; твой выбор не запоминается.</translation>
    </message>
    <message>
        <source>Try 'zorbik --help' for the options.</source>
        <translation>Список параметров: «zorbik --help».</translation>
    </message>
    <message>
        <source>Zorbik on the maze: a maze game with arithmetic questions.
Without options the launcher opens its window.</source>
        <translation>Зорбик в лабиринте: игра-лабиринт с вопросами по арифметике.
Без параметров открывается окно запуска.</translation>
    </message>
    <message>
        <source>Start the game at once, without the window (needs --name).</source>
        <translation>Сразу начать игру, без окна (нужен --name).</translation>
    </message>
    <message>
        <source>The player's name.</source>
        <translation>Имя игрока.</translation>
    </message>
    <message>
        <source>The questions: both (LCM and GCF), lcm, gcf or fractions.</source>
        <translation>Вопросы: both (НОК и НОД), lcm (НОК), gcf (НОД) или fractions (дроби).</translation>
    </message>
    <message>
        <source>Play without sound.</source>
        <translation>Играть без звука.</translation>
    </message>
    <message>
        <source>Keep the maze dark until explored.</source>
        <translation>Лабиринт остаётся тёмным, пока его не исследуют.</translation>
    </message>
    <message>
        <source>Play in the classroom's shared playing folder DIR.</source>
        <translation>Играть в общей папке класса DIR.</translation>
    </message>
    <message>
        <source>Lay out the classroom's shared folder (--shared-folder DIR or the system-wide setting) for its pupils and exit; for the folder's owner or root.</source>
        <translation>Подготовить общую папку класса (--shared-folder DIR или системная настройка) для учеников и выйти; для владельца папки или root.</translation>
    </message>
    <message>
        <source>The hardest questions: gentle, standard, challenging or a step from 0 to %1 (a teacher's ceiling still holds).</source>
        <translation>Самые трудные вопросы: gentle (лёгкие), standard, challenging (трудные) или ступень от 0 до %1 (предел, заданный учителем, всё равно действует).</translation>
    </message>
    <message>
        <source>Print the player's questions of the last games and exit.</source>
        <translation>Вывести вопросы последних игр игрока и выйти.</translation>
    </message>
    <message>
        <source>With --report: print one CSV row per game.</source>
        <translation>Вместе с --report: выводить одну строку CSV на игру.</translation>
    </message>
    <message>
        <source>The language of the launcher, the game and the quiz: %1 or %2.</source>
        <translation>Язык окна запуска, игры и викторины: %1 или %2.</translation>
    </message>
    <message>
        <source>unexpected word '%1'.</source>
        <translation>неожиданное слово «%1».</translation>
    </message>
    <message>
        <source>unknown topic '%1'; use both, lcm, gcf or fractions.</source>
        <translation>неизвестная тема «%1»; используйте both, lcm, gcf или fractions.</translation>
    </message>
    <message>
        <source>the shared folder must be given as a full path.</source>
        <translation>общую папку нужно указать полным путём.</translation>
    </message>
    <message>
        <source>unknown question level '%1'; use gentle, standard, challenging or a step from 0 to %2.</source>
        <translation>неизвестный уровень вопросов «%1»; используйте gentle, standard, challenging или ступень от 0 до %2.</translation>
    </message>
    <message>
        <source>--csv goes with --report.</source>
        <translation>--csv используется вместе с --report.</translation>
    </message>
    <message>
        <source>--report prints the report and starts nothing; leave out --play and --set-up.</source>
        <translation>--report выводит отчёт и ничего не запускает; уберите --play и --set-up.</translation>
    </message>
    <message>
        <source>--set-up lays out the classroom folder and starts no game; leave out --play.</source>
        <translation>--set-up готовит папку класса и не запускает игру; уберите --play.</translation>
    </message>
    <message>
        <source>--play needs the player's name: --name NAME.</source>
        <translation>для --play нужно имя игрока: --name ИМЯ.</translation>
    </message>
    <message>
        <source>Zorbik on the maze</source>
        <translation>Зорбик в лабиринте</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Твоё имя:</translation>
    </message>
    <message>
        <source>Questions about</source>
        <translation>Вопросы на тему</translation>
    </message>
    <message>
        <source>Both LCM and GCF</source>
        <translation>НОК и НОД</translation>
    </message>
    <message>
        <source>Least common multiple (LCM)</source>
        <translation>Наименьшее общее кратное (НОК)</translation>
    </message>
    <message>
        <source>Greatest common factor (GCF)</source>
        <translation>Наибольший общий делитель (НОД)</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Дроби</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Со звуком</translation>
    </message>
    <message>
        <source>Hidden maze (explore it in the dark, twice the time for the bonus)</source>
        <translation>Тёмный лабиринт (время на бонус — вдвое больше)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Type your name to play.</source>
        <translation>Напиши своё имя, чтобы играть.</translation>
    </message>
    <message>
        <source>In the high-score table: %1</source>
        <translation>В таблице рекордов: %1</translation>
    </message>
    <message>
        <source>In the high-score table: %1 (the rest does not fit)</source>
        <translation>В таблице рекордов: %1 (остальное не помещается)</translation>
    </message>
    <message>
        <source>No questions were asked in this game.
</source>
        <translation>В этой игре вопросов не было.
</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>НОК</translation>
    </message>
    <message>
        <source>GCF</source>
        <translation>НОД</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right</source>
        <translation>%1: верно %2 из %3</translation>
    </message>
    <message>
        <source>Perfect - every question right!</source>
        <translation>Отлично — все ответы верные!</translation>
    </message>
    <message>
        <source>Great work - keep it up!</source>
        <translation>Молодец — так держать!</translation>
    </message>
    <message>
        <source>Good effort - every question makes you stronger.</source>
        <translation>Хорошая попытка — каждый вопрос делает тебя сильнее.</translation>
    </message>
    <message>
        <source>Keep practising - the working above shows the way, and you will get them next time!</source>
        <translation>Тренируйся дальше — решение выше подскажет путь, и в следующий раз всё получится!</translation>
    </message>
    <message numerus="yes">
        <source>%n question</source>
        <translation><numerusform>%n вопрос</numerusform><numerusform>%n вопроса</numerusform><numerusform>%n вопросов</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n questions</source>
        <translation><numerusform>%n вопрос</numerusform><numerusform>%n вопроса</numerusform><numerusform>%n вопросов</numerusform></translation>
    </message>
    <message>
        <source>Your game: %1, %2 right.</source>
        <translation>Твоя игра: %1, верно %2.</translation>
    </message>
    <message>
        <source>The game of %1: %2, %3 right.</source>
        <translation>Игра игрока %1: %2, верно %3.</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>без ответа</translation>
    </message>
    <message>
        <source>right with the hint</source>
        <translation>верно с подсказкой</translation>
    </message>
    <message>
        <source>you typed %1</source>
        <translation>твой ответ — %1</translation>
    </message>
    <message>
        <source>%1 (%2; the answer is %3)</source>
        <translation>%1 (%2; ответ: %3)</translation>
    </message>
    <message>
        <source>To look at again:</source>
        <translation>Стоит повторить:</translation>
    </message>
    <message>
        <source>No questions in the journal yet (%1).</source>
        <translation>В дневнике пока нет вопросов (%1).</translation>
    </message>
    <message>
        <source>Zorbik report (%1)</source>
        <translation>Отчёт Зорбика (%1)</translation>
    </message>
    <message>
        <source>The last games:</source>
        <translation>Последние игры:</translation>
    </message>
    <message>
        <source>%1 of %2 right  (%3)</source>
        <translation>верно %1 из %2  (%3)</translation>
    </message>
    <message numerus="yes">
        <source>All %n game: %1 of %2 right</source>
        <translation><numerusform>Всего %n игра: верно %1 из %2</numerusform><numerusform>Всего %n игры: верно %1 из %2</numerusform><numerusform>Всего %n игр: верно %1 из %2</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>All %n games: %1 of %2 right</source>
        <translation><numerusform>Всего %n игра: верно %1 из %2</numerusform><numerusform>Всего %n игры: верно %1 из %2</numerusform><numerusform>Всего %n игр: верно %1 из %2</numerusform></translation>
    </message>
    <message>
        <source>How the game went</source>
        <translation>Как прошла игра</translation>
    </message>
    <message>
        <source>The computer's language</source>
        <translation>Язык компьютера</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message numerus="yes">
        <source>%n line of the journal could not be read and is left out.</source>
        <translation><numerusform>Не удалось прочитать %n строку дневника, она пропущена.</numerusform><numerusform>Не удалось прочитать %n строки дневника, они пропущены.</numerusform><numerusform>Не удалось прочитать %n строк дневника, они пропущены.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the journal could not be read and are left out.</source>
        <translation><numerusform>Не удалось прочитать %n строку дневника, она пропущена.</numerusform><numerusform>Не удалось прочитать %n строки дневника, они пропущены.</numerusform><numerusform>Не удалось прочитать %n строк дневника, они пропущены.</numerusform></translation>
    </message>
    <message>
        <source>--class-report and --class-window show the class and start nothing; give one of them, and --csv only with --class-report.</source>
        <translation>--class-report и --class-window показывают класс и ничего не запускают; укажите только одну из них, а --csv — только с --class-report.</translation>
    </message>
    <message>
        <source>--class-report and --class-window need the class folder: DIR.</source>
        <translation>Для --class-report и --class-window нужна папка класса: DIR.</translation>
    </message>
    <message>
        <source>Print the class of the classroom folder DIR (its pupils' games, right answers and mistakes) and exit; for its teachers. With --csv: one CSV row per pupil.</source>
        <translation>Вывести класс из папки DIR (игры, верные ответы и ошибки учеников) и выйти; для учителей класса. С --csv: одна строка CSV на ученика.</translation>
    </message>
    <message>
        <source>Show the class of the classroom folder DIR in a window, with charts.</source>
        <translation>Показать класс из папки DIR в окне с графиками.</translation>
    </message>
    <message>
        <source>The class...</source>
        <translation>Класс…</translation>
    </message>
    <message>
        <source>Show the class's games</source>
        <translation>Показать игры класса</translation>
    </message>
    <message>
        <source>Your game&apos;s line could not be saved in the class&apos;s high-score table: it stayed busy with another game for too long. Please tell your teacher.</source>
        <translation>Строку твоей игры не удалось сохранить в таблице рекордов класса: она слишком долго была занята другой игрой. Пожалуйста, скажи об этом учителю.</translation>
    </message>
    <message>
        <source>With --set-up: the group of the teachers who may read the class record.</source>
        <translation>С --set-up: группа учителей, которым можно читать журнал класса.</translation>
    </message>
    <message>
        <source>--teacher GROUP goes with --set-up.</source>
        <translation>--teacher ГРУППА используется вместе с --set-up.</translation>
    </message>
    <message>
        <source>Seeing and reading</source>
        <translation>Зрение и чтение</translation>
    </message>
    <message>
        <source>Map for colour-blind eyes</source>
        <translation>Карта для дальтоников</translation>
    </message>
    <message>
        <source>The map uses colours that stay apart for colour-blind eyes, with a shape on every kind of cell.</source>
        <translation>На карте цвета, которые различают и дальтоники, и на каждом виде клеток свой значок.</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Высокий контраст</translation>
    </message>
    <message>
        <source>Darker, clearer texts beside the maze.</source>
        <translation>Более тёмные и чёткие надписи рядом с лабиринтом.</translation>
    </message>
    <message>
        <source>Larger text and buttons</source>
        <translation>Крупный текст и кнопки</translation>
    </message>
    <message>
        <source>Texts and buttons beside the maze half as large again.</source>
        <translation>Надписи и кнопки рядом с лабиринтом в полтора раза крупнее.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>You multiplied %1 and %2: that is a common multiple, but not the least one, because %1 and %2 share the factor %3.</source>
        <translation>Это произведение %1 и %2 — общее кратное, но не наименьшее, потому что у %1 и %2 есть общий делитель %3.</translation>
    </message>
    <message>
        <source>%1 is a common multiple of %2 and %3, but not the least one.</source>
        <translation>%1 — общее кратное чисел %2 и %3, но не наименьшее.</translation>
    </message>
    <message>
        <source>%1 is their greatest common factor; the LCM is the smallest number that both go into.</source>
        <translation>%1 — их наибольший общий делитель; а НОК — это наименьшее число, которое делится на оба.</translation>
    </message>
    <message>
        <source>%1 goes into both %2 and %3, but it is not the greatest common factor: look for a bigger one.</source>
        <translation>%2 и %3 делятся на %1, но это не наибольший общий делитель: поищи больше.</translation>
    </message>
    <message>
        <source>%1 is their least common multiple; the GCF is the biggest number that goes into both.</source>
        <translation>%1 — их наименьшее общее кратное; а НОД — это наибольшее число, на которое делятся оба.</translation>
    </message>
    <message>
        <source>You added the bottom numbers too: when they are the same, add only the top numbers and keep the bottom number.</source>
        <translation>Знаменатели тоже сложены, а так нельзя: если они одинаковые, складывай только числители, а знаменатель оставь.</translation>
    </message>
    <message>
        <source>You added the bottom numbers too: make them the same, then add only the top numbers and keep the common bottom number.</source>
        <translation>Знаменатели тоже сложены, а так нельзя: приведи их к общему, потом сложи только числители, а общий знаменатель оставь.</translation>
    </message>
    <message>
        <source>You added the top numbers and the bottom numbers: first make the bottom numbers the same, then add only the top numbers.</source>
        <translation>Здесь сложены и числители, и знаменатели: сначала приведи дроби к общему знаменателю, потом сложи только числители.</translation>
    </message>
    <message>
        <source>You multiplied the fractions; here they are added.</source>
        <translation>Это произведение дробей, а здесь их нужно сложить.</translation>
    </message>
    <message>
        <source>2, 3, 5, 7, 11 and 13</source>
        <translation>2, 3, 5, 7, 11 и 13</translation>
    </message>
    <message>
        <source>2, 3, 5 and 7</source>
        <translation>2, 3, 5 и 7</translation>
    </message>
    <message>
        <source>What is the least common multiple (LCM) of %1 and %2?</source>
        <translation>Чему равно наименьшее общее кратное (НОК) чисел %1 и %2?</translation>
    </message>
    <message>
        <source>Type a whole number.</source>
        <translation>Введи целое число.</translation>
    </message>
    <message>
        <source>Count in steps of %1: %1, %2, %3, ... Stop at the first number that %4 goes into exactly: that is the LCM.</source>
        <translation>Считай через %1: %1, %2, %3, ... Остановись на первом числе, которое делится на %4: это и есть НОК.</translation>
    </message>
    <message>
        <source>%1 = %2 = %3 is the first multiple of %4 that %5 goes into.</source>
        <translation>%1 = %2 = %3 — первое кратное числа %4, которое делится на %5.</translation>
    </message>
    <message>
        <source>What is the greatest common factor (GCF) of %1 and %2?</source>
        <translation>Чему равен наибольший общий делитель (НОД) чисел %1 и %2?</translation>
    </message>
    <message>
        <source>Find a number that goes into both %1 and %2 (try %3), divide both by it, and do the same with what is left. The GCF is all the numbers you divided by, multiplied together.</source>
        <translation>Найди число, на которое делятся и %1, и %2 (попробуй %3), раздели оба числа на него и сделай то же с тем, что осталось. НОД — это произведение всех чисел, на которые пришлось делить.</translation>
    </message>
    <message>
        <source>%1 goes into %2 (%2 = %3), so the GCF is %4 itself.</source>
        <translation>%2 делится на %1 (%2 = %3), значит, НОД — это само число %4.</translation>
    </message>
    <message>
        <source>%1 = %2 and %3 = %4, and %5 and %6 have no common factor but 1.</source>
        <translation>%1 = %2 и %3 = %4, а у %5 и %6 нет общих делителей, кроме 1.</translation>
    </message>
    <message>
        <source>Write %1 in lowest terms.</source>
        <translation>Сократи дробь %1 до конца.</translation>
    </message>
    <message>
        <source>Type a fraction like 3/4 that cannot be made simpler.</source>
        <translation>Введи дробь вроде 3/4, которую уже нельзя сократить.</translation>
    </message>
    <message>
        <source>Find the biggest number that divides both %1 and %2, and divide both by it.</source>
        <translation>Найди наибольшее число, на которое делятся и %1, и %2, и раздели оба числа на него.</translation>
    </message>
    <message>
        <source>Divide the top and the bottom by %1: %2 = %3.</source>
        <translation>Раздели числитель и знаменатель на %1: %2 = %3.</translation>
    </message>
    <message>
        <source>Type a fraction like 3/4, a mixed number like 1 1/4, or a whole number. It need not be in lowest terms.</source>
        <translation>Введи дробь вроде 3/4, смешанное число вроде 1 1/4 или целое число. Сокращать не обязательно.</translation>
    </message>
    <message>
        <source>The bottom numbers are the same: add the top numbers and keep the bottom number.</source>
        <translation>Знаменатели одинаковые: сложи числители, а знаменатель оставь.</translation>
    </message>
    <message>
        <source>Make the bottom numbers the same first: use %1 as the common bottom number, then add the top numbers.</source>
        <translation>Сначала приведи дроби к общему знаменателю %1, потом сложи числители.</translation>
    </message>
    <message>
        <source>Same bottom number: %1.</source>
        <translation>Знаменатели одинаковые: %1.</translation>
    </message>
    <message>
        <source>Common bottom number %1: %2.</source>
        <translation>Общий знаменатель %1: %2.</translation>
    </message>
    <message>
        <source>No answer here is below zero: type it without the minus sign.</source>
        <translation>Здесь нет отрицательных ответов: введи ответ без знака минус.</translation>
    </message>
    <message>
        <source>Type a whole number, without a decimal point.</source>
        <translation>Введи целое число, без запятой.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction: %2.</source>
        <translation>Запиши %1 дробью: %2.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction: %2 or %3.</source>
        <translation>Запиши %1 дробью: %2 или %3.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction, like %2.</source>
        <translation>Запиши %1 дробью, например %2.</translation>
    </message>
    <message>
        <source>Type a whole number, without a fraction.</source>
        <translation>Введи целое число, без дроби.</translation>
    </message>
    <message>
        <source>Please type your answer as shown above. %1</source>
        <translation>Пожалуйста, введи ответ так, как показано выше. %1</translation>
    </message>
    <message numerus="yes">
        <source>A right answer wins %n points. A wrong answer or the hint costs %1 percent of your health and up to %2 points.</source>
        <translation><numerusform>Верный ответ приносит %n очко. Неверный ответ или подсказка стоит %1 процентов жизни и до %2 очков.</numerusform><numerusform>Верный ответ приносит %n очка. Неверный ответ или подсказка стоит %1 процентов жизни и до %2 очков.</numerusform><numerusform>Верный ответ приносит %n очков. Неверный ответ или подсказка стоит %1 процентов жизни и до %2 очков.</numerusform></translation>
    </message>
    <message>
        <source>Enter checks your answer. Escape closes the quiz without an answer, which costs the same as a wrong one.</source>
        <translation>Enter проверяет ответ. Esc закрывает викторину без ответа — это стоит столько же, сколько неверный ответ.</translation>
    </message>
    <message>
        <source>With the hint, your answer will not count: no points, and the maze takes %1 percent of your health and up to %2 points. Press "Show the hint" if you still want it.</source>
        <translation>С подсказкой ответ не засчитается: очков не будет, а лабиринт отнимет %1 процентов жизни и до %2 очков. Нажми «Показать подсказку», если она всё равно нужна.</translation>
    </message>
    <message>
        <source>Your answer is right, but it could not be passed to the game, so the game will count it as not answered. Sorry!</source>
        <translation>Твой ответ верный, но его не удалось передать игре, поэтому игра засчитает его как пропущенный. Извини!</translation>
    </message>
    <message numerus="yes">
        <source>Right! Well done. That is %n points.</source>
        <translation><numerusform>Верно! Молодец. Это %n очко.</numerusform><numerusform>Верно! Молодец. Это %n очка.</numerusform><numerusform>Верно! Молодец. Это %n очков.</numerusform></translation>
    </message>
    <message>
        <source>Right, but with the hint it counts as not answered: no points, and the maze takes %1 percent of your health and up to %2 points.</source>
        <translation>Верно, но с подсказкой ответ не засчитывается: очков нет, а лабиринт отнимет %1 процентов жизни и до %2 очков.</translation>
    </message>
    <message>
        <source>%1 is equal to %2, but it is not in lowest terms: %3 and %4 can both still be divided by %5. The answer is %6. So close - well tried!</source>
        <translation>%1 равно %2, но дробь не сокращена до конца: %3 и %4 ещё делятся на %5. Ответ: %6. Почти получилось — хорошая попытка!</translation>
    </message>
    <message>
        <source>Not quite. The answer is %1. Good try - you will get the next one!</source>
        <translation>Не совсем. Ответ: %1. Хорошая попытка — следующий у тебя получится!</translation>
    </message>
    <message>
        <source>Not quite. The answer is %1. %2 Good try - you will get the next one!</source>
        <translation>Не совсем. Ответ: %1. %2 Хорошая попытка — следующий у тебя получится!</translation>
    </message>
    <message>
        <source>The quiz does not know the topic "%1", so the question comes from any of LCM, GCF and fractions.</source>
        <translation>Викторина не знает тему «%1», поэтому вопрос будет про НОК, НОД или дроби.</translation>
    </message>
    <message>
        <source>Least common multiple</source>
        <translation>Наименьшее общее кратное</translation>
    </message>
    <message>
        <source>Greatest common factor</source>
        <translation>Наибольший общий делитель</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Дроби</translation>
    </message>
    <message>
        <source>Zorbik asks: %1</source>
        <translation>Зорбик спрашивает: %1</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>твой ответ</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>Про&amp;верить</translation>
    </message>
    <message>
        <source>Show the &amp;hint</source>
        <translation>Показать &amp;подсказку</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Подсказка: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Enter closes the quiz.</source>
        <translation>Enter закрывает викторину.</translation>
    </message>
    <message>
        <source>.</source>
        <comment>decimal sign</comment>
        <translation>,</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Твой ответ</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>     The main goal of the game is to cross a maze from the start up to the finish and 
to earn the greatest score.</source>
        <translation>     Цель игры — пройти лабиринт от входа до выхода и набрать как можно больше очков.</translation>
    </message>
    <message>
        <source>     There are several types of treasures located in the maze that are increasing the 
score.</source>
        <translation>     В лабиринте лежат сокровища нескольких видов, которые приносят очки.</translation>
    </message>
    <message>
        <source>     There are useful items which are not increasing the score, but which can be 
useful to you. There are first-aid kits located in the maze (it is usually located 
behind the doors). If you take the first-aid kit the your health will increase by 10 
percent. There are torches located in the maze (it is usually located behind the 
doors). The torches are useful in the game with hidden maze because it increase 
the size of viewable area.</source>
        <translation>     Есть и полезные предметы, которые не дают очков, но могут тебе помочь. В лабиринте лежат аптечки (обычно за дверями). Если взять аптечку, жизнь увеличится на 10 процентов. Ещё в лабиринте есть факелы (тоже обычно за дверями). Факелы нужны в скрытом лабиринте: с ними ты видишь больше вокруг себя.</translation>
    </message>
    <message>
        <source>     The movement of the Zorbik can be made by the arrows on the keyboard, or by 
pressing corresponding buttons of moving in a window, or by clicking by a mouse 
button in a game field.</source>
        <translation>     Зорбиком можно управлять стрелками на клавиатуре, кнопками со стрелками в окне или щелчком мыши по игровому полю.</translation>
    </message>
    <message>
        <source>     There are doors that prevent to move in a maze. To open a door it is necessary 
to answer to a mathematical question. If the answer is correct the score is also 
increasing. If the correct answer was received with the hint(s), the score does not 
increase and the door does not open. The health in this case decreases by %1 
percent and the score decreases by %2 points. After you have passed through the 
open door the door closes automatically.</source>
        <translation>     Двери преграждают путь в лабиринте. Чтобы открыть дверь, нужно ответить на вопрос по математике. За верный ответ ты тоже получаешь очки. Если верный ответ найден с подсказкой, очков не будет и дверь не откроется. Тогда жизнь уменьшится на %1 процентов, а очки — на %2. Когда ты пройдёшь через открытую дверь, она сама закроется.</translation>
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
        <translation>     По лабиринту бродят враги, которые хотят тебя съесть. Когда ты встречаешь врага или враг находит тебя, тоже задаётся вопрос по математике. За верный ответ ты получаешь очки, а враг исчезает. Если напал Зорбик, он встаёт на место врага; если напал враг, Зорбик остаётся там, где был. Если верный ответ найден с подсказкой, очков не будет и враг не исчезнет. Тогда жизнь уменьшится на %1 процентов, а очки — на %2.</translation>
    </message>
    <message>
        <source>     When you complete the level the bonus for time spent at the level add to your 
score. The time has counting only for your movement in the maze. When you solve 
the mathematical example the time stops and the maze disappears from the screen.</source>
        <translation>     Когда ты проходишь уровень, к очкам добавляется бонус за время. Время идёт только пока ты ходишь по лабиринту. Пока ты решаешь пример, время стоит, а лабиринт исчезает с экрана. В таблице рекордов Пр — это собранные предметы, Вр — побеждённые враги, Дв — открытые двери, а У — достигнутый уровень.</translation>
    </message>
</context>
<context>
    <name>Access</name>
    <message>
        <source>Maze</source>
        <translation>Лабиринт</translation>
    </message>
    <message>
        <source>The rules of the game</source>
        <translation>Правила игры</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Таблица рекордов</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Treasures</source>
        <translation>Сокровища</translation>
    </message>
    <message>
        <source>Enemies beaten</source>
        <translation>Побеждённые враги</translation>
    </message>
    <message>
        <source>Doors opened</source>
        <translation>Открытые двери</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>%1 (this game)</source>
        <translation>%1 (эта игра)</translation>
    </message>
    <message>
        <source>Treasures: %1</source>
        <translation>Сокровища: %1</translation>
    </message>
    <message>
        <source>Enemies beaten: %1</source>
        <translation>Побеждённые враги: %1</translation>
    </message>
    <message>
        <source>Doors opened: %1</source>
        <translation>Открытые двери: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Очки: %1</translation>
    </message>
    <message>
        <source>Time on this level: %1</source>
        <translation>Время на этом уровне: %1</translation>
    </message>
    <message>
        <source>Move up-left</source>
        <translation>Шаг вверх и влево</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Шаг вверх</translation>
    </message>
    <message>
        <source>Move up-right</source>
        <translation>Шаг вверх и вправо</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Шаг влево</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Шаг вправо</translation>
    </message>
    <message>
        <source>Move down-left</source>
        <translation>Шаг вниз и влево</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Шаг вниз</translation>
    </message>
    <message>
        <source>Move down-right</source>
        <translation>Шаг вниз и вправо</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Zorbik</source>
        <translation>Зорбик</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Здоровье</translation>
    </message>
    <message>
        <source>Zorbik's keys</source>
        <translation>Клавиши Зорбика</translation>
    </message>
    <message>
        <source>Shows the rules of the game.</source>
        <translation>Показывает правила игры.</translation>
    </message>
    <message>
        <source>Finishes this game.</source>
        <translation>Завершает эту игру.</translation>
    </message>
    <message>
        <source>The arrow keys move Zorbik, Ctrl shows the map, Space says where he is.</source>
        <translation>Стрелки двигают Зорбика, Ctrl показывает карту, пробел говорит, где он.</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>Zorbik picks up something.</source>
        <translation>Зорбик что-то подбирает.</translation>
    </message>
    <message>
        <source>Zorbik picks up gold.</source>
        <translation>Зорбик подбирает золото.</translation>
    </message>
    <message>
        <source>Zorbik picks up money.</source>
        <translation>Зорбик подбирает деньги.</translation>
    </message>
    <message>
        <source>Zorbik picks up a diamond.</source>
        <translation>Зорбик подбирает алмаз.</translation>
    </message>
    <message>
        <source>Zorbik picks up a torch: he sees further now.</source>
        <translation>Зорбик подбирает факел: теперь он видит дальше.</translation>
    </message>
    <message>
        <source>Zorbik picks up a first-aid kit.</source>
        <translation>Зорбик подбирает аптечку.</translation>
    </message>
    <message>
        <source>%1 Treasures: %2.</source>
        <translation>%1 Сокровища: %2.</translation>
    </message>
    <message>
        <source>The door is open. Doors opened: %1.</source>
        <translation>Дверь открыта. Открытые двери: %1.</translation>
    </message>
    <message>
        <source>The enemy is beaten. Enemies beaten: %1.</source>
        <translation>Враг побеждён. Побеждённые враги: %1.</translation>
    </message>
    <message>
        <source>Level %1 begins: a maze of %2 by %2 cells.</source>
        <translation>Начинается уровень %1: лабиринт %2 на %2 клеток.</translation>
    </message>
    <message>
        <source>Time on this level: %1 min.</source>
        <translation>Время на этом уровне: %1 мин.</translation>
    </message>
</context>
<context>
    <name>Maze</name>
    <message>
        <source>to the north</source>
        <translation>на севере</translation>
    </message>
    <message>
        <source>to the north-east</source>
        <translation>на северо-востоке</translation>
    </message>
    <message>
        <source>to the east</source>
        <translation>на востоке</translation>
    </message>
    <message>
        <source>to the south-east</source>
        <translation>на юго-востоке</translation>
    </message>
    <message>
        <source>to the south</source>
        <translation>на юге</translation>
    </message>
    <message>
        <source>to the south-west</source>
        <translation>на юго-западе</translation>
    </message>
    <message>
        <source>to the west</source>
        <translation>на западе</translation>
    </message>
    <message>
        <source>to the north-west</source>
        <translation>на северо-западе</translation>
    </message>
    <message>
        <source>the edge of the maze</source>
        <translation>край лабиринта</translation>
    </message>
    <message>
        <source>unexplored darkness</source>
        <translation>неизведанная темнота</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>золото</translation>
    </message>
    <message>
        <source>money</source>
        <translation>деньги</translation>
    </message>
    <message>
        <source>a diamond</source>
        <translation>алмаз</translation>
    </message>
    <message>
        <source>a torch</source>
        <translation>факел</translation>
    </message>
    <message>
        <source>a first-aid kit</source>
        <translation>аптечка</translation>
    </message>
    <message>
        <source>a hare</source>
        <translation>заяц</translation>
    </message>
    <message>
        <source>a wolf</source>
        <translation>волк</translation>
    </message>
    <message>
        <source>a fox</source>
        <translation>лиса</translation>
    </message>
    <message>
        <source>a bear</source>
        <translation>медведь</translation>
    </message>
    <message>
        <source>a wall</source>
        <translation>стена</translation>
    </message>
    <message>
        <source>the entrance</source>
        <translation>вход</translation>
    </message>
    <message>
        <source>the exit</source>
        <translation>выход</translation>
    </message>
    <message>
        <source>a locked door</source>
        <translation>запертая дверь</translation>
    </message>
    <message>
        <source>road</source>
        <translation>дорога</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>%1, then %2 %3 steps %4</source>
        <translation>%1, а дальше %2 через %3 шага %4</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2.</source>
        <translation>Зорбик в столбце %1, ряду %2.</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2, on the entrance.</source>
        <translation>Зорбик в столбце %1, ряду %2, у входа.</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2, on an open door.</source>
        <translation>Зорбик в столбце %1, ряду %2, в открытой двери.</translation>
    </message>
    <message>
        <source>%1 Around him: %2.</source>
        <translation>%1 Вокруг него: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
</TS>