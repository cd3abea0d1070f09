<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Error loading image</source>
        <translation>Een afbeelding kan niet worden geladen</translation>
    </message>
    <message>
        <source>WRITE TO FILE: Error </source>
        <translation>SCHRIJVEN NAAR BESTAND: fout </translation>
    </message>
    <message>
        <source>Please redefine array size</source>
        <translation>Pas de grootte van de matrix aan</translation>
    </message>
    <message>
        <source>Error message!</source>
        <translation>Foutmelding!</translation>
    </message>
    <message>
        <source>the picture header is incomplete</source>
        <translation>de kop van de afbeelding is onvolledig</translation>
    </message>
    <message>
        <source>the picture is not 24 bits per pixel</source>
        <translation>de afbeelding heeft geen 24 bits per pixel</translation>
    </message>
    <message>
        <source>the picture is compressed in an unsupported way</source>
        <translation>de afbeelding is op een niet-ondersteunde manier gecomprimeerd</translation>
    </message>
    <message>
        <source>the picture size is invalid</source>
        <translation>de grootte van de afbeelding is ongeldig</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>de afbeelding is te groot</translation>
    </message>
    <message>
        <source>the picture data is shorter than its header says</source>
        <translation>de afbeeldingsgegevens zijn korter dan de kop aangeeft</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>niet genoeg geheugen voor de afbeelding</translation>
    </message>
    <message>
        <source>the decompressor could not start</source>
        <translation>het uitpakken kon niet starten</translation>
    </message>
    <message>
        <source>the compressed picture data ends early</source>
        <translation>de gecomprimeerde afbeeldingsgegevens houden te vroeg op</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>New font</source>
        <translation>Nieuw lettertype</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Klaar!</translation>
    </message>
</context>
<context>
    <name>THarvestaForm</name>
    <message>
        <source>YIELD</source>
        <translation>OOGST</translation>
    </message>
    <message>
        <source>Start game</source>
        <translation>Spelen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Form.Parameters</source>
        <translation>Venster.Grootte</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Venster</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Are you really want to start new game?</source>
        <translation>Wil je echt een nieuw spel beginnen?</translation>
    </message>
    <message>
        <source>Width = %1 Height = %2</source>
        <translation>Breedte = %1 Hoogte = %2</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
</context>
<context>
    <name>TResultsKey</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ongeldig gegevenstype voor ‘%1’</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>‘%1’ is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Gegevens voor ‘%1’ konden niet worden opgeslagen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;; sound stays on</source>
        <translation>‘%1’ is geen geldige waarde voor ‘%2’; het geluid blijft aan</translation>
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
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Schrijf ons</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>Best scores </source>
        <translation>Topscores </translation>
    </message>
    <message>
        <source>You get highest results! </source>
        <translation>Nieuw record! </translation>
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
        <translation>Harvesta – Uitleg</translation>
    </message>
</context>
</TS>
