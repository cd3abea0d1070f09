<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Error loading image</source>
        <translation>Não foi possível carregar uma imagem</translation>
    </message>
    <message>
        <source>WRITE TO FILE: Error </source>
        <translation>GRAVAÇÃO EM ARQUIVO: erro </translation>
    </message>
    <message>
        <source>Please redefine array size</source>
        <translation>Redefina o tamanho da matriz</translation>
    </message>
    <message>
        <source>Error message!</source>
        <translation>Mensagem de erro!</translation>
    </message>
    <message>
        <source>the picture header is incomplete</source>
        <translation>o cabeçalho da imagem está incompleto</translation>
    </message>
    <message>
        <source>the picture is not 24 bits per pixel</source>
        <translation>a imagem não tem 24 bits por pixel</translation>
    </message>
    <message>
        <source>the picture is compressed in an unsupported way</source>
        <translation>a imagem está compactada de um jeito não suportado</translation>
    </message>
    <message>
        <source>the picture size is invalid</source>
        <translation>o tamanho da imagem é inválido</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>a imagem é grande demais</translation>
    </message>
    <message>
        <source>the picture data is shorter than its header says</source>
        <translation>os dados da imagem são mais curtos do que diz o cabeçalho</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>memória insuficiente para a imagem</translation>
    </message>
    <message>
        <source>the decompressor could not start</source>
        <translation>não foi possível iniciar a descompactação</translation>
    </message>
    <message>
        <source>the compressed picture data ends early</source>
        <translation>os dados compactados da imagem terminam cedo demais</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>New font</source>
        <translation>Nova fonte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Fim!</translation>
    </message>
</context>
<context>
    <name>THarvestaForm</name>
    <message>
        <source>YIELD</source>
        <translation>COLHEITA</translation>
    </message>
    <message>
        <source>Start game</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Form.Parameters</source>
        <translation>Janela.Tamanho</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Janela</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Are you really want to start new game?</source>
        <translation>Quer mesmo começar um jogo novo?</translation>
    </message>
    <message>
        <source>Width = %1 Height = %2</source>
        <translation>Largura = %1 Altura = %2</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
</context>
<context>
    <name>TResultsKey</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de dado inválido para “%1”</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1” não é um número inteiro válido</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Não foi possível gravar os dados de “%1”</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;; sound stays on</source>
        <translation>“%1” não é um valor válido para “%2”; o som continua ligado</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Fale conosco</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>Best scores </source>
        <translation>Recordes </translation>
    </message>
    <message>
        <source>You get highest results! </source>
        <translation>Novo recorde! </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ThlpForm</name>
    <message>
        <source>Harvesta Manual</source>
        <translation>Harvesta – Ajuda</translation>
    </message>
</context>
</TS>
