<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations</source>
        <translation>恭喜完成！</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>拼图板</translation>
    </message>
    <message>
        <source>Free software: you may copy, share and change it.</source>
        <translation>自由软件：你可以复制、分享和修改它。</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind.</source>
        <translation>本软件不提供任何形式的担保。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>分类</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>New Image</source>
        <translation>换一张图片</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>完整图片</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Reshuffle</source>
        <translation>重新打乱</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>图片(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;N° of tesserae</source>
        <translation>拼块数量(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Help beep</source>
        <translation>提示音(&amp;H)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>no</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&amp;Block on right positions</source>
        <translation>锁定放对的拼块(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>音乐(&amp;M)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Sequential mode</source>
        <translation>顺序播放</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Waiting animation</source>
        <translation>等待动画</translation>
    </message>
    <message>
        <source>       Select the   number of   tesserae in    Option          Menu......                            then        choose the Image.</source>
        <translation>请先在“选项”菜单中选择拼块数量，然后选择图片。</translation>
    </message>
    <message>
        <source>tile %1, lifted</source>
        <translation>拼块 %1，已拿起</translation>
    </message>
    <message>
        <source>tile %1, on cell %2</source>
        <translation>拼块 %1，在格子 %2 上</translation>
    </message>
    <message>
        <source>tile %1, in the tray</source>
        <translation>拼块 %1，在托盘中</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, empty</source>
        <translation>格子 %1，第 %2 行，第 %3 列，空</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4</source>
        <translation>格子 %1，第 %2 行，第 %3 列，拼块 %4</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4, locked</source>
        <translation>格子 %1，第 %2 行，第 %3 列，拼块 %4，已锁定</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds no picture the game can play: it plays pictures whose names end in .jpg, .jpeg, .png, .webp, .heic, .heif or .avif.</source>
        <translation>分类“%1”中没有可以玩的图片：游戏只使用扩展名为 .jpg、.jpeg、.png、.webp、.heic、.heif 或 .avif 的图片。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: %2.</source>
        <translation>无法使用图片“%1”：%2。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: at %2 x %3 pixels it is too small to cut into %4 tiles.</source>
        <translation>无法使用图片“%1”：图片只有 %2 × %3 像素，太小，无法分成 %4 个拼块。</translation>
    </message>
    <message>
        <source>%1 Library</source>
        <translation>%1 图库</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is no longer there.</source>
        <translation>分类“%1”已不存在。</translation>
    </message>
    <message>
        <source>Vareriz cannot start without the picture &quot;%1&quot;: %2.</source>
        <translation>缺少图片“%1”，Vareriz 无法启动：%2。</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>粘贴的图片</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>剪贴板</translation>
    </message>
    <message>
        <source>Open a Photo</source>
        <translation>打开照片</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>照片 (%1)</translation>
    </message>
</context>
<context>
    <name>MMControl</name>
    <message>
        <source>Music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
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
        <translation>文件已损坏</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>其中没有图片</translation>
    </message>
    <message>
        <source>it is of a kind the game cannot read</source>
        <translation>游戏无法读取这种图片</translation>
    </message>
    <message>
        <source>it is too large (%1 x %2 pixels)</source>
        <translation>图片太大（%1 × %2 像素）</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>这不是文件</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>it is not a picture</source>
        <translation>这不是图片</translation>
    </message>
    <message>
        <source>its size cannot be read</source>
        <translation>无法读取图片尺寸</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>文件已损坏（%1）</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>文件太大</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vareriz: unexpected argument &apos;%1&apos; (try vareriz --help)
</source>
        <translation>vareriz：未知参数“%1”（请参阅 vareriz --help）
</translation>
    </message>
    <message>
        <source>vareriz: no display found; start it from a desktop session (DISPLAY is not set)
</source>
        <translation>vareriz：找不到图形显示环境；请在桌面会话中启动（未设置 DISPLAY）
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
        <translation>用法：vareriz [照片...]
      vareriz --help | --version
图片拼图：选择一张图片，把打乱的拼块重新拼成原图。

指定照片时，游戏启动后即用第一张照片开始一局；其余照片不会使用。
尚未选择图片时，拖放到窗口、粘贴（Ctrl+V）或打开（Ctrl+O）的照片也会直接开始一局。

自己的图片：在 ~/.local/share/vareriz/（或 $XDG_DATA_HOME/vareriz/）中为每个分类
建一个文件夹，把照片放进去（.jpg、.jpeg、.heic、.heif、.png、
.webp 或 .avif）。详见 vareriz(6)。
</translation>
    </message>
</context>
</TS>
