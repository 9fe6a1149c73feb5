<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations</source>
        <translation>Herzlichen Glückwunsch</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Free software: you may copy, share and change it.</source>
        <translation>Freie Software: Sie dürfen sie kopieren, weitergeben und verändern.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind.</source>
        <translation>Sie wird ohne jegliche Gewährleistung bereitgestellt.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>New Image</source>
        <translation>Anderes Bild</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>Das ganze Bild</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Reshuffle</source>
        <translation>Neu mischen</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Bilder</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;N° of tesserae</source>
        <translation>&amp;Anzahl der Teile</translation>
    </message>
    <message>
        <source>&amp;Help beep</source>
        <translation>&amp;Signalton</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>&amp;Block on right positions</source>
        <translation>Richtig gelegte Teile &amp;festhalten</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musik</translation>
    </message>
    <message>
        <source>none</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Sequential mode</source>
        <translation>Der Reihe nach</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Waiting animation</source>
        <translation>Warteanimation</translation>
    </message>
    <message>
        <source>       Select the   number of   tesserae in    Option          Menu......                            then        choose the Image.</source>
        <translation>       Wählen Sie die   Anzahl der   Teile im    Menü          „Optionen“                            und dann        das Bild.</translation>
    </message>
    <message>
        <source>tile %1, lifted</source>
        <translation>Teil %1, aufgenommen</translation>
    </message>
    <message>
        <source>tile %1, on cell %2</source>
        <translation>Teil %1, auf Feld %2</translation>
    </message>
    <message>
        <source>tile %1, in the tray</source>
        <translation>Teil %1, in der Ablage</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, empty</source>
        <translation>Feld %1, Zeile %2, Spalte %3, leer</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4</source>
        <translation>Feld %1, Zeile %2, Spalte %3, Teil %4</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4, locked</source>
        <translation>Feld %1, Zeile %2, Spalte %3, Teil %4, festgehalten</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds no picture the game can play: it plays pictures whose names end in .jpg, .jpeg, .png, .webp, .heic, .heif or .avif.</source>
        <translation>Die Kategorie „%1“ enthält kein Bild, das sich spielen lässt: Das Spiel verwendet Bilder, deren Namen auf .jpg, .jpeg, .png, .webp, .heic, .heif oder .avif enden.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: %2.</source>
        <translation>Das Bild „%1“ kann nicht verwendet werden (%2).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: at %2 x %3 pixels it is too small to cut into %4 tiles.</source>
        <translation>Das Bild „%1“ kann nicht verwendet werden: Mit %2 × %3 Pixeln ist es zu klein, um es in %4 Teile zu zerlegen.</translation>
    </message>
    <message>
        <source>%1 Library</source>
        <translation>Sammlung %1</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is no longer there.</source>
        <translation>Die Kategorie „%1“ gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>Vareriz cannot start without the picture &quot;%1&quot;: %2.</source>
        <translation>Vareriz kann ohne das Bild „%1“ nicht starten: %2.</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>Eingefügtes Bild</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Open a Photo</source>
        <translation>Foto öffnen</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Fotos (%1)</translation>
    </message>
</context>
<context>
    <name>MMControl</name>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>it is damaged</source>
        <translation>es ist beschädigt</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>es enthält kein Bild</translation>
    </message>
    <message>
        <source>it is of a kind the game cannot read</source>
        <translation>das Spiel kann diese Art von Bild nicht lesen</translation>
    </message>
    <message>
        <source>it is too large (%1 x %2 pixels)</source>
        <translation>es ist zu groß (%1 × %2 Pixel)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>es kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is not a picture</source>
        <translation>es ist kein Bild</translation>
    </message>
    <message>
        <source>its size cannot be read</source>
        <translation>seine Größe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>es ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vareriz: unexpected argument &apos;%1&apos; (try vareriz --help)
</source>
        <translation>vareriz: unerwartetes Argument „%1“ (siehe vareriz --help)
</translation>
    </message>
    <message>
        <source>vareriz: no display found; start it from a desktop session (DISPLAY is not set)
</source>
        <translation>vareriz: keine Anzeige gefunden; bitte aus einer Desktop-Sitzung starten (DISPLAY ist nicht gesetzt)
</translation>
    </message>
    <message>
        <source>Usage: vareriz [PHOTO...]
       vareriz --help | --version
A picture puzzle: choose a picture, and rebuild it from its shuffled tiles.

Given photos, the game starts with the first one dealt; the others are left.
A photo dropped on the window, pasted (Ctrl+V) or opened (Ctrl+O) is dealt too,
while no picture is chosen.

Your own pictures: make a folder in ~/.local/share/vareriz/ (or $XDG_DATA_HOME/vareriz/),
one for each category, and put your photos into it (.jpg, .jpeg, .heic, .heif, .png,
.webp or .avif). See vareriz(6).
</source>
        <translation>Aufruf: vareriz [FOTO...]
        vareriz --help | --version
Ein Bilderpuzzle: Wählen Sie ein Bild und setzen Sie es aus seinen gemischten Teilen wieder zusammen.

Mit Fotos aufgerufen, beginnt das Spiel mit dem ersten ausgeteilt; die übrigen bleiben liegen.
Ein Foto, das auf das Fenster gezogen, eingefügt (Strg+V) oder geöffnet (Strg+O) wird,
wird ebenso ausgeteilt, solange kein Bild gewählt ist.

Eigene Bilder: Legen Sie in ~/.local/share/vareriz/ (oder $XDG_DATA_HOME/vareriz/) für jede
Kategorie einen Ordner an und legen Sie Ihre Fotos hinein (.jpg, .jpeg, .heic, .heif, .png,
.webp oder .avif). Siehe vareriz(6).
</translation>
    </message>
</context>
</TS>
