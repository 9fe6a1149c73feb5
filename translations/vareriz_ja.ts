<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations</source>
        <translation>おめでとう！</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Free software: you may copy, share and change it.</source>
        <translation>フリーソフトウェアです。自由にコピー、共有、改変できます。</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind.</source>
        <translation>いかなる保証もありません。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリー</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>New Image</source>
        <translation>別の画像</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>完成図</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Reshuffle</source>
        <translation>再シャッフル</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>画像(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;N° of tesserae</source>
        <translation>ピースの数(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Help beep</source>
        <translation>ヒント音(&amp;H)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>no</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>&amp;Block on right positions</source>
        <translation>正しい位置のピースを固定(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>音楽(&amp;M)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Sequential mode</source>
        <translation>順番に再生</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Waiting animation</source>
        <translation>待機アニメーション</translation>
    </message>
    <message>
        <source>       Select the   number of   tesserae in    Option          Menu......                            then        choose the Image.</source>
        <translation>まず「オプション」メニューでピースの数を選び、次に画像を選んでください。</translation>
    </message>
    <message>
        <source>tile %1, lifted</source>
        <translation>ピース %1、持ち上げ中</translation>
    </message>
    <message>
        <source>tile %1, on cell %2</source>
        <translation>ピース %1、マス %2 の上</translation>
    </message>
    <message>
        <source>tile %1, in the tray</source>
        <translation>ピース %1、トレイ内</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, empty</source>
        <translation>マス %1、%2 行目 %3 列目、空き</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4</source>
        <translation>マス %1、%2 行目 %3 列目、ピース %4</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4, locked</source>
        <translation>マス %1、%2 行目 %3 列目、ピース %4、固定</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds no picture the game can play: it plays pictures whose names end in .jpg, .jpeg, .png, .webp, .heic, .heif or .avif.</source>
        <translation>カテゴリー「%1」には遊べる画像がありません。使えるのは拡張子が .jpg、.jpeg、.png、.webp、.heic、.heif、.avif の画像です。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: %2.</source>
        <translation>画像「%1」は使えません（%2）。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: at %2 x %3 pixels it is too small to cut into %4 tiles.</source>
        <translation>画像「%1」は使えません。%2 × %3 ピクセルでは小さすぎて %4 ピースに分けられません。</translation>
    </message>
    <message>
        <source>%1 Library</source>
        <translation>%1 コレクション</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is no longer there.</source>
        <translation>カテゴリー「%1」はもうありません。</translation>
    </message>
    <message>
        <source>Vareriz cannot start without the picture &quot;%1&quot;: %2.</source>
        <translation>画像「%1」がないため、Vareriz を起動できません（%2）。</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>貼り付けた画像</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>クリップボード</translation>
    </message>
    <message>
        <source>Open a Photo</source>
        <translation>写真を開く</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>写真 (%1)</translation>
    </message>
</context>
<context>
    <name>MMControl</name>
    <message>
        <source>Music</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>it is damaged</source>
        <translation>ファイルが壊れています</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>画像が入っていません</translation>
    </message>
    <message>
        <source>it is of a kind the game cannot read</source>
        <translation>この形式の画像は読み込めません</translation>
    </message>
    <message>
        <source>it is too large (%1 x %2 pixels)</source>
        <translation>大きすぎます（%1 × %2 ピクセル）</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>it is not a picture</source>
        <translation>画像ではありません</translation>
    </message>
    <message>
        <source>its size cannot be read</source>
        <translation>サイズを読み取れません</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>ファイルが壊れています（%1）</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vareriz: unexpected argument &apos;%1&apos; (try vareriz --help)
</source>
        <translation>vareriz: 不明な引数「%1」（vareriz --help を参照してください）
</translation>
    </message>
    <message>
        <source>vareriz: no display found; start it from a desktop session (DISPLAY is not set)
</source>
        <translation>vareriz: ディスプレイが見つかりません。デスクトップのセッションから起動してください（DISPLAY が設定されていません）
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
        <translation>使い方: vareriz [写真...]
        vareriz --help | --version
画像パズル: 画像を選び、シャッフルされたピースから元の画像を組み立てます。

写真を指定すると、最初の写真を配った状態でゲームが始まります（残りは使われません）。
画像を選んでいない間は、ウィンドウにドロップした写真、貼り付けた写真（Ctrl+V）、
開いた写真（Ctrl+O）も配られます。

自分の画像: ~/.local/share/vareriz/ (または $XDG_DATA_HOME/vareriz/) にカテゴリーごとの
フォルダーを作り、写真を入れてください (.jpg、.jpeg、.heic、.heif、.png、
.webp、.avif)。詳しくは vareriz(6) を参照してください。
</translation>
    </message>
</context>
</TS>
