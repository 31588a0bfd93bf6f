<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AudioDevice</name>
    <message>
        <source>No sound: the audio device cannot be opened (%1). The game goes on silent.</source>
        <translation>Pas de son&#xa0;: le périphérique audio ne peut pas être ouvert (%1). Le jeu continue en silence.</translation>
    </message>
</context>
<context>
    <name>Art</name>
    <message>
        <source>A brick wall puzzle game</source>
        <translation>Un casse-tête de murs de briques</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
</context>
<context>
    <name>ClGameInterface</name>
    <message>
        <source>Settings and solved puzzles are not saved: there is no home folder for them.</source>
        <translation>Les réglages et les casse-têtes résolus ne sont pas enregistrés&#xa0;: il n&apos;existe aucun dossier personnel pour les accueillir.</translation>
    </message>
    <message>
        <source>Settings and solved puzzles are not saved: the folder &quot;%1&quot; cannot be used (%2).</source>
        <translation>Les réglages et les casse-têtes résolus ne sont pas enregistrés&#xa0;: le dossier «&#xa0;%1&#xa0;» ne peut pas être utilisé (%2).</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Le fichier de réglages «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is left as it is and settings are not saved: %2.</source>
        <translation>Le fichier de réglages «&#xa0;%1&#xa0;» est laissé tel quel et les réglages ne sont pas enregistrés&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The settings cannot be saved to &quot;%1&quot; now: %2. It is kept and saved as soon as it can be.</source>
        <translation>Les réglages ne peuvent pas être enregistrés pour l&apos;instant dans le fichier «&#xa0;%1&#xa0;»&#xa0;: %2. Ils sont conservés et seront enregistrés dès que possible.</translation>
    </message>
    <message>
        <source>wallwright: The settings could not be saved to %1: another running game holds its folder&apos;s lock, or the folder refuses the write.</source>
        <translation>wallwright: Les réglages n&apos;ont pas pu être enregistrés dans %1&#xa0;: une autre partie ouverte détient le verrou de son dossier, ou le dossier refuse l&apos;écriture.</translation>
    </message>
    <message>
        <source>The record of solved puzzles &quot;%1&quot; cannot be read (%2); it is kept as &quot;%3&quot; and a new record begins.</source>
        <translation>Le fichier des casse-têtes résolus «&#xa0;%1&#xa0;» ne peut pas être lu (%2)&#xa0;; il est conservé sous le nom «&#xa0;%3&#xa0;» et une nouvelle liste commence.</translation>
    </message>
    <message>
        <source>The record of solved puzzles &quot;%1&quot; cannot be read (%2) nor set aside; solved puzzles are not remembered this time.</source>
        <translation>Le fichier des casse-têtes résolus «&#xa0;%1&#xa0;» ne peut être ni lu (%2) ni mis de côté&#xa0;; les casse-têtes résolus ne seront pas retenus pendant cette session.</translation>
    </message>
    <message numerus="yes">
        <source>The record of solved puzzles is full (%n puzzles): newly solved puzzles are not added to it.</source>
        <translation>
            <numerusform>La liste des casse-têtes résolus est pleine (%n casse-tête)&#xa0;: les nouveaux casse-têtes résolus n&apos;y sont plus ajoutés.</numerusform>
            <numerusform>La liste des casse-têtes résolus est pleine (%n casse-têtes)&#xa0;: les nouveaux casse-têtes résolus n&apos;y sont plus ajoutés.</numerusform>
        </translation>
    </message>
    <message>
        <source>The record of solved puzzles cannot be saved to &quot;%1&quot; now: %2. It is kept and saved as soon as it can be.</source>
        <translation>La liste des casse-têtes résolus ne peut pas être enregistrée pour l&apos;instant dans le fichier «&#xa0;%1&#xa0;»&#xa0;: %2. Elle est conservée et sera enregistrée dès que possible.</translation>
    </message>
    <message>
        <source>wallwright: The record of solved puzzles could not be saved to %1: another running game holds its folder&apos;s lock, or the folder refuses the write.</source>
        <translation>wallwright: La liste des casse-têtes résolus n&apos;a pas pu être enregistrée dans %1&#xa0;: une autre partie ouverte détient le verrou de son dossier, ou le dossier refuse l&apos;écriture.</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than the game decodes (%3 million at most)</source>
        <translation>il annonce %1 x %2 pixels, plus que le jeu n&apos;en décode (%3 millions au maximum)</translation>
    </message>
    <message>
        <source>it is no picture that can be decoded</source>
        <translation>ce n&apos;est pas une image que le jeu sait décoder</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>it is missing</source>
        <translation>il est introuvable</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un fichier</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>un tube nommé (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>un lien</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>no file</source>
        <translation>un élément inconnu</translation>
    </message>
    <message>
        <source>it is %1, not a file</source>
        <translation>c&apos;est %1 et non un fichier</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>il dépasse %1 octets</translation>
    </message>
    <message>
        <source>it is a link to a missing file</source>
        <translation>c&apos;est un lien vers un fichier introuvable</translation>
    </message>
    <message>
        <source>its link changed while it was read</source>
        <translation>son lien a changé pendant la lecture</translation>
    </message>
    <message>
        <source>it is a link that leads round in circles</source>
        <translation>c&apos;est un lien qui tourne en rond</translation>
    </message>
    <message>
        <source>no free temporary name beside it</source>
        <translation>aucun nom temporaire n&apos;est libre dans son dossier</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <source>no free name to set it aside under</source>
        <translation>aucun nom n&apos;est libre pour le mettre de côté</translation>
    </message>
    <message>
        <source>it is %1, not a folder</source>
        <translation>c&apos;est %1 et non un dossier</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>a file stands where a folder above it should be</source>
        <translation>un fichier occupe la place de l&apos;un de ses dossiers parents</translation>
    </message>
    <message>
        <source>its lock file &quot;%1&quot; is %2, not a file</source>
        <translation>son fichier de verrou «&#xa0;%1&#xa0;» est %2 et non un fichier</translation>
    </message>
    <message>
        <source>another running game is writing there</source>
        <translation>une autre partie ouverte est en train d&apos;y écrire</translation>
    </message>
    <message>
        <source>no file can be made beside it (%1)</source>
        <translation>aucun fichier ne peut être créé dans son dossier (%1)</translation>
    </message>
    <message>
        <source>has a count out of range in the header</source>
        <translation>contient un nombre hors limites dans l&apos;en-tête</translation>
    </message>
    <message>
        <source>ends inside %1 %2</source>
        <translation>s&apos;arrête au milieu de %1 %2</translation>
    </message>
    <message>
        <source>has a count out of range in %1 %2</source>
        <translation>contient un nombre hors limites dans %1 %2</translation>
    </message>
    <message>
        <source>ends inside the header</source>
        <translation>s&apos;arrête au milieu de l&apos;en-tête</translation>
    </message>
    <message>
        <source>shape record</source>
        <translation>l&apos;enregistrement de forme</translation>
    </message>
    <message>
        <source>puzzle record</source>
        <translation>l&apos;enregistrement de casse-tête</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>ne peut pas être ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>it has too many notes to play</source>
        <translation>il contient trop de notes à jouer</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>il est tronqué</translation>
    </message>
    <message>
        <source>it has no tracks</source>
        <translation>il ne contient aucune piste</translation>
    </message>
    <message>
        <source>it starts %1 notes at once, more than can be played in real time</source>
        <translation>il lance %1 notes à la fois, plus qu&apos;on ne peut en jouer en temps réel</translation>
    </message>
    <message>
        <source>no puzzle turned up</source>
        <translation>la recherche n&apos;a abouti à aucun casse-tête</translation>
    </message>
    <message>
        <source>the puzzle made cannot be solved</source>
        <translation>le casse-tête créé n&apos;a pas de solution</translation>
    </message>
    <message>
        <source>it is no record of solved puzzles</source>
        <translation>ce n&apos;est pas une liste de casse-têtes résolus</translation>
    </message>
    <message>
        <source>it was written in another layout</source>
        <translation>il a été écrit dans un autre format</translation>
    </message>
    <message>
        <source>it is cut short or damaged</source>
        <translation>il est tronqué ou endommagé</translation>
    </message>
    <message>
        <source>the code names no generator or group of this build</source>
        <translation>le code ne désigne aucun générateur ni aucun groupe de cette version du jeu</translation>
    </message>
    <message>
        <source>it is a system folder</source>
        <translation>c&apos;est un dossier système</translation>
    </message>
    <message>
        <source>a brick of its solution lies off the field&apos;s brick places</source>
        <translation>une brique de sa solution tombe hors des places de briques de l&apos;aire de jeu</translation>
    </message>
    <message>
        <source>two bricks of its solution lie on one place</source>
        <translation>deux briques de sa solution occupent la même place</translation>
    </message>
</context>
<context>
    <name>Groups</name>
    <message>
        <source>Solid Wall (One Set)</source>
        <translation>Mur plein (une série)</translation>
    </message>
    <message>
        <source>Wall with Hole (One Set)</source>
        <translation>Mur troué (une série)</translation>
    </message>
    <message>
        <source>Solid Wall (Two Sets)</source>
        <translation>Mur plein (deux séries)</translation>
    </message>
    <message>
        <source>Wall with Hole (Two Sets)</source>
        <translation>Mur troué (deux séries)</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>Ctrl+</source>
        <translation>Ctrl+</translation>
    </message>
    <message>
        <source>Alt+</source>
        <translation>Alt+</translation>
    </message>
    <message>
        <source>Shift+</source>
        <translation>Maj+</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>It is neither a MIDI nor a WAVE file.</source>
        <translation>Ce n&apos;est ni un fichier MIDI ni un fichier WAVE.</translation>
    </message>
    <message>
        <source>MIDI needs the SoundFont %1 (package timgm6mb-soundfont).</source>
        <translation>Il faut la SoundFont %1 pour jouer du MIDI (paquet timgm6mb-soundfont).</translation>
    </message>
    <message>
        <source>The file is too large for a MIDI tune.</source>
        <translation>Le fichier est trop gros pour un air MIDI.</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>Aucun fichier n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>The file ended as soon as it started.</source>
        <translation>La lecture du fichier s&apos;est arrêtée aussitôt commencée.</translation>
    </message>
    <message>
        <source>The file keeps ending long before its end.</source>
        <translation>La lecture du fichier s&apos;arrête sans cesse bien avant la fin.</translation>
    </message>
</context>
<context>
    <name>SolvedMark</name>
    <message numerus="yes">
        <source>Best: %1, %n moves</source>
        <translation>
            <numerusform>Record&#xa0;: %1, %n coup</numerusform>
            <numerusform>Record&#xa0;: %1, %n coups</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormAboutBox</name>
    <message>
        <source>About Wallwright</source>
        <translation>À propos de Wallwright</translation>
    </message>
    <message>
        <source>Wallwright 1.0  -  a brick wall puzzle</source>
        <translation>Wallwright 1.0  -  un casse-tête de briques</translation>
    </message>
    <message>
        <source>Email: %1</source>
        <translation>E-mail&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TFormChoose</name>
    <message>
        <source>Choose Puzzle</source>
        <translation>Choisir un casse-tête</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <comment>solved of all</comment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Code of a puzzle</source>
        <translation>Code d&apos;un casse-tête</translation>
    </message>
    <message>
        <source>A code has nine letters and digits.</source>
        <translation>Un code se compose de neuf lettres et chiffres.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in no code.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;apparaît dans aucun code.</translation>
    </message>
    <message>
        <source>A character of this code is mistyped.</source>
        <translation>Un caractère de ce code est mal tapé.</translation>
    </message>
    <message>
        <source>This code was made by another version of the game.</source>
        <translation>Ce code a été créé par une autre version du jeu.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Wallwright</source>
        <translation>Wallwright</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Prev Game</source>
        <translation>Casse-tête précédent</translation>
    </message>
    <message>
        <source>Next Game</source>
        <translation>Casse-tête suivant</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Choisir un groupe…</translation>
    </message>
    <message>
        <source>Select Game Pattern</source>
        <translation>Choisir un groupe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options…</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Choose Puzzle...</source>
        <translation>Choisir un casse-tête…</translation>
    </message>
    <message>
        <source>Choose Puzzle</source>
        <translation>Choisir un casse-tête</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>New Puzzle...</source>
        <translation>Nouveau casse-tête…</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nouveau casse-tête</translation>
    </message>
    <message>
        <source>Copy Code</source>
        <translation>Copier le code</translation>
    </message>
    <message>
        <source>leave this puzzle</source>
        <translation>quitter ce casse-tête</translation>
    </message>
    <message>
        <source>choose another group</source>
        <translation>choisir un autre groupe</translation>
    </message>
    <message>
        <source>start this puzzle afresh</source>
        <translation>recommencer ce casse-tête</translation>
    </message>
    <message>
        <source>choose another puzzle</source>
        <translation>choisir un autre casse-tête</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>. %1 right after brings back the puzzle as you left it</source>
        <translation>. %1 juste après ramène le casse-tête tel que vous l&apos;avez laissé</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation>Le fichier d&apos;image «&#xa0;%1&#xa0;» ne peut pas être affiché&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The puzzle file &quot;%1&quot; holds no puzzles.</source>
        <translation>Le fichier de casse-têtes «&#xa0;%1&#xa0;» ne contient aucun casse-tête.</translation>
    </message>
    <message>
        <source>The puzzle file &quot;%1&quot; %2.</source>
        <translation>Le fichier de casse-têtes «&#xa0;%1&#xa0;» %2.</translation>
    </message>
    <message>
        <source>The puzzle file &quot;%1&quot; has cells of %2 x %3 pixels, which cannot be drawn, so its puzzles cannot be played.</source>
        <translation>Le fichier de casse-têtes «&#xa0;%1&#xa0;» a des cases de %2 x %3 pixels, impossibles à dessiner&#xa0;: ses casse-têtes ne peuvent donc pas être joués.</translation>
    </message>
    <message>
        <source>No hint can be found for this puzzle.</source>
        <translation>Aucun indice n&apos;a pu être trouvé pour ce casse-tête.</translation>
    </message>
    <message>
        <source>The puzzle %1 cannot be made: %2.</source>
        <translation>Le casse-tête %1 ne peut pas être créé&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>TFormMusic</name>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is left out: %2.</source>
        <translation>Le fichier de musique «&#xa0;%1&#xa0;» est ignoré&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>TFormNewPuzzle</name>
    <message>
        <source>New Puzzle</source>
        <translation>Nouveau casse-tête</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
</context>
<context>
    <name>TFormOption</name>
    <message>
        <source>Options Dialog</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Select Brick</source>
        <translation>Choix des briques</translation>
    </message>
    <message>
        <source>Music On</source>
        <translation>Musique activée</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Sons activés</translation>
    </message>
</context>
<context>
    <name>TFormSelection</name>
    <message>
        <source>Select Games</source>
        <translation>Choix du groupe</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <comment>solved of all</comment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Choose Puzzle (%1)</source>
        <translation>Choisir un casse-tête (%1)</translation>
    </message>
</context>
<context>
    <name>TFrameGameBoard</name>
    <message>
        <source>Puzzle %1</source>
        <translation>Casse-tête %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Niveau&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Solved in %1 with %n moves.</source>
        <translation>
            <numerusform>Résolu en %1 et %n coup.</numerusform>
            <numerusform>Résolu en %1 et %n coups.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <comment>the solve, then the best</comment>
        <translation>%1 %2.</translation>
    </message>
</context>
<context>
    <name>TGameView</name>
    <message>
        <source>The size of the window cannot be saved to &quot;%1&quot; now: %2. It is kept and saved as soon as it can be.</source>
        <translation>La taille de la fenêtre ne peut pas être enregistrée pour l&apos;instant dans le fichier «&#xa0;%1&#xa0;»&#xa0;: %2. Elle est conservée et sera enregistrée dès que possible.</translation>
    </message>
    <message>
        <source>wallwright: The size of the window could not be saved to %1: another running game holds its folder&apos;s lock, or the folder refuses the write.</source>
        <translation>wallwright: La taille de la fenêtre n&apos;a pas pu être enregistrée dans %1&#xa0;: une autre partie ouverte détient le verrou de son dossier, ou le dossier refuse l&apos;écriture.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Wallwright Help</source>
        <translation>Aide de Wallwright</translation>
    </message>
</context>
<context>
    <name>TProblemReport</name>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>… et %n autre.</numerusform>
            <numerusform>… et %n autres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPuzzleTiles</name>
    <message>
        <source>Today</source>
        <translation>Du jour</translation>
    </message>
</context>
<context>
    <name>TSafeKeys</name>
    <message>
        <source>Press %1 again to %2.</source>
        <translation>Appuyez de nouveau sur %1 pour %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>wallwright: no display to open the game&apos;s window on (DISPLAY is &quot;%1&quot;).</source>
        <translation>wallwright: aucun écran sur lequel ouvrir la fenêtre du jeu (DISPLAY vaut «&#xa0;%1&#xa0;»).</translation>
    </message>
    <message>
        <source>wallwright: no display to open the game&apos;s window on (DISPLAY is not set).</source>
        <translation>wallwright: aucun écran sur lequel ouvrir la fenêtre du jeu (DISPLAY n&apos;est pas défini).</translation>
    </message>
    <message>
        <source>wallwright: no such option</source>
        <translation>wallwright: option inconnue</translation>
    </message>
    <message>
        <source>usage: wallwright [FILE.gam]</source>
        <translation>utilisation&#xa0;: wallwright [FILE.gam]</translation>
    </message>
    <message>
        <source>wallwright: plays one puzzle file at a time: %1</source>
        <translation>wallwright: ne joue qu&apos;un fichier de casse-têtes à la fois&#xa0;: %1</translation>
    </message>
</context>
</TS>
