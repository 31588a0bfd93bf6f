<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AudioDevice</name>
    <message>
        <source>No sound: the audio device cannot be opened (%1). The game goes on silent.</source>
        <translation>Kein Ton: Das Audiogerät lässt sich nicht öffnen (%1). Das Spiel läuft stumm weiter.</translation>
    </message>
</context>
<context>
    <name>Art</name>
    <message>
        <source>A brick wall puzzle game</source>
        <translation>Ein Rätselspiel mit Ziegelmauern</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Rätsel</translation>
    </message>
</context>
<context>
    <name>ClGameInterface</name>
    <message>
        <source>Settings and solved puzzles are not saved: there is no home folder for them.</source>
        <translation>Einstellungen und gelöste Rätsel werden nicht gespeichert: Es gibt keinen persönlichen Ordner für sie.</translation>
    </message>
    <message>
        <source>Settings and solved puzzles are not saved: the folder &quot;%1&quot; cannot be used (%2).</source>
        <translation>Einstellungen und gelöste Rätsel werden nicht gespeichert: Der Ordner „%1“ ist nicht nutzbar (%2).</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Einstellungsdatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is left as it is and settings are not saved: %2.</source>
        <translation>Die Einstellungsdatei „%1“ bleibt unangetastet, und deine Einstellungen werden nicht gespeichert: %2.</translation>
    </message>
    <message>
        <source>The settings cannot be saved to &quot;%1&quot; now: %2. It is kept and saved as soon as it can be.</source>
        <translation>Die Einstellungen können gerade nicht in der Datei „%1“ gespeichert werden: %2. Sie bleiben erhalten und werden gespeichert, sobald es geht.</translation>
    </message>
    <message>
        <source>wallwright: The settings could not be saved to %1: another running game holds its folder&apos;s lock, or the folder refuses the write.</source>
        <translation>wallwright: Die Einstellungen konnten nicht in %1 gespeichert werden: Ein anderes laufendes Spiel hält die Sperre des Ordners, oder der Ordner lässt keinen Schreibzugriff zu.</translation>
    </message>
    <message>
        <source>The record of solved puzzles &quot;%1&quot; cannot be read (%2); it is kept as &quot;%3&quot; and a new record begins.</source>
        <translation>Die Aufzeichnung der gelösten Rätsel „%1“ kann nicht gelesen werden (%2); sie wird als „%3“ aufbewahrt, und eine neue Aufzeichnung beginnt.</translation>
    </message>
    <message>
        <source>The record of solved puzzles &quot;%1&quot; cannot be read (%2) nor set aside; solved puzzles are not remembered this time.</source>
        <translation>Die Aufzeichnung der gelösten Rätsel „%1“ kann weder gelesen (%2) noch beiseitegelegt werden; diesmal merkt sich das Spiel keine gelösten Rätsel.</translation>
    </message>
    <message numerus="yes">
        <source>The record of solved puzzles is full (%n puzzles): newly solved puzzles are not added to it.</source>
        <translation>
            <numerusform>Die Aufzeichnung der gelösten Rätsel ist voll (%n Rätsel): Neu gelöste Rätsel kommen nicht mehr hinzu.</numerusform>
            <numerusform>Die Aufzeichnung der gelösten Rätsel ist voll (%n Rätsel): Neu gelöste Rätsel kommen nicht mehr hinzu.</numerusform>
        </translation>
    </message>
    <message>
        <source>The record of solved puzzles cannot be saved to &quot;%1&quot; now: %2. It is kept and saved as soon as it can be.</source>
        <translation>Die Aufzeichnung der gelösten Rätsel kann gerade nicht in der Datei „%1“ gespeichert werden: %2. Sie bleibt erhalten und wird gespeichert, sobald es geht.</translation>
    </message>
    <message>
        <source>wallwright: The record of solved puzzles could not be saved to %1: another running game holds its folder&apos;s lock, or the folder refuses the write.</source>
        <translation>wallwright: Die Aufzeichnung der gelösten Rätsel konnte nicht in %1 gespeichert werden: Ein anderes laufendes Spiel hält die Sperre des Ordners, oder der Ordner lässt keinen Schreibzugriff zu.</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than the game decodes (%3 million at most)</source>
        <translation>sie gibt %1 x %2 Pixel an, mehr als das Spiel verarbeitet (höchstens %3 Millionen)</translation>
    </message>
    <message>
        <source>it is no picture that can be decoded</source>
        <translation>sie enthält kein Bild, das sich lesen lässt</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>it is missing</source>
        <translation>sie fehlt</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>ein FIFO</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>eine Verknüpfung</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>no file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>it is %1, not a file</source>
        <translation>es ist %1, keine Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>sie ist größer als %1 Byte</translation>
    </message>
    <message>
        <source>it is a link to a missing file</source>
        <translation>es ist eine Verknüpfung auf eine fehlende Datei</translation>
    </message>
    <message>
        <source>its link changed while it was read</source>
        <translation>die Verknüpfung hat sich beim Lesen geändert</translation>
    </message>
    <message>
        <source>it is a link that leads round in circles</source>
        <translation>es ist eine Verknüpfung, die im Kreis führt</translation>
    </message>
    <message>
        <source>no free temporary name beside it</source>
        <translation>kein freier Name für eine temporäre Datei daneben</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>no free name to set it aside under</source>
        <translation>kein freier Name, unter dem sie sich beiseitelegen ließe</translation>
    </message>
    <message>
        <source>it is %1, not a folder</source>
        <translation>es ist %1, kein Ordner</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>er gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>a file stands where a folder above it should be</source>
        <translation>wo ein übergeordneter Ordner sein sollte, steht eine Datei</translation>
    </message>
    <message>
        <source>its lock file &quot;%1&quot; is %2, not a file</source>
        <translation>die Sperrdatei „%1“ ist %2, keine Datei</translation>
    </message>
    <message>
        <source>another running game is writing there</source>
        <translation>ein anderes laufendes Spiel schreibt gerade dort</translation>
    </message>
    <message>
        <source>no file can be made beside it (%1)</source>
        <translation>daneben lässt sich keine Datei anlegen (%1)</translation>
    </message>
    <message>
        <source>has a count out of range in the header</source>
        <translation>hat im Dateikopf eine Anzahl außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>ends inside %1 %2</source>
        <translation>endet mitten in %1 %2</translation>
    </message>
    <message>
        <source>has a count out of range in %1 %2</source>
        <translation>hat in %1 %2 eine Anzahl außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>ends inside the header</source>
        <translation>endet mitten im Dateikopf</translation>
    </message>
    <message>
        <source>shape record</source>
        <translation>Formdatensatz</translation>
    </message>
    <message>
        <source>puzzle record</source>
        <translation>Rätseldatensatz</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <source>it has too many notes to play</source>
        <translation>sie enthält zu viele Noten zum Abspielen</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>sie ist unvollständig</translation>
    </message>
    <message>
        <source>it has no tracks</source>
        <translation>sie hat keine Spuren</translation>
    </message>
    <message>
        <source>it starts %1 notes at once, more than can be played in real time</source>
        <translation>sie startet %1 Noten gleichzeitig, mehr als sich in Echtzeit spielen lassen</translation>
    </message>
    <message>
        <source>no puzzle turned up</source>
        <translation>es fand sich kein passendes Rätsel</translation>
    </message>
    <message>
        <source>the puzzle made cannot be solved</source>
        <translation>das erzeugte Rätsel ist nicht lösbar</translation>
    </message>
    <message>
        <source>it is no record of solved puzzles</source>
        <translation>sie ist keine Aufzeichnung gelöster Rätsel</translation>
    </message>
    <message>
        <source>it was written in another layout</source>
        <translation>sie wurde in einem anderen Format geschrieben</translation>
    </message>
    <message>
        <source>it is cut short or damaged</source>
        <translation>sie ist unvollständig oder beschädigt</translation>
    </message>
    <message>
        <source>the code names no generator or group of this build</source>
        <translation>der Code nennt keinen Generator und keine Gruppe, die diese Version kennt</translation>
    </message>
    <message>
        <source>it is a system folder</source>
        <translation>es ist ein Systemordner</translation>
    </message>
    <message>
        <source>a brick of its solution lies off the field&apos;s brick places</source>
        <translation>ein Ziegel seiner Lösung liegt außerhalb der Ziegelplätze des Spielfelds</translation>
    </message>
    <message>
        <source>two bricks of its solution lie on one place</source>
        <translation>zwei Ziegel seiner Lösung liegen auf demselben Platz</translation>
    </message>
</context>
<context>
    <name>Groups</name>
    <message>
        <source>Solid Wall (One Set)</source>
        <translation>Massive Mauer (ein Satz)</translation>
    </message>
    <message>
        <source>Wall with Hole (One Set)</source>
        <translation>Mauer mit Loch (ein Satz)</translation>
    </message>
    <message>
        <source>Solid Wall (Two Sets)</source>
        <translation>Massive Mauer (zwei Sätze)</translation>
    </message>
    <message>
        <source>Wall with Hole (Two Sets)</source>
        <translation>Mauer mit Loch (zwei Sätze)</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabetaste</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Ctrl+</source>
        <translation>Strg+</translation>
    </message>
    <message>
        <source>Alt+</source>
        <translation>Alt+</translation>
    </message>
    <message>
        <source>Shift+</source>
        <translation>Umschalt+</translation>
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
        <translation>Sie ist weder eine MIDI- noch eine WAVE-Datei.</translation>
    </message>
    <message>
        <source>MIDI needs the SoundFont %1 (package timgm6mb-soundfont).</source>
        <translation>Für MIDI wird der SoundFont %1 gebraucht (Paket timgm6mb-soundfont).</translation>
    </message>
    <message>
        <source>The file is too large for a MIDI tune.</source>
        <translation>Die Datei ist zu groß für eine MIDI-Melodie.</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>Es ist keine Datei geöffnet.</translation>
    </message>
    <message>
        <source>The file ended as soon as it started.</source>
        <translation>Die Datei war gleich nach dem Start zu Ende.</translation>
    </message>
    <message>
        <source>The file keeps ending long before its end.</source>
        <translation>Die Datei bricht immer wieder lange vor ihrem Ende ab.</translation>
    </message>
</context>
<context>
    <name>SolvedMark</name>
    <message numerus="yes">
        <source>Best: %1, %n moves</source>
        <translation>
            <numerusform>Rekord: %1, %n Zug</numerusform>
            <numerusform>Rekord: %1, %n Züge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormAboutBox</name>
    <message>
        <source>About Wallwright</source>
        <translation>Über Wallwright</translation>
    </message>
    <message>
        <source>Wallwright 1.0  -  a brick wall puzzle</source>
        <translation>Wallwright 1.0  -  ein Ziegelmauer-Rätsel</translation>
    </message>
    <message>
        <source>Email: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
</context>
<context>
    <name>TFormChoose</name>
    <message>
        <source>Choose Puzzle</source>
        <translation>Rätsel wählen</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <comment>solved of all</comment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Code of a puzzle</source>
        <translation>Code eines Rätsels</translation>
    </message>
    <message>
        <source>A code has nine letters and digits.</source>
        <translation>Ein Code hat neun Buchstaben und Ziffern.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in no code.</source>
        <translation>„%1“ kommt in keinem Code vor.</translation>
    </message>
    <message>
        <source>A character of this code is mistyped.</source>
        <translation>Ein Zeichen dieses Codes ist vertippt.</translation>
    </message>
    <message>
        <source>This code was made by another version of the game.</source>
        <translation>Dieser Code stammt aus einer anderen Version des Spiels.</translation>
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
        <translation>Rätsel spielen</translation>
    </message>
    <message>
        <source>Prev Game</source>
        <translation>Vorheriges Rätsel</translation>
    </message>
    <message>
        <source>Next Game</source>
        <translation>Nächstes Rätsel</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Auswahl …</translation>
    </message>
    <message>
        <source>Select Game Pattern</source>
        <translation>Rätselgruppe wählen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen …</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Info …</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Wallwright</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Choose Puzzle...</source>
        <translation>Rätsel wählen …</translation>
    </message>
    <message>
        <source>Choose Puzzle</source>
        <translation>Rätsel wählen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>New Puzzle...</source>
        <translation>Neues Rätsel …</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <source>Copy Code</source>
        <translation>Code kopieren</translation>
    </message>
    <message>
        <source>leave this puzzle</source>
        <translation>dieses Rätsel zu verlassen</translation>
    </message>
    <message>
        <source>choose another group</source>
        <translation>eine andere Gruppe zu wählen</translation>
    </message>
    <message>
        <source>start this puzzle afresh</source>
        <translation>dieses Rätsel neu zu starten</translation>
    </message>
    <message>
        <source>choose another puzzle</source>
        <translation>ein anderes Rätsel zu wählen</translation>
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
        <translation>. %1 direkt danach holt das Rätsel so zurück, wie du es verlassen hast</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation>Die Bilddatei „%1“ kann nicht angezeigt werden: %2.</translation>
    </message>
    <message>
        <source>The puzzle file &quot;%1&quot; holds no puzzles.</source>
        <translation>Die Rätseldatei „%1“ enthält keine Rätsel.</translation>
    </message>
    <message>
        <source>The puzzle file &quot;%1&quot; %2.</source>
        <translation>Die Rätseldatei „%1“ %2.</translation>
    </message>
    <message>
        <source>The puzzle file &quot;%1&quot; has cells of %2 x %3 pixels, which cannot be drawn, so its puzzles cannot be played.</source>
        <translation>Die Rätseldatei „%1“ hat Zellen von %2 x %3 Pixeln, die sich nicht zeichnen lassen; ihre Rätsel sind daher nicht spielbar.</translation>
    </message>
    <message>
        <source>No hint can be found for this puzzle.</source>
        <translation>Für dieses Rätsel lässt sich kein Tipp finden.</translation>
    </message>
    <message>
        <source>The puzzle %1 cannot be made: %2.</source>
        <translation>Das Rätsel %1 lässt sich nicht erzeugen: %2.</translation>
    </message>
</context>
<context>
    <name>TFormMusic</name>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is left out: %2.</source>
        <translation>Die Musikdatei „%1“ wird weggelassen: %2.</translation>
    </message>
</context>
<context>
    <name>TFormNewPuzzle</name>
    <message>
        <source>New Puzzle</source>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
</context>
<context>
    <name>TFormOption</name>
    <message>
        <source>Options Dialog</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Select Brick</source>
        <translation>Ziegel wählen</translation>
    </message>
    <message>
        <source>Music On</source>
        <translation>Musik an</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Klänge an</translation>
    </message>
</context>
<context>
    <name>TFormSelection</name>
    <message>
        <source>Select Games</source>
        <translation>Gruppe wählen</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <comment>solved of all</comment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Choose Puzzle (%1)</source>
        <translation>Rätsel wählen (%1)</translation>
    </message>
</context>
<context>
    <name>TFrameGameBoard</name>
    <message>
        <source>Puzzle %1</source>
        <translation>Rätsel %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Level: %1</translation>
    </message>
    <message numerus="yes">
        <source>Solved in %1 with %n moves.</source>
        <translation>
            <numerusform>Gelöst in %1 mit %n Zug.</numerusform>
            <numerusform>Gelöst in %1 mit %n Zügen.</numerusform>
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
        <translation>Die Fenstergröße kann gerade nicht in der Datei „%1“ gespeichert werden: %2. Sie bleibt erhalten und wird gespeichert, sobald es geht.</translation>
    </message>
    <message>
        <source>wallwright: The size of the window could not be saved to %1: another running game holds its folder&apos;s lock, or the folder refuses the write.</source>
        <translation>wallwright: Die Fenstergröße konnte nicht in %1 gespeichert werden: Ein anderes laufendes Spiel hält die Sperre des Ordners, oder der Ordner lässt keinen Schreibzugriff zu.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Wallwright Help</source>
        <translation>Wallwright-Hilfe</translation>
    </message>
</context>
<context>
    <name>TProblemReport</name>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>… und %n weitere.</numerusform>
            <numerusform>… und %n weitere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPuzzleTiles</name>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
</context>
<context>
    <name>TSafeKeys</name>
    <message>
        <source>Press %1 again to %2.</source>
        <translation>Drück noch einmal %1, um %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>wallwright: no display to open the game&apos;s window on (DISPLAY is &quot;%1&quot;).</source>
        <translation>wallwright: kein Display, auf dem sich das Fenster des Spiels öffnen lässt (DISPLAY ist „%1“).</translation>
    </message>
    <message>
        <source>wallwright: no display to open the game&apos;s window on (DISPLAY is not set).</source>
        <translation>wallwright: kein Display, auf dem sich das Fenster des Spiels öffnen lässt (DISPLAY ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>wallwright: no such option</source>
        <translation>wallwright: unbekannte Option</translation>
    </message>
    <message>
        <source>usage: wallwright [FILE.gam]</source>
        <translation>Aufruf: wallwright [FILE.gam]</translation>
    </message>
    <message>
        <source>wallwright: plays one puzzle file at a time: %1</source>
        <translation>wallwright: spielt jeweils nur eine Rätseldatei: %1</translation>
    </message>
</context>
</TS>
