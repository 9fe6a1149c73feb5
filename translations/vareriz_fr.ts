<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Free software: you may copy, share and change it.</source>
        <translation>Logiciel libre&#xa0;: vous pouvez le copier, le partager et le modifier.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind.</source>
        <translation>Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>New Image</source>
        <translation>Autre image</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>L&apos;image entière</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Reshuffle</source>
        <translation>Remélanger</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Images</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;N° of tesserae</source>
        <translation>&amp;Nombre de pièces</translation>
    </message>
    <message>
        <source>&amp;Help beep</source>
        <translation>&amp;Signal sonore</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>&amp;Block on right positions</source>
        <translation>&amp;Bloquer les pièces bien placées</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musique</translation>
    </message>
    <message>
        <source>none</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Sequential mode</source>
        <translation>Toutes à la suite</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Waiting animation</source>
        <translation>Animation d&apos;attente</translation>
    </message>
    <message>
        <source>       Select the   number of   tesserae in    Option          Menu......                            then        choose the Image.</source>
        <translation>       Choisissez le   nombre de   pièces dans    le menu          Options,                            puis        choisissez l&apos;image.</translation>
    </message>
    <message>
        <source>tile %1, lifted</source>
        <translation>pièce %1, soulevée</translation>
    </message>
    <message>
        <source>tile %1, on cell %2</source>
        <translation>pièce %1, sur la case %2</translation>
    </message>
    <message>
        <source>tile %1, in the tray</source>
        <translation>pièce %1, dans la réserve</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, empty</source>
        <translation>case %1, ligne %2, colonne %3, vide</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4</source>
        <translation>case %1, ligne %2, colonne %3, pièce %4</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4, locked</source>
        <translation>case %1, ligne %2, colonne %3, pièce %4, bloquée</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds no picture the game can play: it plays pictures whose names end in .jpg, .jpeg, .png, .webp, .heic, .heif or .avif.</source>
        <translation>La catégorie «&#xa0;%1&#xa0;» ne contient aucune image jouable&#xa0;: le jeu utilise les images dont le nom se termine par .jpg, .jpeg, .png, .webp, .heic, .heif ou .avif.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: %2.</source>
        <translation>L&apos;image «&#xa0;%1&#xa0;» ne peut pas être utilisée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: at %2 x %3 pixels it is too small to cut into %4 tiles.</source>
        <translation>L&apos;image «&#xa0;%1&#xa0;» ne peut pas être utilisée&#xa0;: avec %2 × %3 pixels, elle est trop petite pour être découpée en %4 pièces.</translation>
    </message>
    <message>
        <source>%1 Library</source>
        <translation>Collection %1</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is no longer there.</source>
        <translation>La catégorie «&#xa0;%1&#xa0;» n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Vareriz cannot start without the picture &quot;%1&quot;: %2.</source>
        <translation>Vareriz ne peut pas démarrer sans l&apos;image «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>Image collée</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Presse-papiers</translation>
    </message>
    <message>
        <source>Open a Photo</source>
        <translation>Ouvrir une photo</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Photos (%1)</translation>
    </message>
</context>
<context>
    <name>MMControl</name>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>it is damaged</source>
        <translation>elle est endommagée</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>elle ne contient aucune image</translation>
    </message>
    <message>
        <source>it is of a kind the game cannot read</source>
        <translation>le jeu ne sait pas lire ce type d&apos;image</translation>
    </message>
    <message>
        <source>it is too large (%1 x %2 pixels)</source>
        <translation>elle est trop grande (%1 × %2 pixels)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>elle ne peut pas être lue</translation>
    </message>
    <message>
        <source>it is not a picture</source>
        <translation>ce n&apos;est pas une image</translation>
    </message>
    <message>
        <source>its size cannot be read</source>
        <translation>sa taille est illisible</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>elle est endommagée (%1)</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vareriz: unexpected argument &apos;%1&apos; (try vareriz --help)
</source>
        <translation>vareriz&#xa0;: argument inattendu «&#xa0;%1&#xa0;» (essayez vareriz --help)
</translation>
    </message>
    <message>
        <source>vareriz: no display found; start it from a desktop session (DISPLAY is not set)
</source>
        <translation>vareriz&#xa0;: aucun écran trouvé&#xa0;; lancez-le depuis une session graphique (DISPLAY n&apos;est pas défini)
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
        <translation>Utilisation&#xa0;: vareriz [PHOTO...]
              vareriz --help | --version
Un puzzle d&apos;images&#xa0;: choisissez une image et reconstituez-la à partir de ses pièces mélangées.

Avec des photos, le jeu commence avec la première distribuée&#xa0;; les autres sont ignorées.
Une photo déposée sur la fenêtre, collée (Ctrl+V) ou ouverte (Ctrl+O) est aussi
distribuée, tant qu&apos;aucune image n&apos;est choisie.

Vos propres images&#xa0;: créez un dossier dans ~/.local/share/vareriz/ (ou $XDG_DATA_HOME/vareriz/)
pour chaque catégorie, et mettez-y vos photos (.jpg, .jpeg, .heic, .heif, .png,
.webp ou .avif). Voir vareriz(6).
</translation>
    </message>
</context>
</TS>
