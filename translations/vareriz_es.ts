<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Free software: you may copy, share and change it.</source>
        <translation>Software libre: puedes copiarlo, compartirlo y modificarlo.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind.</source>
        <translation>Se ofrece sin garantía de ningún tipo.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>New Image</source>
        <translation>Otra imagen</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>La imagen completa</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Reshuffle</source>
        <translation>Volver a mezclar</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Imágenes</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;N° of tesserae</source>
        <translation>&amp;Número de piezas</translation>
    </message>
    <message>
        <source>&amp;Help beep</source>
        <translation>&amp;Aviso sonoro</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;Block on right positions</source>
        <translation>&amp;Bloquear piezas bien colocadas</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Música</translation>
    </message>
    <message>
        <source>none</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Sequential mode</source>
        <translation>En secuencia</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Waiting animation</source>
        <translation>Animación de espera</translation>
    </message>
    <message>
        <source>       Select the   number of   tesserae in    Option          Menu......                            then        choose the Image.</source>
        <translation>       Elige el   número de   piezas en    el menú          Opciones                            y luego        elige la imagen.</translation>
    </message>
    <message>
        <source>tile %1, lifted</source>
        <translation>pieza %1, levantada</translation>
    </message>
    <message>
        <source>tile %1, on cell %2</source>
        <translation>pieza %1, en la casilla %2</translation>
    </message>
    <message>
        <source>tile %1, in the tray</source>
        <translation>pieza %1, en la bandeja</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, empty</source>
        <translation>casilla %1, fila %2, columna %3, vacía</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4</source>
        <translation>casilla %1, fila %2, columna %3, pieza %4</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4, locked</source>
        <translation>casilla %1, fila %2, columna %3, pieza %4, bloqueada</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds no picture the game can play: it plays pictures whose names end in .jpg, .jpeg, .png, .webp, .heic, .heif or .avif.</source>
        <translation>La categoría «%1» no contiene ninguna imagen con la que jugar: el juego usa imágenes cuyo nombre termina en .jpg, .jpeg, .png, .webp, .heic, .heif o .avif.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: %2.</source>
        <translation>No se puede usar la imagen «%1»: %2.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: at %2 x %3 pixels it is too small to cut into %4 tiles.</source>
        <translation>No se puede usar la imagen «%1»: con %2 × %3 píxeles es demasiado pequeña para dividirla en %4 piezas.</translation>
    </message>
    <message>
        <source>%1 Library</source>
        <translation>Colección %1</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is no longer there.</source>
        <translation>La categoría «%1» ya no existe.</translation>
    </message>
    <message>
        <source>Vareriz cannot start without the picture &quot;%1&quot;: %2.</source>
        <translation>Vareriz no puede iniciarse sin la imagen «%1»: %2.</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>Imagen pegada</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Portapapeles</translation>
    </message>
    <message>
        <source>Open a Photo</source>
        <translation>Abrir una foto</translation>
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
        <translation>Música</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>it is damaged</source>
        <translation>está dañada</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>no contiene ninguna imagen</translation>
    </message>
    <message>
        <source>it is of a kind the game cannot read</source>
        <translation>el juego no sabe leer este tipo de imagen</translation>
    </message>
    <message>
        <source>it is too large (%1 x %2 pixels)</source>
        <translation>es demasiado grande (%1 × %2 píxeles)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it is not a picture</source>
        <translation>no es una imagen</translation>
    </message>
    <message>
        <source>its size cannot be read</source>
        <translation>no se puede leer su tamaño</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>está dañada (%1)</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vareriz: unexpected argument &apos;%1&apos; (try vareriz --help)
</source>
        <translation>vareriz: argumento inesperado «%1» (prueba vareriz --help)
</translation>
    </message>
    <message>
        <source>vareriz: no display found; start it from a desktop session (DISPLAY is not set)
</source>
        <translation>vareriz: no se encontró ninguna pantalla; inícialo desde una sesión de escritorio (DISPLAY no está definida)
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
Un puzle de imágenes: elige una imagen y vuelve a montarla con sus piezas mezcladas.

Con fotos, el juego empieza con la primera ya repartida; las demás se ignoran.
Una foto arrastrada a la ventana, pegada (Ctrl+V) o abierta (Ctrl+O) también
se reparte, mientras no haya ninguna imagen elegida.

Tus propias imágenes: crea una carpeta en ~/.local/share/vareriz/ (o $XDG_DATA_HOME/vareriz/)
para cada categoría y pon en ella tus fotos (.jpg, .jpeg, .heic, .heif, .png,
.webp o .avif). Consulta vareriz(6).
</translation>
    </message>
</context>
</TS>
