<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Form1</name>
    <message>
        <source>Congratulations</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Free software: you may copy, share and change it.</source>
        <translation>Software livre: você pode copiá-lo, compartilhá-lo e modificá-lo.</translation>
    </message>
    <message>
        <source>It comes with no warranty of any kind.</source>
        <translation>É fornecido sem nenhum tipo de garantia.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>New Image</source>
        <translation>Outra imagem</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>A imagem inteira</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Reshuffle</source>
        <translation>Reembaralhar</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Imagens</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;N° of tesserae</source>
        <translation>&amp;Número de peças</translation>
    </message>
    <message>
        <source>&amp;Help beep</source>
        <translation>&amp;Aviso sonoro</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>&amp;Block on right positions</source>
        <translation>&amp;Travar peças no lugar certo</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Música</translation>
    </message>
    <message>
        <source>none</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Sequential mode</source>
        <translation>Em sequência</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Waiting animation</source>
        <translation>Animação de espera</translation>
    </message>
    <message>
        <source>       Select the   number of   tesserae in    Option          Menu......                            then        choose the Image.</source>
        <translation>       Escolha o   número de   peças no    menu          Opções                            e depois        escolha a imagem.</translation>
    </message>
    <message>
        <source>tile %1, lifted</source>
        <translation>peça %1, levantada</translation>
    </message>
    <message>
        <source>tile %1, on cell %2</source>
        <translation>peça %1, na casa %2</translation>
    </message>
    <message>
        <source>tile %1, in the tray</source>
        <translation>peça %1, na bandeja</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, empty</source>
        <translation>casa %1, linha %2, coluna %3, vazia</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4</source>
        <translation>casa %1, linha %2, coluna %3, peça %4</translation>
    </message>
    <message>
        <source>cell %1, row %2, column %3, tile %4, locked</source>
        <translation>casa %1, linha %2, coluna %3, peça %4, travada</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; holds no picture the game can play: it plays pictures whose names end in .jpg, .jpeg, .png, .webp, .heic, .heif or .avif.</source>
        <translation>A categoria “%1” não tem nenhuma imagem para jogar: o jogo usa imagens cujo nome termina em .jpg, .jpeg, .png, .webp, .heic, .heif ou .avif.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: %2.</source>
        <translation>Não é possível usar a imagem “%1”: %2.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be used: at %2 x %3 pixels it is too small to cut into %4 tiles.</source>
        <translation>Não é possível usar a imagem “%1”: com %2 × %3 pixels, ela é pequena demais para ser dividida em %4 peças.</translation>
    </message>
    <message>
        <source>%1 Library</source>
        <translation>Coleção %1</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is no longer there.</source>
        <translation>A categoria “%1” não existe mais.</translation>
    </message>
    <message>
        <source>Vareriz cannot start without the picture &quot;%1&quot;: %2.</source>
        <translation>O Vareriz não pode ser iniciado sem a imagem “%1”: %2.</translation>
    </message>
    <message>
        <source>Pasted picture</source>
        <translation>Imagem colada</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Área de transferência</translation>
    </message>
    <message>
        <source>Open a Photo</source>
        <translation>Abrir uma foto</translation>
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
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>it is damaged</source>
        <translation>está danificada</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>não contém nenhuma imagem</translation>
    </message>
    <message>
        <source>it is of a kind the game cannot read</source>
        <translation>o jogo não consegue ler esse tipo de imagem</translation>
    </message>
    <message>
        <source>it is too large (%1 x %2 pixels)</source>
        <translation>é grande demais (%1 × %2 pixels)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não é possível lê-la</translation>
    </message>
    <message>
        <source>it is not a picture</source>
        <translation>não é uma imagem</translation>
    </message>
    <message>
        <source>its size cannot be read</source>
        <translation>não é possível ler o tamanho dela</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>está danificada (%1)</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>o arquivo é grande demais</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vareriz: unexpected argument &apos;%1&apos; (try vareriz --help)
</source>
        <translation>vareriz: argumento inesperado “%1” (tente vareriz --help)
</translation>
    </message>
    <message>
        <source>vareriz: no display found; start it from a desktop session (DISPLAY is not set)
</source>
        <translation>vareriz: nenhuma tela encontrada; inicie-o a partir de uma sessão gráfica (DISPLAY não está definida)
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
Um quebra-cabeça de imagens: escolha uma imagem e monte-a de novo com as peças embaralhadas.

Com fotos, o jogo começa com a primeira já distribuída; as demais são ignoradas.
Uma foto arrastada para a janela, colada (Ctrl+V) ou aberta (Ctrl+O) também
é distribuída, enquanto nenhuma imagem estiver escolhida.

Suas próprias imagens: crie uma pasta em ~/.local/share/vareriz/ (ou $XDG_DATA_HOME/vareriz/)
para cada categoria e coloque nela as suas fotos (.jpg, .jpeg, .heic, .heif, .png,
.webp ou .avif). Veja vareriz(6).
</translation>
    </message>
</context>
</TS>
