<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ClassReport</name>
    <message>
        <source>Week beginning</source>
        <translation>Semaine du</translation>
    </message>
    <message>
        <source>Right of those asked</source>
        <translation>Justes (sur les questions posées)</translation>
    </message>
    <message>
        <source>%1 may be read only by the class's teachers (root, and the teacher group chosen at set-up: sudo zorbik --shared-folder %2 --set-up --teacher GROUP).</source>
        <translation>Seuls les enseignants de la classe peuvent lire %1 (root et le groupe des enseignants choisi à la préparation : sudo zorbik --shared-folder %2 --set-up --teacher GROUP).</translation>
    </message>
    <message>
        <source>%1 has no class record: the folder was not set up by this version of Zorbik. Set it up with: sudo zorbik --shared-folder %1 --set-up --teacher GROUP</source>
        <translation>%1 n’a pas de registre de la classe : le dossier n’a pas été préparé avec cette version de Zorbik. Préparez-le avec : sudo zorbik --shared-folder %1 --set-up --teacher GROUP</translation>
    </message>
    <message>
        <source>The class folder %1 cannot be opened: %2.</source>
        <translation>Impossible d’ouvrir le dossier de la classe %1 : %2.</translation>
    </message>
    <message>
        <source>%1 is not a plain file (a link, a FIFO or a folder); it is not read.</source>
        <translation>%1 n’est pas un simple fichier (un lien, un FIFO ou un dossier) ; il n’est pas lu.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, more than a class writes in a school year; it is not read.</source>
        <translation>%1 dépasse %2 Mio, plus qu’une classe n’en écrit en une année scolaire ; il n’est pas lu.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n pupil</source>
        <translation><numerusform>%n élève</numerusform><numerusform>%n élèves</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n pupils</source>
        <translation><numerusform>%n élève</numerusform><numerusform>%n élèves</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n game</source>
        <translation><numerusform>%n partie</numerusform><numerusform>%n parties</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation><numerusform>%n partie</numerusform><numerusform>%n parties</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n line of the record could not be read (cut off, or of a later version).</source>
        <translation><numerusform>%n ligne du registre n’a pas pu être lue (coupée, ou d’une version plus récente).</numerusform><numerusform>%n lignes du registre n’ont pas pu être lues (coupées, ou d’une version plus récente).</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the record could not be read (cut off, or of a later version).</source>
        <translation><numerusform>%n ligne du registre n’a pas pu être lue (coupée, ou d’une version plus récente).</numerusform><numerusform>%n lignes du registre n’ont pas pu être lues (coupées, ou d’une version plus récente).</numerusform></translation>
    </message>
    <message>
        <source>the product for the LCM</source>
        <translation>le produit au lieu du PPCM</translation>
    </message>
    <message>
        <source>a common multiple, not the least</source>
        <translation>un multiple commun, mais pas le plus petit</translation>
    </message>
    <message>
        <source>the GCF for the LCM</source>
        <translation>le PGCD au lieu du PPCM</translation>
    </message>
    <message>
        <source>a common factor, not the greatest</source>
        <translation>un diviseur commun, mais pas le plus grand</translation>
    </message>
    <message>
        <source>the LCM for the GCF</source>
        <translation>le PPCM au lieu du PGCD</translation>
    </message>
    <message>
        <source>the bottom numbers added</source>
        <translation>les dénominateurs additionnés</translation>
    </message>
    <message>
        <source>top and bottom numbers added</source>
        <translation>numérateurs et dénominateurs additionnés</translation>
    </message>
    <message>
        <source>the fractions multiplied</source>
        <translation>les fractions multipliées</translation>
    </message>
    <message>
        <source>not in lowest terms</source>
        <translation>pas sous forme irréductible</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>PPCM</translation>
    </message>
    <message>
        <source>GCF</source>
        <translation>PGCD</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Fractions</translation>
    </message>
    <message>
        <source>The class in %1: %2, %3.</source>
        <translation>La classe dans %1 : %2, %3.</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Aucune partie n’a encore été enregistrée.</translation>
    </message>
    <message>
        <source>Per topic: right answers of those asked in the last 4 weeks (since %1) | in the weeks before.</source>
        <translation>Par thème : réponses justes sur les questions posées ces 4 dernières semaines (depuis le %1) | les semaines d’avant.</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Dernière partie</translation>
    </message>
    <message>
        <source>Most frequent mistakes</source>
        <translation>Erreurs les plus fréquentes</translation>
    </message>
    <message>
        <source>%1
last 4 weeks</source>
        <translation>%1
4 dernières semaines</translation>
    </message>
    <message>
        <source>%1
before</source>
        <translation>%1
avant</translation>
    </message>
    <message>
        <source>The class - Zorbik on the maze</source>
        <translation>La classe – Zorbik dans le labyrinthe</translation>
    </message>
    <message>
        <source>The pupils of the class</source>
        <translation>Les élèves de la classe</translation>
    </message>
    <message>
        <source>Pupil in the right chart:</source>
        <translation>Élève du graphique de droite :</translation>
    </message>
    <message>
        <source>Pupil shown in the right chart</source>
        <translation>Élève montré dans le graphique de droite</translation>
    </message>
    <message>
        <source>The class: right answers per week</source>
        <translation>La classe : réponses justes par semaine</translation>
    </message>
    <message>
        <source>Chart of the class</source>
        <translation>Graphique de la classe</translation>
    </message>
    <message>
        <source>Chart of the chosen pupil</source>
        <translation>Graphique de l’élève choisi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the class window</source>
        <translation>Fermer la fenêtre de la classe</translation>
    </message>
    <message>
        <source>%1: right answers per week</source>
        <translation>%1 : réponses justes par semaine</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>The classroom folder %1 does not exist. Make it first and give it the class's group (see zorbik(6)).</source>
        <translation>Le dossier de la classe %1 n’existe pas. Crée-le d’abord et donne-lui le groupe de la classe (voir zorbik(6)).</translation>
    </message>
    <message>
        <source>The classroom folder %1 cannot be used: %2.</source>
        <translation>Le dossier de la classe %1 ne peut pas être utilisé : %2.</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not a folder.</source>
        <translation>Le dossier de la classe %1 n’est pas un dossier.</translation>
    </message>
    <message>
        <source>%1 belongs to %2, who is neither root nor the owner of %3</source>
        <translation>%1 appartient à %2, qui n’est ni root ni le propriétaire de %3</translation>
    </message>
    <message>
        <source>%1 may be changed by other users</source>
        <translation>%1 peut être modifié par d’autres utilisateurs</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not safe for a class: %2.</source>
        <translation>Le dossier de la classe %1 n’est pas sûr pour une classe : %2.</translation>
    </message>
    <message>
        <source>it changed while it was read</source>
        <translation>il a changé pendant sa lecture</translation>
    </message>
    <message>
        <source>its group is %1, not a class's group</source>
        <translation>son groupe est %1 et non celui d’une classe</translation>
    </message>
    <message>
        <source>its group %1 is the owner's own, not a class's group</source>
        <translation>son groupe %1 est celui du propriétaire et non celui d’une classe</translation>
    </message>
    <message>
        <source>its owner %1 is not in its group %2</source>
        <translation>son propriétaire %1 ne fait pas partie de son groupe %2</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Impossible de supprimer %1 : %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot open the folder %1: %2</source>
        <translation>Impossible d’ouvrir le dossier %1 : %2</translation>
    </message>
    <message>
        <source>%1 belongs to %2; set the folder up with sudo.</source>
        <translation>%1 appartient à %2 ; prépare le dossier avec sudo.</translation>
    </message>
    <message>
        <source>Cannot set the permissions of %1: %2</source>
        <translation>Impossible de régler les droits de %1 : %2</translation>
    </message>
    <message>
        <source>Cannot remove %1 (%2's): %3</source>
        <translation>Impossible de supprimer %1 (à %2) : %3</translation>
    </message>
    <message>
        <source>Cannot read the installed %1: %2</source>
        <translation>Impossible de lire %1 installé : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est absent</translation>
    </message>
    <message>
        <source>%1 belongs to %2</source>
        <translation>%1 appartient à %2</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message>
        <source>Only the owner of %1 (%2) or root can set it up.</source>
        <translation>Seul le propriétaire de %1 (%2) ou root peut le préparer.</translation>
    </message>
    <message>
        <source>The classroom folder %1 cannot be shared by a class: %2. Give it the class's group:
    sudo chgrp CLASS %1
    sudo chmod 2750 %1</source>
        <translation>Le dossier de la classe %1 ne peut pas être partagé par une classe : %2. Donne-lui le groupe de la classe :
    sudo chgrp CLASSE %1
    sudo chmod 2750 %1</translation>
    </message>
    <message>
        <source>Cannot read the installed game in %1: %2</source>
        <translation>Impossible de lire le jeu installé dans %1 : %2</translation>
    </message>
    <message>
        <source>The classroom folder %1 was laid out, but %2.</source>
        <translation>Le dossier de la classe %1 a été préparé, mais %2.</translation>
    </message>
    <message>
        <source>The classroom folder %1 is not set up yet. %2</source>
        <translation>Le dossier de la classe %1 n’est pas encore préparé. %2</translation>
    </message>
    <message>
        <source>The game in the classroom folder %1 is not safe to start: %2. %3</source>
        <translation>Le jeu du dossier de la classe %1 ne peut pas être lancé sans risque : %2. %3</translation>
    </message>
    <message>
        <source>The classroom folder %1 holds another version of Zorbik than the one installed here, so the teacher needs to set it up again. %2</source>
        <translation>Le dossier de la classe %1 contient une autre version de Zorbik que celle installée ici : l’enseignant doit le préparer à nouveau. %2</translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a folder.</source>
        <translation>Impossible d’utiliser %1 : ce n’est pas un dossier.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 belongs to another user; remove it and try again.</source>
        <translation>%1 appartient à un autre utilisateur ; supprime-le et réessaie.</translation>
    </message>
    <message>
        <source>%1 may be changed by other users; remove it and try again.</source>
        <translation>%1 peut être modifié par d’autres utilisateurs ; supprime-le et réessaie.</translation>
    </message>
    <message>
        <source>No folder to play in: your home folder is unknown, or other users may change it.</source>
        <translation>Aucun dossier pour jouer : ton dossier personnel est inconnu, ou d’autres utilisateurs peuvent le modifier.</translation>
    </message>
    <message>
        <source>%1 is not a file but a link or a special file, so its lines cannot be kept. Move the class&apos;s file back to its place, or remove what stands there to start it empty, then set up again.</source>
        <translation>%1 n’est pas un fichier mais un lien ou un fichier spécial : ses lignes ne peuvent donc pas être conservées. Remettez le fichier de la classe à sa place, ou supprimez ce qui s’y trouve pour repartir de zéro, puis relancez la préparation.</translation>
    </message>
    <message>
        <source>%1 cannot be read whole, so it is left as it is: %2</source>
        <translation>%1 ne peut pas être lu en entier ; il reste donc tel quel : %2</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>il est trop grand</translation>
    </message>
    <message>
        <source>The class writer %1 is not installed for a class: it must be root&apos;s and set-group-ID to a group of its own (the package does this; see zorbik(6)).</source>
        <translation>Le programme d’écriture de la classe %1 n’est pas installé pour une classe : il doit appartenir à root et être set-group-ID vers un groupe qui lui est propre (le paquet s’en charge ; voir zorbik(6)).</translation>
    </message>
    <message>
        <source>%1 was not laid out for the class writer installed here</source>
        <translation>%1 n’a pas été préparé pour le programme d’écriture de la classe installé ici</translation>
    </message>
    <message>
        <source>The teacher sets it up with:
    sudo zorbik --shared-folder %1 --set-up</source>
        <translation>L’enseignant le prépare avec :
    sudo zorbik --shared-folder %1 --set-up</translation>
    </message>
    <message>
        <source>Only root can give the class&apos;s files to the class writer&apos;s group %1. Set the folder up with:
    sudo zorbik --shared-folder %2 --set-up</source>
        <translation>Seul root peut donner les fichiers de la classe au groupe %1 du programme d’écriture. Préparez le dossier avec :
    sudo zorbik --shared-folder %2 --set-up</translation>
    </message>
    <message>
        <source>There is no group %1 for the teachers.</source>
        <translation>Il n’existe pas de groupe %1 pour les enseignants.</translation>
    </message>
    <message>
        <source>%2 is not a pupil of the class of %1, so your score would be lost. Ask the teacher to add you to the group %3 (then log in again).</source>
        <translation>%2 ne fait pas partie de la classe de %1 : ton score serait perdu. Demande à ton enseignant de t’ajouter au groupe %3 (puis reconnecte-toi).</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>The Rules</source>
        <translation>Les règles du jeu</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Zorbik on the maze</source>
        <translation>Zorbik dans le labyrinthe</translation>
    </message>
    <message>
        <source>Press 'Ctrl' to view the map of explored maze.</source>
        <translation>Appuie sur « Ctrl » pour voir la carte du labyrinthe exploré.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DU JEU</translation>
    </message>
    <message>
        <source>Are You sure You want to exit?</source>
        <translation>Veux-tu vraiment quitter le jeu ?</translation>
    </message>
    <message>
        <source>Confirm exit</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <source>Game1: the high-score table %1 held lines that could not be read; they are kept in %1.bak and the table was started anew with this game's line.</source>
        <translation>Game1 : le tableau des scores %1 contenait des lignes illisibles ; elles sont gardées dans %1.bak et le tableau recommence avec la ligne de cette partie.</translation>
    </message>
    <message>
        <source>Game1: this game's line could not be saved in the high-score table %1.</source>
        <translation>Game1 : la ligne de cette partie n’a pas pu être enregistrée dans le tableau des scores %1.</translation>
    </message>
    <message>
        <source>             HIGH SCORES LIST              </source>
        <extracomment>43 characters, centred</extracomment>
        <translation>             MEILLEURS SCORES              </translation>
    </message>
    <message>
        <source>-- Name --------------Pr--En--Dr-L---Score-</source>
        <extracomment>43 characters; each column name stays where the English one is</extracomment>
        <translation>-- Nom ---------------Ob--En--Po-N---Score-</translation>
    </message>
    <message>
        <source>Time on %1 level:</source>
        <translation>Temps niveau %1 :</translation>
    </message>
    <message>
        <source>Congratulations! Level is complete! Time bonus is %1</source>
        <translation>Bravo ! Le niveau est terminé ! Bonus de temps : %1</translation>
    </message>
    <message>
        <source>The door is locked. To open this door You have to answer to a simple question. Ask the question?</source>
        <translation>La porte est fermée à clé. Pour l’ouvrir, tu dois répondre à une question simple. Poser la question ?</translation>
    </message>
    <message>
        <source>Do you want to be eaten?</source>
        <translation>Veux-tu te faire manger ?</translation>
    </message>
    <message>
        <source>Now You will be moved to the start of this level.</source>
        <translation>Tu retournes maintenant au départ de ce niveau.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>%1 m %2 s</source>
        <comment>minutes and seconds on the level clock</comment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Finish this game</source>
        <translation>Terminer cette partie</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>FIN</translation>
    </message>
    <message>
        <source>Time on 1 level</source>
        <translation>Temps niveau 1</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>This program is a part of the TALLIWAY software. It can not run by itself.</source>
        <translation>Ce programme fait partie du logiciel TALLIWAY. Il ne peut pas fonctionner seul.</translation>
    </message>
    <message>
        <source>Program termination</source>
        <translation>Fin du programme</translation>
    </message>
    <message>
        <source>Press 'Ctrl' to continue the game.</source>
        <translation>Appuie sur « Ctrl » pour continuer la partie.</translation>
    </message>
    <message>
        <source>Game1: this game is in the high-score table %1, but the class record could not take it.</source>
        <translation>Game1 : cette partie est dans le tableau des meilleurs scores %1, mais le registre de la classe n’a pas pu l’enregistrer.</translation>
    </message>
    <message>
        <source>Game1: this game&apos;s line was not saved: the class&apos;s high-score table %1 stayed busy with another game.</source>
        <translation>Game1 : la ligne de cette partie n’a pas été enregistrée : le tableau des meilleurs scores de la classe %1 est resté occupé par une autre partie.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Default player</source>
        <translation>Joueur par défaut</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>The game cannot be started: %1 cannot be used (%2).</source>
        <translation>Le jeu ne peut pas démarrer : %1 est inutilisable (%2).</translation>
    </message>
    <message>
        <source>Zorbik is already running for you (in %1). Finish that game first, then start the next one.</source>
        <translation>Zorbik tourne déjà pour toi (dans %1). Termine d’abord cette partie, puis lance la suivante.</translation>
    </message>
    <message>
        <source>The player's name could not be saved in %1, so the game does not start (it would credit the previous player).</source>
        <translation>Le nom du joueur n’a pas pu être enregistré dans %1, donc le jeu ne démarre pas (les points iraient au joueur précédent).</translation>
    </message>
    <message>
        <source>The game %1 could not be started: %2</source>
        <translation>Le jeu %1 n’a pas pu démarrer : %2</translation>
    </message>
    <message>
        <source>The high-score table held lines that could not be read. They are kept in %1 beside it, and a new table was started with your game's line.</source>
        <translation>Le tableau des scores contenait des lignes illisibles. Elles sont gardées à côté, dans %1, et un nouveau tableau a commencé avec la ligne de ta partie.</translation>
    </message>
    <message>
        <source>Your game's line could not be saved in the high-score table, so it is not in the list. Please tell your teacher.</source>
        <translation>La ligne de ta partie n’a pas pu être enregistrée dans le tableau des scores, elle n’est donc pas dans la liste. Préviens ton enseignant, s’il te plaît.</translation>
    </message>
    <message>
        <source>No classroom folder is named: give --shared-folder DIR, or sharedFolder in /etc/xdg/zorbik/zorbik.conf.</source>
        <translation>Aucun dossier de classe n’est indiqué : donne --shared-folder DOSSIER, ou sharedFolder dans /etc/xdg/zorbik/zorbik.conf.</translation>
    </message>
    <message>
        <source>the classroom folder %1 is set up.</source>
        <translation>le dossier de la classe %1 est prêt.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; your choices are not remembered.</source>
        <translation>%1 n’est pas un fichier ordinaire ; tes choix ne sont pas retenus.</translation>
    </message>
    <message>
        <source>Try 'zorbik --help' for the options.</source>
        <translation>Essaie « zorbik --help » pour voir les options.</translation>
    </message>
    <message>
        <source>Zorbik on the maze: a maze game with arithmetic questions.
Without options the launcher opens its window.</source>
        <translation>Zorbik dans le labyrinthe : un jeu de labyrinthe avec des questions de calcul.
Sans option, le lanceur ouvre sa fenêtre.</translation>
    </message>
    <message>
        <source>Start the game at once, without the window (needs --name).</source>
        <translation>Lancer le jeu tout de suite, sans la fenêtre (demande --name).</translation>
    </message>
    <message>
        <source>The player's name.</source>
        <translation>Le nom du joueur.</translation>
    </message>
    <message>
        <source>The questions: both (LCM and GCF), lcm, gcf or fractions.</source>
        <translation>Les questions : both (PPCM et PGCD), lcm (PPCM), gcf (PGCD) ou fractions.</translation>
    </message>
    <message>
        <source>Play without sound.</source>
        <translation>Jouer sans le son.</translation>
    </message>
    <message>
        <source>Keep the maze dark until explored.</source>
        <translation>Garder le labyrinthe dans le noir jusqu’à ce qu’il soit exploré.</translation>
    </message>
    <message>
        <source>Play in the classroom's shared playing folder DIR.</source>
        <translation>Jouer dans le dossier partagé DIR de la classe.</translation>
    </message>
    <message>
        <source>Lay out the classroom's shared folder (--shared-folder DIR or the system-wide setting) for its pupils and exit; for the folder's owner or root.</source>
        <translation>Préparer le dossier partagé de la classe (--shared-folder DIR ou le réglage du système) pour ses élèves, puis quitter ; pour le propriétaire du dossier ou root.</translation>
    </message>
    <message>
        <source>The hardest questions: gentle, standard, challenging or a step from 0 to %1 (a teacher's ceiling still holds).</source>
        <translation>Les questions les plus difficiles : gentle (faciles), standard, challenging (difficiles) ou un palier de 0 à %1 (la limite de l’enseignant reste valable).</translation>
    </message>
    <message>
        <source>Print the player's questions of the last games and exit.</source>
        <translation>Afficher les questions des dernières parties du joueur, puis quitter.</translation>
    </message>
    <message>
        <source>With --report: print one CSV row per game.</source>
        <translation>Avec --report : afficher une ligne CSV par partie.</translation>
    </message>
    <message>
        <source>The language of the launcher, the game and the quiz: %1 or %2.</source>
        <translation>La langue du lanceur, du jeu et du quiz : %1 ou %2.</translation>
    </message>
    <message>
        <source>unexpected word '%1'.</source>
        <translation>mot inattendu « %1 ».</translation>
    </message>
    <message>
        <source>unknown topic '%1'; use both, lcm, gcf or fractions.</source>
        <translation>thème inconnu « %1 » ; utilise both, lcm, gcf ou fractions.</translation>
    </message>
    <message>
        <source>the shared folder must be given as a full path.</source>
        <translation>le dossier partagé doit être donné avec son chemin complet.</translation>
    </message>
    <message>
        <source>unknown question level '%1'; use gentle, standard, challenging or a step from 0 to %2.</source>
        <translation>niveau de questions inconnu « %1 » ; utilise gentle, standard, challenging ou un palier de 0 à %2.</translation>
    </message>
    <message>
        <source>--csv goes with --report.</source>
        <translation>--csv s’utilise avec --report.</translation>
    </message>
    <message>
        <source>--report prints the report and starts nothing; leave out --play and --set-up.</source>
        <translation>--report affiche le bilan et ne lance rien ; retire --play et --set-up.</translation>
    </message>
    <message>
        <source>--set-up lays out the classroom folder and starts no game; leave out --play.</source>
        <translation>--set-up prépare le dossier de la classe et ne lance aucune partie ; retire --play.</translation>
    </message>
    <message>
        <source>--play needs the player's name: --name NAME.</source>
        <translation>--play a besoin du nom du joueur : --name NOM.</translation>
    </message>
    <message>
        <source>Zorbik on the maze</source>
        <translation>Zorbik dans le labyrinthe</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ton prénom :</translation>
    </message>
    <message>
        <source>Questions about</source>
        <translation>Questions sur</translation>
    </message>
    <message>
        <source>Both LCM and GCF</source>
        <translation>PPCM et PGCD</translation>
    </message>
    <message>
        <source>Least common multiple (LCM)</source>
        <translation>Plus petit commun multiple (PPCM)</translation>
    </message>
    <message>
        <source>Greatest common factor (GCF)</source>
        <translation>Plus grand commun diviseur (PGCD)</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Fractions</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Hidden maze (explore it in the dark, twice the time for the bonus)</source>
        <translation>Labyrinthe caché (dans le noir, temps du bonus doublé)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Type your name to play.</source>
        <translation>Écris ton prénom pour jouer.</translation>
    </message>
    <message>
        <source>In the high-score table: %1</source>
        <translation>Dans le tableau des scores : %1</translation>
    </message>
    <message>
        <source>In the high-score table: %1 (the rest does not fit)</source>
        <translation>Dans le tableau des scores : %1 (la suite ne tient pas)</translation>
    </message>
    <message>
        <source>No questions were asked in this game.
</source>
        <translation>Aucune question n’a été posée pendant cette partie.
</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>PPCM</translation>
    </message>
    <message>
        <source>GCF</source>
        <translation>PGCD</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right</source>
        <translation>%1 : %2 sur %3 justes</translation>
    </message>
    <message>
        <source>Perfect - every question right!</source>
        <translation>Parfait – toutes les réponses sont justes !</translation>
    </message>
    <message>
        <source>Great work - keep it up!</source>
        <translation>Super travail – continue comme ça !</translation>
    </message>
    <message>
        <source>Good effort - every question makes you stronger.</source>
        <translation>Beaux efforts – chaque question te fait progresser.</translation>
    </message>
    <message>
        <source>Keep practising - the working above shows the way, and you will get them next time!</source>
        <translation>Continue à t’entraîner – les calculs ci-dessus montrent le chemin, et tu réussiras la prochaine fois !</translation>
    </message>
    <message numerus="yes">
        <source>%n question</source>
        <translation><numerusform>%n question</numerusform><numerusform>%n questions</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n questions</source>
        <translation><numerusform>%n question</numerusform><numerusform>%n questions</numerusform></translation>
    </message>
    <message>
        <source>Your game: %1, %2 right.</source>
        <translation>Ta partie : %1, %2 justes.</translation>
    </message>
    <message>
        <source>The game of %1: %2, %3 right.</source>
        <translation>La partie de %1 : %2, %3 justes.</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>sans réponse</translation>
    </message>
    <message>
        <source>right with the hint</source>
        <translation>juste avec l’indice</translation>
    </message>
    <message>
        <source>you typed %1</source>
        <translation>tu as écrit %1</translation>
    </message>
    <message>
        <source>%1 (%2; the answer is %3)</source>
        <translation>%1 (%2 ; la réponse est %3)</translation>
    </message>
    <message>
        <source>To look at again:</source>
        <translation>À revoir :</translation>
    </message>
    <message>
        <source>No questions in the journal yet (%1).</source>
        <translation>Encore aucune question dans le journal (%1).</translation>
    </message>
    <message>
        <source>Zorbik report (%1)</source>
        <translation>Bilan de Zorbik (%1)</translation>
    </message>
    <message>
        <source>The last games:</source>
        <translation>Les dernières parties :</translation>
    </message>
    <message>
        <source>%1 of %2 right  (%3)</source>
        <translation>%1 sur %2 justes  (%3)</translation>
    </message>
    <message numerus="yes">
        <source>All %n game: %1 of %2 right</source>
        <translation><numerusform>%n partie en tout : %1 sur %2 justes</numerusform><numerusform>%n parties en tout : %1 sur %2 justes</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>All %n games: %1 of %2 right</source>
        <translation><numerusform>%n partie en tout : %1 sur %2 justes</numerusform><numerusform>%n parties en tout : %1 sur %2 justes</numerusform></translation>
    </message>
    <message>
        <source>How the game went</source>
        <translation>Comment s’est passée la partie</translation>
    </message>
    <message>
        <source>The computer's language</source>
        <translation>Langue de l’ordinateur</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message numerus="yes">
        <source>%n line of the journal could not be read and is left out.</source>
        <translation><numerusform>%n ligne du journal n’a pas pu être lue et n’est pas comptée.</numerusform><numerusform>%n lignes du journal n’ont pas pu être lues et ne sont pas comptées.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the journal could not be read and are left out.</source>
        <translation><numerusform>%n ligne du journal n’a pas pu être lue et n’est pas comptée.</numerusform><numerusform>%n lignes du journal n’ont pas pu être lues et ne sont pas comptées.</numerusform></translation>
    </message>
    <message>
        <source>--class-report and --class-window show the class and start nothing; give one of them, and --csv only with --class-report.</source>
        <translation>--class-report et --class-window montrent la classe et ne lancent rien ; donnez l’une des deux seulement, et --csv seulement avec --class-report.</translation>
    </message>
    <message>
        <source>--class-report and --class-window need the class folder: DIR.</source>
        <translation>--class-report et --class-window ont besoin du dossier de la classe : DIR.</translation>
    </message>
    <message>
        <source>Print the class of the classroom folder DIR (its pupils' games, right answers and mistakes) and exit; for its teachers. With --csv: one CSV row per pupil.</source>
        <translation>Afficher la classe du dossier DIR (parties, réponses justes et erreurs de ses élèves), puis quitter ; pour ses enseignants. Avec --csv : une ligne CSV par élève.</translation>
    </message>
    <message>
        <source>Show the class of the classroom folder DIR in a window, with charts.</source>
        <translation>Montrer la classe du dossier DIR dans une fenêtre, avec des graphiques.</translation>
    </message>
    <message>
        <source>The class...</source>
        <translation>La classe…</translation>
    </message>
    <message>
        <source>Show the class's games</source>
        <translation>Montrer les parties de la classe</translation>
    </message>
    <message>
        <source>Your game&apos;s line could not be saved in the class&apos;s high-score table: it stayed busy with another game for too long. Please tell your teacher.</source>
        <translation>La ligne de ta partie n’a pas pu être enregistrée dans le tableau des meilleurs scores de la classe : il est resté trop longtemps occupé par une autre partie. Préviens ton enseignant, s’il te plaît.</translation>
    </message>
    <message>
        <source>With --set-up: the group of the teachers who may read the class record.</source>
        <translation>Avec --set-up : le groupe des enseignants qui peuvent lire le registre de la classe.</translation>
    </message>
    <message>
        <source>--teacher GROUP goes with --set-up.</source>
        <translation>--teacher GROUPE s’utilise avec --set-up.</translation>
    </message>
    <message>
        <source>Seeing and reading</source>
        <translation>Voir et lire</translation>
    </message>
    <message>
        <source>Map for colour-blind eyes</source>
        <translation>Carte pour les yeux daltoniens</translation>
    </message>
    <message>
        <source>The map uses colours that stay apart for colour-blind eyes, with a shape on every kind of cell.</source>
        <translation>La carte utilise des couleurs que les yeux daltoniens distinguent aussi, avec une forme sur chaque sorte de case.</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Contraste élevé</translation>
    </message>
    <message>
        <source>Darker, clearer texts beside the maze.</source>
        <translation>Des textes plus foncés et plus nets à côté du labyrinthe.</translation>
    </message>
    <message>
        <source>Larger text and buttons</source>
        <translation>Texte et boutons plus grands</translation>
    </message>
    <message>
        <source>Texts and buttons beside the maze half as large again.</source>
        <translation>Textes et boutons à côté du labyrinthe une fois et demie plus grands.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>You multiplied %1 and %2: that is a common multiple, but not the least one, because %1 and %2 share the factor %3.</source>
        <translation>Tu as multiplié %1 par %2 : c’est un multiple commun, mais pas le plus petit, car %1 et %2 ont le diviseur commun %3.</translation>
    </message>
    <message>
        <source>%1 is a common multiple of %2 and %3, but not the least one.</source>
        <translation>%1 est un multiple commun de %2 et %3, mais pas le plus petit.</translation>
    </message>
    <message>
        <source>%1 is their greatest common factor; the LCM is the smallest number that both go into.</source>
        <translation>%1 est leur plus grand commun diviseur ; le PPCM est le plus petit nombre divisible par les deux.</translation>
    </message>
    <message>
        <source>%1 goes into both %2 and %3, but it is not the greatest common factor: look for a bigger one.</source>
        <translation>%1 divise %2 et %3, mais ce n’est pas le plus grand commun diviseur : cherche plus grand.</translation>
    </message>
    <message>
        <source>%1 is their least common multiple; the GCF is the biggest number that goes into both.</source>
        <translation>%1 est leur plus petit commun multiple ; le PGCD est le plus grand nombre qui divise les deux.</translation>
    </message>
    <message>
        <source>You added the bottom numbers too: when they are the same, add only the top numbers and keep the bottom number.</source>
        <translation>Tu as aussi additionné les dénominateurs : quand ils sont égaux, additionne seulement les numérateurs et garde le dénominateur.</translation>
    </message>
    <message>
        <source>You added the bottom numbers too: make them the same, then add only the top numbers and keep the common bottom number.</source>
        <translation>Tu as aussi additionné les dénominateurs : rends-les égaux, puis additionne seulement les numérateurs et garde le dénominateur commun.</translation>
    </message>
    <message>
        <source>You added the top numbers and the bottom numbers: first make the bottom numbers the same, then add only the top numbers.</source>
        <translation>Tu as additionné les numérateurs et les dénominateurs : rends d’abord les dénominateurs égaux, puis additionne seulement les numérateurs.</translation>
    </message>
    <message>
        <source>You multiplied the fractions; here they are added.</source>
        <translation>Tu as multiplié les fractions ; ici, on les additionne.</translation>
    </message>
    <message>
        <source>2, 3, 5, 7, 11 and 13</source>
        <translation>2, 3, 5, 7, 11 et 13</translation>
    </message>
    <message>
        <source>2, 3, 5 and 7</source>
        <translation>2, 3, 5 et 7</translation>
    </message>
    <message>
        <source>What is the least common multiple (LCM) of %1 and %2?</source>
        <translation>Quel est le plus petit commun multiple (PPCM) de %1 et %2 ?</translation>
    </message>
    <message>
        <source>Type a whole number.</source>
        <translation>Écris un nombre entier.</translation>
    </message>
    <message>
        <source>Count in steps of %1: %1, %2, %3, ... Stop at the first number that %4 goes into exactly: that is the LCM.</source>
        <translation>Compte de %1 en %1 : %1, %2, %3, ... Arrête-toi au premier nombre divisible par %4 : c’est le PPCM.</translation>
    </message>
    <message>
        <source>%1 = %2 = %3 is the first multiple of %4 that %5 goes into.</source>
        <translation>%1 = %2 = %3 est le premier multiple de %4 divisible par %5.</translation>
    </message>
    <message>
        <source>What is the greatest common factor (GCF) of %1 and %2?</source>
        <translation>Quel est le plus grand commun diviseur (PGCD) de %1 et %2 ?</translation>
    </message>
    <message>
        <source>Find a number that goes into both %1 and %2 (try %3), divide both by it, and do the same with what is left. The GCF is all the numbers you divided by, multiplied together.</source>
        <translation>Trouve un nombre qui divise %1 et %2 (essaie %3), divise les deux par ce nombre, puis recommence avec ce qui reste. Le PGCD est le produit de tous les nombres par lesquels tu as divisé.</translation>
    </message>
    <message>
        <source>%1 goes into %2 (%2 = %3), so the GCF is %4 itself.</source>
        <translation>%1 divise %2 (%2 = %3), donc le PGCD est %4 lui-même.</translation>
    </message>
    <message>
        <source>%1 = %2 and %3 = %4, and %5 and %6 have no common factor but 1.</source>
        <translation>%1 = %2 et %3 = %4, et %5 et %6 n’ont pas d’autre diviseur commun que 1.</translation>
    </message>
    <message>
        <source>Write %1 in lowest terms.</source>
        <translation>Simplifie %1 au maximum.</translation>
    </message>
    <message>
        <source>Type a fraction like 3/4 that cannot be made simpler.</source>
        <translation>Écris une fraction comme 3/4 qu’on ne peut plus simplifier.</translation>
    </message>
    <message>
        <source>Find the biggest number that divides both %1 and %2, and divide both by it.</source>
        <translation>Trouve le plus grand nombre qui divise %1 et %2, et divise les deux par ce nombre.</translation>
    </message>
    <message>
        <source>Divide the top and the bottom by %1: %2 = %3.</source>
        <translation>Divise le numérateur et le dénominateur par %1 : %2 = %3.</translation>
    </message>
    <message>
        <source>Type a fraction like 3/4, a mixed number like 1 1/4, or a whole number. It need not be in lowest terms.</source>
        <translation>Écris une fraction comme 3/4, un nombre mixte comme 1 1/4 ou un nombre entier. Pas besoin de simplifier.</translation>
    </message>
    <message>
        <source>The bottom numbers are the same: add the top numbers and keep the bottom number.</source>
        <translation>Les dénominateurs sont égaux : additionne les numérateurs et garde le dénominateur.</translation>
    </message>
    <message>
        <source>Make the bottom numbers the same first: use %1 as the common bottom number, then add the top numbers.</source>
        <translation>Rends d’abord les dénominateurs égaux : prends %1 comme dénominateur commun, puis additionne les numérateurs.</translation>
    </message>
    <message>
        <source>Same bottom number: %1.</source>
        <translation>Même dénominateur : %1.</translation>
    </message>
    <message>
        <source>Common bottom number %1: %2.</source>
        <translation>Dénominateur commun %1 : %2.</translation>
    </message>
    <message>
        <source>No answer here is below zero: type it without the minus sign.</source>
        <translation>Aucune réponse n’est négative ici : écris-la sans le signe moins.</translation>
    </message>
    <message>
        <source>Type a whole number, without a decimal point.</source>
        <translation>Écris un nombre entier, sans virgule.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction: %2.</source>
        <translation>Écris %1 sous forme de fraction : %2.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction: %2 or %3.</source>
        <translation>Écris %1 sous forme de fraction : %2 ou %3.</translation>
    </message>
    <message>
        <source>Write %1 as a fraction, like %2.</source>
        <translation>Écris %1 sous forme de fraction, par exemple %2.</translation>
    </message>
    <message>
        <source>Type a whole number, without a fraction.</source>
        <translation>Écris un nombre entier, sans fraction.</translation>
    </message>
    <message>
        <source>Please type your answer as shown above. %1</source>
        <translation>Écris ta réponse comme indiqué ci-dessus, s’il te plaît. %1</translation>
    </message>
    <message numerus="yes">
        <source>A right answer wins %n points. A wrong answer or the hint costs %1 percent of your health and up to %2 points.</source>
        <translation><numerusform>Une bonne réponse rapporte %n point. Une mauvaise réponse ou l’indice coûte %1 pour cent de ta santé et jusqu’à %2 points.</numerusform><numerusform>Une bonne réponse rapporte %n points. Une mauvaise réponse ou l’indice coûte %1 pour cent de ta santé et jusqu’à %2 points.</numerusform></translation>
    </message>
    <message>
        <source>Enter checks your answer. Escape closes the quiz without an answer, which costs the same as a wrong one.</source>
        <translation>Entrée vérifie ta réponse. Échap ferme le quiz sans réponse, ce qui coûte autant qu’une mauvaise réponse.</translation>
    </message>
    <message>
        <source>With the hint, your answer will not count: no points, and the maze takes %1 percent of your health and up to %2 points. Press "Show the hint" if you still want it.</source>
        <translation>Avec l’indice, ta réponse ne comptera pas : pas de points, et le labyrinthe te prend %1 pour cent de ta santé et jusqu’à %2 points. Appuie sur « Voir l’indice » si tu le veux quand même.</translation>
    </message>
    <message>
        <source>Your answer is right, but it could not be passed to the game, so the game will count it as not answered. Sorry!</source>
        <translation>Ta réponse est juste, mais elle n’a pas pu être transmise au jeu : le jeu la comptera comme sans réponse. Désolé !</translation>
    </message>
    <message numerus="yes">
        <source>Right! Well done. That is %n points.</source>
        <translation><numerusform>Juste ! Bravo. Ça fait %n point.</numerusform><numerusform>Juste ! Bravo. Ça fait %n points.</numerusform></translation>
    </message>
    <message>
        <source>Right, but with the hint it counts as not answered: no points, and the maze takes %1 percent of your health and up to %2 points.</source>
        <translation>Juste, mais avec l’indice, ta réponse compte comme si tu n’avais pas répondu : pas de points, et le labyrinthe te prend %1 pour cent de ta santé et jusqu’à %2 points.</translation>
    </message>
    <message>
        <source>%1 is equal to %2, but it is not in lowest terms: %3 and %4 can both still be divided by %5. The answer is %6. So close - well tried!</source>
        <translation>%1 est égal à %2, mais la fraction n’est pas simplifiée : %3 et %4 sont encore tous les deux divisibles par %5. La réponse est %6. Presque – bien essayé !</translation>
    </message>
    <message>
        <source>Not quite. The answer is %1. Good try - you will get the next one!</source>
        <translation>Pas tout à fait. La réponse est %1. Bien essayé – tu réussiras la prochaine !</translation>
    </message>
    <message>
        <source>Not quite. The answer is %1. %2 Good try - you will get the next one!</source>
        <translation>Pas tout à fait. La réponse est %1. %2 Bien essayé – tu réussiras la prochaine !</translation>
    </message>
    <message>
        <source>The quiz does not know the topic "%1", so the question comes from any of LCM, GCF and fractions.</source>
        <translation>Le quiz ne connaît pas le thème « %1 », la question porte donc sur le PPCM, le PGCD ou les fractions.</translation>
    </message>
    <message>
        <source>Least common multiple</source>
        <translation>Plus petit commun multiple</translation>
    </message>
    <message>
        <source>Greatest common factor</source>
        <translation>Plus grand commun diviseur</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Fractions</translation>
    </message>
    <message>
        <source>Zorbik asks: %1</source>
        <translation>Zorbik demande : %1</translation>
    </message>
    <message>
        <source>your answer</source>
        <translation>ta réponse</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Show the &amp;hint</source>
        <translation>Voir l’&amp;indice</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Indice : %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Enter closes the quiz.</source>
        <translation>Entrée ferme le quiz.</translation>
    </message>
    <message>
        <source>.</source>
        <comment>decimal sign</comment>
        <translation>,</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ta réponse</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>     The main goal of the game is to cross a maze from the start up to the finish and 
to earn the greatest score.</source>
        <translation>     Le but du jeu est de traverser le labyrinthe du départ jusqu’à l’arrivée en gagnant le plus de points possible.</translation>
    </message>
    <message>
        <source>     There are several types of treasures located in the maze that are increasing the 
score.</source>
        <translation>     Dans le labyrinthe se trouvent plusieurs sortes de trésors qui te rapportent des points.</translation>
    </message>
    <message>
        <source>     There are useful items which are not increasing the score, but which can be 
useful to you. There are first-aid kits located in the maze (it is usually located 
behind the doors). If you take the first-aid kit the your health will increase by 10 
percent. There are torches located in the maze (it is usually located behind the 
doors). The torches are useful in the game with hidden maze because it increase 
the size of viewable area.</source>
        <translation>     Il y a aussi des objets utiles qui ne rapportent pas de points mais qui peuvent t’aider. Des trousses de secours sont cachées dans le labyrinthe (le plus souvent derrière les portes). Si tu prends une trousse de secours, ta santé augmente de 10 pour cent. Des torches sont aussi cachées dans le labyrinthe (le plus souvent derrière les portes). Les torches sont utiles dans le labyrinthe caché, car elles te permettent de voir plus loin.</translation>
    </message>
    <message>
        <source>     The movement of the Zorbik can be made by the arrows on the keyboard, or by 
pressing corresponding buttons of moving in a window, or by clicking by a mouse 
button in a game field.</source>
        <translation>     Tu déplaces Zorbik avec les flèches du clavier, avec les boutons fléchés de la fenêtre ou en cliquant avec la souris sur le terrain de jeu.</translation>
    </message>
    <message>
        <source>     There are doors that prevent to move in a maze. To open a door it is necessary 
to answer to a mathematical question. If the answer is correct the score is also 
increasing. If the correct answer was received with the hint(s), the score does not 
increase and the door does not open. The health in this case decreases by %1 
percent and the score decreases by %2 points. After you have passed through the 
open door the door closes automatically.</source>
        <translation>     Des portes te bloquent le passage. Pour ouvrir une porte, tu dois répondre à une question de calcul. Si ta réponse est juste, tu gagnes aussi des points. Si tu as trouvé la bonne réponse avec l’indice, tu ne gagnes pas de points et la porte ne s’ouvre pas. Ta santé baisse alors de %1 pour cent et tu perds %2 points. Une fois franchie, la porte se referme toute seule.</translation>
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
        <translation>     Des ennemis se promènent dans le labyrinthe et veulent te manger. Quand tu rencontres un ennemi, ou quand un ennemi te rencontre, on te pose aussi une question de calcul. Si ta réponse est juste, tu gagnes des points et l’ennemi disparaît. Si c’est Zorbik qui a attaqué, il prend la place de l’ennemi ; si c’est l’ennemi qui a attaqué, Zorbik reste où il est. Si tu as trouvé la bonne réponse avec l’indice, tu ne gagnes pas de points et l’ennemi ne disparaît pas. Ta santé baisse alors de %1 pour cent et tu perds %2 points.</translation>
    </message>
    <message>
        <source>     When you complete the level the bonus for time spent at the level add to your 
score. The time has counting only for your movement in the maze. When you solve 
the mathematical example the time stops and the maze disappears from the screen.</source>
        <translation>     Quand tu termines un niveau, un bonus de temps s’ajoute à ton score. Le temps ne compte que pendant que tu te déplaces dans le labyrinthe. Pendant que tu résous un calcul, le chronomètre s’arrête et le labyrinthe disparaît de l’écran. Dans le tableau des scores, Ob compte les objets que tu as ramassés, En les ennemis vaincus et Po les portes ouvertes ; N indique le niveau atteint.</translation>
    </message>
</context>
<context>
    <name>Access</name>
    <message>
        <source>Maze</source>
        <translation>Labyrinthe</translation>
    </message>
    <message>
        <source>The rules of the game</source>
        <translation>Les règles du jeu</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Treasures</source>
        <translation>Trésors</translation>
    </message>
    <message>
        <source>Enemies beaten</source>
        <translation>Ennemis vaincus</translation>
    </message>
    <message>
        <source>Doors opened</source>
        <translation>Portes ouvertes</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>%1 (this game)</source>
        <translation>%1 (cette partie)</translation>
    </message>
    <message>
        <source>Treasures: %1</source>
        <translation>Trésors : %1</translation>
    </message>
    <message>
        <source>Enemies beaten: %1</source>
        <translation>Ennemis vaincus : %1</translation>
    </message>
    <message>
        <source>Doors opened: %1</source>
        <translation>Portes ouvertes : %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score : %1</translation>
    </message>
    <message>
        <source>Time on this level: %1</source>
        <translation>Temps sur ce niveau : %1</translation>
    </message>
    <message>
        <source>Move up-left</source>
        <translation>Aller en haut à gauche</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Aller en haut</translation>
    </message>
    <message>
        <source>Move up-right</source>
        <translation>Aller en haut à droite</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Aller à gauche</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Aller à droite</translation>
    </message>
    <message>
        <source>Move down-left</source>
        <translation>Aller en bas à gauche</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Aller en bas</translation>
    </message>
    <message>
        <source>Move down-right</source>
        <translation>Aller en bas à droite</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Zorbik</source>
        <translation>Zorbik</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Zorbik's keys</source>
        <translation>Touches de Zorbik</translation>
    </message>
    <message>
        <source>Shows the rules of the game.</source>
        <translation>Affiche les règles du jeu.</translation>
    </message>
    <message>
        <source>Finishes this game.</source>
        <translation>Termine cette partie.</translation>
    </message>
    <message>
        <source>The arrow keys move Zorbik, Ctrl shows the map, Space says where he is.</source>
        <translation>Les flèches déplacent Zorbik, Ctrl montre la carte, la barre d’espace dit où il se trouve.</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>Zorbik picks up something.</source>
        <translation>Zorbik ramasse quelque chose.</translation>
    </message>
    <message>
        <source>Zorbik picks up gold.</source>
        <translation>Zorbik ramasse de l’or.</translation>
    </message>
    <message>
        <source>Zorbik picks up money.</source>
        <translation>Zorbik ramasse de l’argent.</translation>
    </message>
    <message>
        <source>Zorbik picks up a diamond.</source>
        <translation>Zorbik ramasse un diamant.</translation>
    </message>
    <message>
        <source>Zorbik picks up a torch: he sees further now.</source>
        <translation>Zorbik ramasse une torche : maintenant, il voit plus loin.</translation>
    </message>
    <message>
        <source>Zorbik picks up a first-aid kit.</source>
        <translation>Zorbik ramasse une trousse de secours.</translation>
    </message>
    <message>
        <source>%1 Treasures: %2.</source>
        <translation>%1 Trésors : %2.</translation>
    </message>
    <message>
        <source>The door is open. Doors opened: %1.</source>
        <translation>La porte est ouverte. Portes ouvertes : %1.</translation>
    </message>
    <message>
        <source>The enemy is beaten. Enemies beaten: %1.</source>
        <translation>L’ennemi est vaincu. Ennemis vaincus : %1.</translation>
    </message>
    <message>
        <source>Level %1 begins: a maze of %2 by %2 cells.</source>
        <translation>Le niveau %1 commence : un labyrinthe de %2 cases sur %2.</translation>
    </message>
    <message>
        <source>Time on this level: %1 min.</source>
        <translation>Temps sur ce niveau : %1 min.</translation>
    </message>
</context>
<context>
    <name>Maze</name>
    <message>
        <source>to the north</source>
        <translation>au nord</translation>
    </message>
    <message>
        <source>to the north-east</source>
        <translation>au nord-est</translation>
    </message>
    <message>
        <source>to the east</source>
        <translation>à l’est</translation>
    </message>
    <message>
        <source>to the south-east</source>
        <translation>au sud-est</translation>
    </message>
    <message>
        <source>to the south</source>
        <translation>au sud</translation>
    </message>
    <message>
        <source>to the south-west</source>
        <translation>au sud-ouest</translation>
    </message>
    <message>
        <source>to the west</source>
        <translation>à l’ouest</translation>
    </message>
    <message>
        <source>to the north-west</source>
        <translation>au nord-ouest</translation>
    </message>
    <message>
        <source>the edge of the maze</source>
        <translation>le bord du labyrinthe</translation>
    </message>
    <message>
        <source>unexplored darkness</source>
        <translation>l’obscurité inexplorée</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>de l’or</translation>
    </message>
    <message>
        <source>money</source>
        <translation>de l’argent</translation>
    </message>
    <message>
        <source>a diamond</source>
        <translation>un diamant</translation>
    </message>
    <message>
        <source>a torch</source>
        <translation>une torche</translation>
    </message>
    <message>
        <source>a first-aid kit</source>
        <translation>une trousse de secours</translation>
    </message>
    <message>
        <source>a hare</source>
        <translation>un lièvre</translation>
    </message>
    <message>
        <source>a wolf</source>
        <translation>un loup</translation>
    </message>
    <message>
        <source>a fox</source>
        <translation>un renard</translation>
    </message>
    <message>
        <source>a bear</source>
        <translation>un ours</translation>
    </message>
    <message>
        <source>a wall</source>
        <translation>un mur</translation>
    </message>
    <message>
        <source>the entrance</source>
        <translation>l’entrée</translation>
    </message>
    <message>
        <source>the exit</source>
        <translation>la sortie</translation>
    </message>
    <message>
        <source>a locked door</source>
        <translation>une porte fermée à clé</translation>
    </message>
    <message>
        <source>road</source>
        <translation>le chemin</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, then %2 %3 steps %4</source>
        <translation>%1, puis %2 à %3 pas %4</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2.</source>
        <translation>Zorbik est dans la colonne %1, ligne %2.</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2, on the entrance.</source>
        <translation>Zorbik est dans la colonne %1, ligne %2, sur l’entrée.</translation>
    </message>
    <message>
        <source>Zorbik is in column %1, row %2, on an open door.</source>
        <translation>Zorbik est dans la colonne %1, ligne %2, sur une porte ouverte.</translation>
    </message>
    <message>
        <source>%1 Around him: %2.</source>
        <translation>%1 Autour de lui : %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
</context>
</TS>