<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Error loading image</source>
        <translation>Obrázek nelze načíst</translation>
    </message>
    <message>
        <source>WRITE TO FILE: Error </source>
        <translation>ZÁPIS DO SOUBORU: chyba </translation>
    </message>
    <message>
        <source>Please redefine array size</source>
        <translation>Změňte velikost pole</translation>
    </message>
    <message>
        <source>Error message!</source>
        <translation>Chybové hlášení!</translation>
    </message>
    <message>
        <source>the picture header is incomplete</source>
        <translation>hlavička obrázku je neúplná</translation>
    </message>
    <message>
        <source>the picture is not 24 bits per pixel</source>
        <translation>obrázek nemá 24 bitů na pixel</translation>
    </message>
    <message>
        <source>the picture is compressed in an unsupported way</source>
        <translation>obrázek je komprimován nepodporovaným způsobem</translation>
    </message>
    <message>
        <source>the picture size is invalid</source>
        <translation>velikost obrázku je neplatná</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>obrázek je příliš velký</translation>
    </message>
    <message>
        <source>the picture data is shorter than its header says</source>
        <translation>data obrázku jsou kratší, než uvádí hlavička</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>nedostatek paměti pro obrázek</translation>
    </message>
    <message>
        <source>the decompressor could not start</source>
        <translation>dekompresi nelze spustit</translation>
    </message>
    <message>
        <source>the compressed picture data ends early</source>
        <translation>komprimovaná data obrázku končí příliš brzy</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>New font</source>
        <translation>Nové písmo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Konec!</translation>
    </message>
</context>
<context>
    <name>THarvestaForm</name>
    <message>
        <source>YIELD</source>
        <translation>ÚRODA</translation>
    </message>
    <message>
        <source>Start game</source>
        <translation>Hrát</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Form.Parameters</source>
        <translation>Okno.Velikost</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Návod</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O hře</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Are you really want to start new game?</source>
        <translation>Opravdu chceš začít novou hru?</translation>
    </message>
    <message>
        <source>Width = %1 Height = %2</source>
        <translation>Šířka = %1 Výška = %2</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
</context>
<context>
    <name>TResultsKey</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Neplatný typ dat pro „%1“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ není platné celé číslo</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Data pro „%1“ nelze uložit</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;; sound stays on</source>
        <translation>„%1“ není platná hodnota pro „%2“; zvuk zůstává zapnutý</translation>
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
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Napište nám</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>Best scores </source>
        <translation>Rekordy </translation>
    </message>
    <message>
        <source>You get highest results! </source>
        <translation>Nový rekord! </translation>
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
        <translation>Harvesta – návod</translation>
    </message>
</context>
</TS>
