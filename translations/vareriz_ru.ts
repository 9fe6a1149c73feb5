<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations</source>
        <translation>Поздравляем!</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Free software: you may copy, share and change it.</source>
        <translation>Свободная программа: её можно копировать, распространять и изменять.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind.</source>
        <translation>Она поставляется без каких-либо гарантий.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Картинки</translation>
    </message>
    <message>
        <source>New Image</source>
        <translation>Другая картинка</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>Картинка целиком</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Reshuffle</source>
        <translation>Перемешать</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Картинки</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;N° of tesserae</source>
        <translation>&amp;Количество деталей</translation>
    </message>
    <message>
        <source>&amp;Help beep</source>
        <translation>&amp;Звуковой сигнал</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>&amp;Block on right positions</source>
        <translation>&amp;Фиксировать детали на своих местах</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Музыка</translation>
    </message>
    <message>
        <source>none</source>
        <translation>без музыки</translation>
    </message>
    <message>
        <source>Sequential mode</source>
        <translation>По порядку</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Waiting animation</source>
        <translation>Анимация ожидания</translation>
    </message>
    <message>
        <source>       Select the   number of   tesserae in    Option          Menu......                            then        choose the Image.</source>
        <translation>       Выберите   число   деталей в    меню          Настройки,                            а затем        выберите картинку.</translation>
    </message>
    <message>
        <source>tile %1, lifted</source>
        <translation>деталь %1, поднята</translation>
    </message>
    <message>
        <source>tile %1, on cell %2</source>
        <translation>деталь %1, на клетке %2</translation>
    </message>
    <message>
        <source>tile %1, in the tray</source>
        <translation>деталь %1, в лотке</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, empty</source>
        <translation>клетка %1, строка %2, столбец %3, пустая</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4</source>
        <translation>клетка %1, строка %2, столбец %3, деталь %4</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4, locked</source>
        <translation>клетка %1, строка %2, столбец %3, деталь %4, зафиксирована</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds no picture the game can play: it plays pictures whose names end in .jpg, .jpeg, .png, .webp, .heic, .heif or .avif.</source>
        <translation>В категории «%1» нет картинок для игры: игра использует картинки, имена которых оканчиваются на .jpg, .jpeg, .png, .webp, .heic, .heif или .avif.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: %2.</source>
        <translation>Картинку «%1» нельзя использовать: %2.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: at %2 x %3 pixels it is too small to cut into %4 tiles.</source>
        <translation>Картинку «%1» нельзя использовать: при размере %2 × %3 пикс. она слишком мала, чтобы разрезать её на %4 деталей.</translation>
    </message>
    <message>
        <source>%1 Library</source>
        <translation>Коллекция «%1»</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is no longer there.</source>
        <translation>Категории «%1» больше нет.</translation>
    </message>
    <message>
        <source>Vareriz cannot start without the picture &quot;%1&quot;: %2.</source>
        <translation>Vareriz не может запуститься без картинки «%1»: %2.</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>Вставленная картинка</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Буфер обмена</translation>
    </message>
    <message>
        <source>Open a Photo</source>
        <translation>Открыть фотографию</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Фотографии (%1)</translation>
    </message>
</context>
<context>
    <name>MMControl</name>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>it is damaged</source>
        <translation>она повреждена</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>в ней нет изображения</translation>
    </message>
    <message>
        <source>it is of a kind the game cannot read</source>
        <translation>игра не умеет читать картинки такого формата</translation>
    </message>
    <message>
        <source>it is too large (%1 x %2 pixels)</source>
        <translation>она слишком велика (%1 × %2 пикс.)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>это не файл</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>её не удаётся прочитать</translation>
    </message>
    <message>
        <source>it is not a picture</source>
        <translation>это не картинка</translation>
    </message>
    <message>
        <source>its size cannot be read</source>
        <translation>не удаётся узнать её размер</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>она повреждена (%1)</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>файл слишком большой</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vareriz: unexpected argument &apos;%1&apos; (try vareriz --help)
</source>
        <translation>vareriz: неизвестный аргумент «%1» (см. vareriz --help)
</translation>
    </message>
    <message>
        <source>vareriz: no display found; start it from a desktop session (DISPLAY is not set)
</source>
        <translation>vareriz: дисплей не найден; запустите игру из графического сеанса (переменная DISPLAY не задана)
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
        <translation>Использование: vareriz [ФОТО...]
               vareriz --help | --version
Пазл из картинок: выберите картинку и соберите её из перемешанных деталей.

Если указаны фотографии, игра начинается с первой из них; остальные пропускаются.
Фотография, перетащенная в окно, вставленная (Ctrl+V) или открытая (Ctrl+O),
тоже раздаётся, пока картинка не выбрана.

Свои картинки: создайте в ~/.local/share/vareriz/ (или $XDG_DATA_HOME/vareriz/) папку
для каждой категории и положите в неё свои фотографии (.jpg, .jpeg, .heic, .heif, .png,
.webp или .avif). См. vareriz(6).
</translation>
    </message>
</context>
</TS>
