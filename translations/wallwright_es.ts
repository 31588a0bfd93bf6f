<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AudioDevice</name>
    <message>
        <source>No sound: the audio device cannot be opened (%1). The game goes on silent.</source>
        <translation>Sin sonido: no se puede abrir el dispositivo de audio (%1). El juego sigue en silencio.</translation>
    </message>
</context>
<context>
    <name>Art</name>
    <message>
        <source>A brick wall puzzle game</source>
        <translation>Un puzle de muros de ladrillo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
</context>
<context>
    <name>ClGameInterface</name>
    <message>
        <source>Settings and solved puzzles are not saved: there is no home folder for them.</source>
        <translation>Los ajustes y los puzles resueltos no se guardan: no hay ninguna carpeta personal donde guardarlos.</translation>
    </message>
    <message>
        <source>Settings and solved puzzles are not saved: the folder &quot;%1&quot; cannot be used (%2).</source>
        <translation>Los ajustes y los puzles resueltos no se guardan: la carpeta «%1» no se puede usar (%2).</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read: %2.</source>
        <translation>El archivo de ajustes «%1» no se puede leer: %2.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is left as it is and settings are not saved: %2.</source>
        <translation>El archivo de ajustes «%1» se deja tal como está y los ajustes no se guardan: %2.</translation>
    </message>
    <message>
        <source>The settings cannot be saved to &quot;%1&quot; now: %2. It is kept and saved as soon as it can be.</source>
        <translation>Ahora mismo los ajustes no se pueden guardar en «%1»: %2. Se conservan y se guardarán en cuanto sea posible.</translation>
    </message>
    <message>
        <source>wallwright: The settings could not be saved to %1: another running game holds its folder&apos;s lock, or the folder refuses the write.</source>
        <translation>wallwright: No se pudieron guardar los ajustes en %1: otro juego abierto tiene bloqueada su carpeta, o la carpeta no deja escribir en ella.</translation>
    </message>
    <message>
        <source>The record of solved puzzles &quot;%1&quot; cannot be read (%2); it is kept as &quot;%3&quot; and a new record begins.</source>
        <translation>El registro de puzles resueltos «%1» no se puede leer (%2); se conserva como «%3» y empieza un registro nuevo.</translation>
    </message>
    <message>
        <source>The record of solved puzzles &quot;%1&quot; cannot be read (%2) nor set aside; solved puzzles are not remembered this time.</source>
        <translation>El registro de puzles resueltos «%1» no se puede leer (%2) ni apartar; esta vez no se recordarán los puzles resueltos.</translation>
    </message>
    <message numerus="yes">
        <source>The record of solved puzzles is full (%n puzzles): newly solved puzzles are not added to it.</source>
        <translation>
            <numerusform>El registro de puzles resueltos está lleno (%n puzle): ya no se le añaden los puzles que resuelvas.</numerusform>
            <numerusform>El registro de puzles resueltos está lleno (%n puzles): ya no se le añaden los puzles que resuelvas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The record of solved puzzles cannot be saved to &quot;%1&quot; now: %2. It is kept and saved as soon as it can be.</source>
        <translation>Ahora mismo el registro de puzles resueltos no se puede guardar en «%1»: %2. Se conserva y se guardará en cuanto sea posible.</translation>
    </message>
    <message>
        <source>wallwright: The record of solved puzzles could not be saved to %1: another running game holds its folder&apos;s lock, or the folder refuses the write.</source>
        <translation>wallwright: No se pudo guardar el registro de puzles resueltos en %1: otro juego abierto tiene bloqueada su carpeta, o la carpeta no deja escribir en ella.</translation>
    </message>
    <message>
        <source>it claims %1 x %2 pixels, more than the game decodes (%3 million at most)</source>
        <translation>dice tener %1 x %2 píxeles, más de los que el juego decodifica (%3 millones como máximo)</translation>
    </message>
    <message>
        <source>it is no picture that can be decoded</source>
        <translation>no es una imagen que se pueda decodificar</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>it is missing</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un archivo</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>un FIFO</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>un enlace</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>no file</source>
        <translation>otra cosa</translation>
    </message>
    <message>
        <source>it is %1, not a file</source>
        <translation>es %1, no un archivo</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>it is a link to a missing file</source>
        <translation>es un enlace a un archivo que no existe</translation>
    </message>
    <message>
        <source>its link changed while it was read</source>
        <translation>su enlace cambió mientras se leía</translation>
    </message>
    <message>
        <source>it is a link that leads round in circles</source>
        <translation>es un enlace que forma un bucle</translation>
    </message>
    <message>
        <source>no free temporary name beside it</source>
        <translation>no queda ningún nombre temporal libre a su lado</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>es de solo lectura</translation>
    </message>
    <message>
        <source>no free name to set it aside under</source>
        <translation>no queda ningún nombre libre con el que apartarlo</translation>
    </message>
    <message>
        <source>it is %1, not a folder</source>
        <translation>es %1, no una carpeta</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>a file stands where a folder above it should be</source>
        <translation>hay un archivo donde debería estar una carpeta de su ruta</translation>
    </message>
    <message>
        <source>its lock file &quot;%1&quot; is %2, not a file</source>
        <translation>su archivo de bloqueo «%1» es %2, no un archivo</translation>
    </message>
    <message>
        <source>another running game is writing there</source>
        <translation>otro juego abierto está escribiendo ahí</translation>
    </message>
    <message>
        <source>no file can be made beside it (%1)</source>
        <translation>no se puede crear ningún archivo a su lado (%1)</translation>
    </message>
    <message>
        <source>has a count out of range in the header</source>
        <translation>tiene un recuento fuera de rango en la cabecera</translation>
    </message>
    <message>
        <source>ends inside %1 %2</source>
        <translation>termina en mitad del %1 %2</translation>
    </message>
    <message>
        <source>has a count out of range in %1 %2</source>
        <translation>tiene un recuento fuera de rango en el %1 %2</translation>
    </message>
    <message>
        <source>ends inside the header</source>
        <translation>termina en mitad de la cabecera</translation>
    </message>
    <message>
        <source>shape record</source>
        <translation>registro de forma</translation>
    </message>
    <message>
        <source>puzzle record</source>
        <translation>registro de puzle</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>it has too many notes to play</source>
        <translation>tiene demasiadas notas para poder tocarlas</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>está incompleto</translation>
    </message>
    <message>
        <source>it has no tracks</source>
        <translation>no tiene ninguna pista MIDI</translation>
    </message>
    <message>
        <source>it starts %1 notes at once, more than can be played in real time</source>
        <translation>empieza %1 notas a la vez, más de las que se pueden tocar en tiempo real</translation>
    </message>
    <message>
        <source>no puzzle turned up</source>
        <translation>no ha salido ningún puzle</translation>
    </message>
    <message>
        <source>the puzzle made cannot be solved</source>
        <translation>el puzle creado no tiene solución</translation>
    </message>
    <message>
        <source>it is no record of solved puzzles</source>
        <translation>no es un registro de puzles resueltos</translation>
    </message>
    <message>
        <source>it was written in another layout</source>
        <translation>se escribió con otro formato</translation>
    </message>
    <message>
        <source>it is cut short or damaged</source>
        <translation>está incompleto o dañado</translation>
    </message>
    <message>
        <source>the code names no generator or group of this build</source>
        <translation>el código no corresponde a ningún generador ni grupo de esta versión</translation>
    </message>
    <message>
        <source>it is a system folder</source>
        <translation>es una carpeta del sistema</translation>
    </message>
    <message>
        <source>a brick of its solution lies off the field&apos;s brick places</source>
        <translation>un ladrillo de su solución cae fuera de los sitios de ladrillo del tablero</translation>
    </message>
    <message>
        <source>two bricks of its solution lie on one place</source>
        <translation>dos ladrillos de su solución caen en el mismo sitio</translation>
    </message>
</context>
<context>
    <name>Groups</name>
    <message>
        <source>Solid Wall (One Set)</source>
        <translation>Muro macizo (una serie)</translation>
    </message>
    <message>
        <source>Wall with Hole (One Set)</source>
        <translation>Muro con agujero (una serie)</translation>
    </message>
    <message>
        <source>Solid Wall (Two Sets)</source>
        <translation>Muro macizo (dos series)</translation>
    </message>
    <message>
        <source>Wall with Hole (Two Sets)</source>
        <translation>Muro con agujero (dos series)</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Menos</translation>
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
        <translation>Mayús+</translation>
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
        <translation>No es un archivo MIDI ni WAVE.</translation>
    </message>
    <message>
        <source>MIDI needs the SoundFont %1 (package timgm6mb-soundfont).</source>
        <translation>Para MIDI hace falta el SoundFont %1 (paquete timgm6mb-soundfont).</translation>
    </message>
    <message>
        <source>The file is too large for a MIDI tune.</source>
        <translation>El archivo es demasiado grande para una melodía MIDI.</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>No hay ningún archivo abierto.</translation>
    </message>
    <message>
        <source>The file ended as soon as it started.</source>
        <translation>El archivo terminó nada más empezar.</translation>
    </message>
    <message>
        <source>The file keeps ending long before its end.</source>
        <translation>El archivo se sigue cortando mucho antes de su final.</translation>
    </message>
</context>
<context>
    <name>SolvedMark</name>
    <message numerus="yes">
        <source>Best: %1, %n moves</source>
        <translation>
            <numerusform>Mejor: %1, %n movimiento</numerusform>
            <numerusform>Mejor: %1, %n movimientos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormAboutBox</name>
    <message>
        <source>About Wallwright</source>
        <translation>Acerca de Wallwright</translation>
    </message>
    <message>
        <source>Wallwright 1.0  -  a brick wall puzzle</source>
        <translation>Wallwright 1.0  -  un puzle de muro de ladrillo</translation>
    </message>
    <message>
        <source>Email: %1</source>
        <translation>Correo: %1</translation>
    </message>
</context>
<context>
    <name>TFormChoose</name>
    <message>
        <source>Choose Puzzle</source>
        <translation>Elegir puzle</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <comment>solved of all</comment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Code of a puzzle</source>
        <translation>Código de un puzle</translation>
    </message>
    <message>
        <source>A code has nine letters and digits.</source>
        <translation>Un código tiene nueve letras y cifras.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in no code.</source>
        <translation>«%1» no aparece en ningún código.</translation>
    </message>
    <message>
        <source>A character of this code is mistyped.</source>
        <translation>Hay un carácter mal escrito en este código.</translation>
    </message>
    <message>
        <source>This code was made by another version of the game.</source>
        <translation>Este código se creó con otra versión del juego.</translation>
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
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Prev Game</source>
        <translation>Puzle anterior</translation>
    </message>
    <message>
        <source>Next Game</source>
        <translation>Puzle siguiente</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Grupos...</translation>
    </message>
    <message>
        <source>Select Game Pattern</source>
        <translation>Elegir grupo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Choose Puzzle...</source>
        <translation>Elegir puzle...</translation>
    </message>
    <message>
        <source>Choose Puzzle</source>
        <translation>Elegir puzle</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>New Puzzle...</source>
        <translation>Puzle nuevo...</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Puzle nuevo</translation>
    </message>
    <message>
        <source>Copy Code</source>
        <translation>Copiar código</translation>
    </message>
    <message>
        <source>leave this puzzle</source>
        <translation>salir de este puzle</translation>
    </message>
    <message>
        <source>choose another group</source>
        <translation>elegir otro grupo</translation>
    </message>
    <message>
        <source>start this puzzle afresh</source>
        <translation>empezar este puzle de nuevo</translation>
    </message>
    <message>
        <source>choose another puzzle</source>
        <translation>elegir otro puzle</translation>
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
        <translation>. %1 justo después te devuelve el puzle tal como lo dejaste</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation>La imagen «%1» no se puede mostrar: %2.</translation>
    </message>
    <message>
        <source>The puzzle file &quot;%1&quot; holds no puzzles.</source>
        <translation>El archivo de puzles «%1» no contiene ningún puzle.</translation>
    </message>
    <message>
        <source>The puzzle file &quot;%1&quot; %2.</source>
        <translation>El archivo de puzles «%1» %2.</translation>
    </message>
    <message>
        <source>The puzzle file &quot;%1&quot; has cells of %2 x %3 pixels, which cannot be drawn, so its puzzles cannot be played.</source>
        <translation>El archivo de puzles «%1» tiene celdas de %2 x %3 píxeles, que no se pueden dibujar, así que sus puzles no se pueden jugar.</translation>
    </message>
    <message>
        <source>No hint can be found for this puzzle.</source>
        <translation>No se encuentra ninguna pista para este puzle.</translation>
    </message>
    <message>
        <source>The puzzle %1 cannot be made: %2.</source>
        <translation>El puzle %1 no se puede crear: %2.</translation>
    </message>
</context>
<context>
    <name>TFormMusic</name>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>The music file &quot;%1&quot; is left out: %2.</source>
        <translation>El archivo de música «%1» se deja fuera: %2.</translation>
    </message>
</context>
<context>
    <name>TFormNewPuzzle</name>
    <message>
        <source>New Puzzle</source>
        <translation>Puzle nuevo</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
</context>
<context>
    <name>TFormOption</name>
    <message>
        <source>Options Dialog</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Select Brick</source>
        <translation>Estilo de ladrillo</translation>
    </message>
    <message>
        <source>Music On</source>
        <translation>Música activada</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Sonido activado</translation>
    </message>
</context>
<context>
    <name>TFormSelection</name>
    <message>
        <source>Select Games</source>
        <translation>Elegir grupo</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <comment>solved of all</comment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Choose Puzzle (%1)</source>
        <translation>Elegir puzle (%1)</translation>
    </message>
</context>
<context>
    <name>TFrameGameBoard</name>
    <message>
        <source>Puzzle %1</source>
        <translation>Puzle %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Nivel: %1</translation>
    </message>
    <message numerus="yes">
        <source>Solved in %1 with %n moves.</source>
        <translation>
            <numerusform>Resuelto en %1 con %n movimiento.</numerusform>
            <numerusform>Resuelto en %1 con %n movimientos.</numerusform>
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
        <translation>Ahora mismo el tamaño de la ventana no se puede guardar en «%1»: %2. Se conserva y se guardará en cuanto sea posible.</translation>
    </message>
    <message>
        <source>wallwright: The size of the window could not be saved to %1: another running game holds its folder&apos;s lock, or the folder refuses the write.</source>
        <translation>wallwright: No se pudo guardar el tamaño de la ventana en %1: otro juego abierto tiene bloqueada su carpeta, o la carpeta no deja escribir en ella.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Wallwright Help</source>
        <translation>Ayuda de Wallwright</translation>
    </message>
</context>
<context>
    <name>TProblemReport</name>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... y %n más.</numerusform>
            <numerusform>... y %n más.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPuzzleTiles</name>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
</context>
<context>
    <name>TSafeKeys</name>
    <message>
        <source>Press %1 again to %2.</source>
        <translation>Pulsa %1 otra vez para %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>wallwright: no display to open the game&apos;s window on (DISPLAY is &quot;%1&quot;).</source>
        <translation>wallwright: no hay ninguna pantalla en la que abrir la ventana del juego (DISPLAY vale «%1»).</translation>
    </message>
    <message>
        <source>wallwright: no display to open the game&apos;s window on (DISPLAY is not set).</source>
        <translation>wallwright: no hay ninguna pantalla en la que abrir la ventana del juego (DISPLAY no está definida).</translation>
    </message>
    <message>
        <source>wallwright: no such option</source>
        <translation>wallwright: no existe esa opción</translation>
    </message>
    <message>
        <source>usage: wallwright [FILE.gam]</source>
        <translation>uso: wallwright [FILE.gam]</translation>
    </message>
    <message>
        <source>wallwright: plays one puzzle file at a time: %1</source>
        <translation>wallwright: solo se juega un archivo de puzles a la vez: %1</translation>
    </message>
</context>
</TS>
