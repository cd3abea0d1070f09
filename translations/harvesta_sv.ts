<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Error loading image</source>
        <translation>En bild kunde inte läsas in</translation>
    </message>
    <message>
        <source>WRITE TO FILE: Error </source>
        <translation>SKRIVNING TILL FIL: fel </translation>
    </message>
    <message>
        <source>Please redefine array size</source>
        <translation>Ändra storleken på matrisen</translation>
    </message>
    <message>
        <source>Error message!</source>
        <translation>Felmeddelande!</translation>
    </message>
    <message>
        <source>the picture header is incomplete</source>
        <translation>bildens huvud är ofullständigt</translation>
    </message>
    <message>
        <source>the picture is not 24 bits per pixel</source>
        <translation>bilden har inte 24 bitar per pixel</translation>
    </message>
    <message>
        <source>the picture is compressed in an unsupported way</source>
        <translation>bilden är komprimerad på ett sätt som inte stöds</translation>
    </message>
    <message>
        <source>the picture size is invalid</source>
        <translation>bildens storlek är ogiltig</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>bilden är för stor</translation>
    </message>
    <message>
        <source>the picture data is shorter than its header says</source>
        <translation>bilddata är kortare än huvudet anger</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>inte tillräckligt med minne för bilden</translation>
    </message>
    <message>
        <source>the decompressor could not start</source>
        <translation>uppackningen kunde inte starta</translation>
    </message>
    <message>
        <source>the compressed picture data ends early</source>
        <translation>komprimerade bilddata tar slut för tidigt</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>New font</source>
        <translation>Nytt typsnitt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Slut!</translation>
    </message>
</context>
<context>
    <name>THarvestaForm</name>
    <message>
        <source>YIELD</source>
        <translation>SKÖRD</translation>
    </message>
    <message>
        <source>Start game</source>
        <translation>Spela</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Form.Parameters</source>
        <translation>Fönster.Storlek</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Fönster</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>Are you really want to start new game?</source>
        <translation>Vill du verkligen börja ett nytt spel?</translation>
    </message>
    <message>
        <source>Width = %1 Height = %2</source>
        <translation>Bredd = %1 Höjd = %2</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ljud</translation>
    </message>
</context>
<context>
    <name>TResultsKey</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ogiltig datatyp för ”%1”</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>”%1” är inte ett giltigt heltal</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Det gick inte att spara data för ”%1”</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;; sound stays on</source>
        <translation>”%1” är inte ett giltigt värde för ”%2”; ljudet är kvar på</translation>
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
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Skriv till oss</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>Best scores </source>
        <translation>Rekord </translation>
    </message>
    <message>
        <source>You get highest results! </source>
        <translation>Nytt rekord! </translation>
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
        <translation>Harvesta – hjälp</translation>
    </message>
</context>
</TS>
