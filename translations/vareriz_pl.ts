<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations</source>
        <translation>Gratulacje!</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Free software: you may copy, share and change it.</source>
        <translation>Wolne oprogramowanie: możesz je kopiować, udostępniać i zmieniać.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind.</source>
        <translation>Jest dostarczane bez żadnej gwarancji.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Obrazy</translation>
    </message>
    <message>
        <source>New Image</source>
        <translation>Inny obraz</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>Cały obraz</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Reshuffle</source>
        <translation>Przetasuj</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Obrazy</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;pcje</translation>
    </message>
    <message>
        <source>&amp;N° of tesserae</source>
        <translation>&amp;Liczba elementów</translation>
    </message>
    <message>
        <source>&amp;Help beep</source>
        <translation>&amp;Sygnał dźwiękowy</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>&amp;Block on right positions</source>
        <translation>&amp;Blokuj dobrze ułożone elementy</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Muzyka</translation>
    </message>
    <message>
        <source>none</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Sequential mode</source>
        <translation>Po kolei</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>O p&amp;rogramie</translation>
    </message>
    <message>
        <source>Waiting animation</source>
        <translation>Animacja oczekiwania</translation>
    </message>
    <message>
        <source>       Select the   number of   tesserae in    Option          Menu......                            then        choose the Image.</source>
        <translation>       Wybierz   liczbę   elementów w    menu          Opcje,                            a potem        wybierz obraz.</translation>
    </message>
    <message>
        <source>tile %1, lifted</source>
        <translation>element %1, podniesiony</translation>
    </message>
    <message>
        <source>tile %1, on cell %2</source>
        <translation>element %1, na polu %2</translation>
    </message>
    <message>
        <source>tile %1, in the tray</source>
        <translation>element %1, na tacy</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, empty</source>
        <translation>pole %1, wiersz %2, kolumna %3, puste</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4</source>
        <translation>pole %1, wiersz %2, kolumna %3, element %4</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4, locked</source>
        <translation>pole %1, wiersz %2, kolumna %3, element %4, zablokowany</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds no picture the game can play: it plays pictures whose names end in .jpg, .jpeg, .png, .webp, .heic, .heif or .avif.</source>
        <translation>Kategoria „%1” nie zawiera żadnego obrazu do gry: gra używa obrazów, których nazwy kończą się na .jpg, .jpeg, .png, .webp, .heic, .heif lub .avif.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: %2.</source>
        <translation>Nie można użyć obrazu „%1”: %2.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: at %2 x %3 pixels it is too small to cut into %4 tiles.</source>
        <translation>Nie można użyć obrazu „%1”: przy wymiarach %2 × %3 px jest za mały, by podzielić go na %4 elementów.</translation>
    </message>
    <message>
        <source>%1 Library</source>
        <translation>Kolekcja %1</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is no longer there.</source>
        <translation>Kategoria „%1” już nie istnieje.</translation>
    </message>
    <message>
        <source>Vareriz cannot start without the picture &quot;%1&quot;: %2.</source>
        <translation>Nie można uruchomić gry Vareriz bez obrazu „%1”: %2.</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>Wklejony obraz</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Schowek</translation>
    </message>
    <message>
        <source>Open a Photo</source>
        <translation>Otwórz zdjęcie</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Zdjęcia (%1)</translation>
    </message>
</context>
<context>
    <name>MMControl</name>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>it is damaged</source>
        <translation>jest uszkodzony</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>nie zawiera żadnego obrazu</translation>
    </message>
    <message>
        <source>it is of a kind the game cannot read</source>
        <translation>gra nie potrafi odczytać tego rodzaju obrazu</translation>
    </message>
    <message>
        <source>it is too large (%1 x %2 pixels)</source>
        <translation>jest za duży (%1 × %2 px)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>to nie jest plik</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>nie można go odczytać</translation>
    </message>
    <message>
        <source>it is not a picture</source>
        <translation>to nie jest obraz</translation>
    </message>
    <message>
        <source>its size cannot be read</source>
        <translation>nie można odczytać jego rozmiaru</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>jest uszkodzony (%1)</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>plik jest za duży</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vareriz: unexpected argument &apos;%1&apos; (try vareriz --help)
</source>
        <translation>vareriz: nieoczekiwany argument „%1” (spróbuj vareriz --help)
</translation>
    </message>
    <message>
        <source>vareriz: no display found; start it from a desktop session (DISPLAY is not set)
</source>
        <translation>vareriz: nie znaleziono ekranu; uruchom grę w sesji graficznej (zmienna DISPLAY nie jest ustawiona)
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
        <translation>Użycie: vareriz [ZDJĘCIE...]
        vareriz --help | --version
Układanka z obrazów: wybierz obraz i ułóż go z przetasowanych elementów.

Z podanymi zdjęciami gra zaczyna się od rozdania pierwszego; pozostałe są pomijane.
Zdjęcie upuszczone na okno, wklejone (Ctrl+V) lub otwarte (Ctrl+O) też zostaje
rozdane, dopóki nie wybrano żadnego obrazu.

Własne obrazy: utwórz w ~/.local/share/vareriz/ (lub $XDG_DATA_HOME/vareriz/) katalog
dla każdej kategorii i umieść w nim swoje zdjęcia (.jpg, .jpeg, .heic, .heif, .png,
.webp lub .avif). Zobacz vareriz(6).
</translation>
    </message>
</context>
</TS>
