<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations</source>
        <translation>Congratulazioni</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Piano di gioco</translation>
    </message>
    <message>
        <source>Free software: you may copy, share and change it.</source>
        <translation>Software libero: puoi copiarlo, condividerlo e modificarlo.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind.</source>
        <translation>Viene fornito senza alcuna garanzia.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>New Image</source>
        <translation>Altra immagine</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>L&apos;immagine intera</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Reshuffle</source>
        <translation>Rimescola</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Immagini</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;N° of tesserae</source>
        <translation>&amp;Numero di tessere</translation>
    </message>
    <message>
        <source>&amp;Help beep</source>
        <translation>&amp;Segnale acustico</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;Block on right positions</source>
        <translation>&amp;Blocca le tessere al posto giusto</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musica</translation>
    </message>
    <message>
        <source>none</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Sequential mode</source>
        <translation>In sequenza</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>In&amp;formazioni</translation>
    </message>
    <message>
        <source>Waiting animation</source>
        <translation>Animazione di attesa</translation>
    </message>
    <message>
        <source>       Select the   number of   tesserae in    Option          Menu......                            then        choose the Image.</source>
        <translation>       Scegli il   numero di   tessere nel    menu          Opzioni,                            poi        scegli l&apos;immagine.</translation>
    </message>
    <message>
        <source>tile %1, lifted</source>
        <translation>tessera %1, sollevata</translation>
    </message>
    <message>
        <source>tile %1, on cell %2</source>
        <translation>tessera %1, sulla casella %2</translation>
    </message>
    <message>
        <source>tile %1, in the tray</source>
        <translation>tessera %1, nel vassoio</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, empty</source>
        <translation>casella %1, riga %2, colonna %3, vuota</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4</source>
        <translation>casella %1, riga %2, colonna %3, tessera %4</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4, locked</source>
        <translation>casella %1, riga %2, colonna %3, tessera %4, bloccata</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds no picture the game can play: it plays pictures whose names end in .jpg, .jpeg, .png, .webp, .heic, .heif or .avif.</source>
        <translation>La categoria «%1» non contiene immagini con cui giocare: il gioco usa le immagini il cui nome finisce in .jpg, .jpeg, .png, .webp, .heic, .heif o .avif.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: %2.</source>
        <translation>L&apos;immagine «%1» non si può usare: %2.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: at %2 x %3 pixels it is too small to cut into %4 tiles.</source>
        <translation>L&apos;immagine «%1» non si può usare: con %2 × %3 pixel è troppo piccola per essere divisa in %4 tessere.</translation>
    </message>
    <message>
        <source>%1 Library</source>
        <translation>Raccolta %1</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is no longer there.</source>
        <translation>La categoria «%1» non esiste più.</translation>
    </message>
    <message>
        <source>Vareriz cannot start without the picture &quot;%1&quot;: %2.</source>
        <translation>Vareriz non può avviarsi senza l&apos;immagine «%1»: %2.</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>Immagine incollata</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Appunti</translation>
    </message>
    <message>
        <source>Open a Photo</source>
        <translation>Apri una foto</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Foto (%1)</translation>
    </message>
</context>
<context>
    <name>MMControl</name>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>it is damaged</source>
        <translation>è danneggiata</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>non contiene alcuna immagine</translation>
    </message>
    <message>
        <source>it is of a kind the game cannot read</source>
        <translation>è di un tipo che il gioco non sa leggere</translation>
    </message>
    <message>
        <source>it is too large (%1 x %2 pixels)</source>
        <translation>è troppo grande (%1 × %2 pixel)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non si può leggere</translation>
    </message>
    <message>
        <source>it is not a picture</source>
        <translation>non è un&apos;immagine</translation>
    </message>
    <message>
        <source>its size cannot be read</source>
        <translation>non se ne può leggere la dimensione</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>è danneggiata (%1)</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>il file è troppo grande</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vareriz: unexpected argument &apos;%1&apos; (try vareriz --help)
</source>
        <translation>vareriz: argomento inatteso «%1» (prova vareriz --help)
</translation>
    </message>
    <message>
        <source>vareriz: no display found; start it from a desktop session (DISPLAY is not set)
</source>
        <translation>vareriz: nessuno schermo trovato; avvialo da una sessione grafica (DISPLAY non è impostata)
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
        <translation>Uso: vareriz [FOTO...]
     vareriz --help | --version
Un puzzle di immagini: scegli un&apos;immagine e ricomponila dalle sue tessere mescolate.

Con delle foto, il gioco inizia con la prima già distribuita; le altre sono ignorate.
Anche una foto trascinata sulla finestra, incollata (Ctrl+V) o aperta (Ctrl+O)
viene distribuita, finché non è scelta nessuna immagine.

Le tue immagini: crea una cartella in ~/.local/share/vareriz/ (o $XDG_DATA_HOME/vareriz/)
per ogni categoria e mettici le tue foto (.jpg, .jpeg, .heic, .heif, .png,
.webp o .avif). Vedi vareriz(6).
</translation>
    </message>
</context>
</TS>
