<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error loading image</source>
        <translation>Ein Bild lässt sich nicht laden</translation>
    </message>
    <message>
        <source>WRITE TO FILE: Error </source>
        <translation>SCHREIBEN IN DATEI: Fehler </translation>
    </message>
    <message>
        <source>Please redefine array size</source>
        <translation>Bitte die Feldgröße anpassen</translation>
    </message>
    <message>
        <source>Error message!</source>
        <translation>Fehlermeldung!</translation>
    </message>
    <message>
        <source>the picture header is incomplete</source>
        <translation>der Kopf des Bildes ist unvollständig</translation>
    </message>
    <message>
        <source>the picture is not 24 bits per pixel</source>
        <translation>das Bild hat nicht 24 Bit pro Pixel</translation>
    </message>
    <message>
        <source>the picture is compressed in an unsupported way</source>
        <translation>das Bild ist auf eine unbekannte Art gepackt</translation>
    </message>
    <message>
        <source>the picture size is invalid</source>
        <translation>die Bildgröße ist ungültig</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>the picture data is shorter than its header says</source>
        <translation>die Bilddaten sind kürzer als im Kopf angegeben</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>nicht genug Speicher für das Bild</translation>
    </message>
    <message>
        <source>the decompressor could not start</source>
        <translation>das Entpacken konnte nicht beginnen</translation>
    </message>
    <message>
        <source>the compressed picture data ends early</source>
        <translation>die gepackten Bilddaten enden zu früh</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>New font</source>
        <translation>Neue Schrift</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Spiel aus!</translation>
    </message>
</context>
<context>
    <name>THarvestaForm</name>
    <message>
        <source>YIELD</source>
        <translation>ERNTE</translation>
    </message>
    <message>
        <source>Start game</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Form.Parameters</source>
        <translation>Fenster.Größe</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Are you really want to start new game?</source>
        <translation>Möchtest du wirklich ein neues Spiel starten?</translation>
    </message>
    <message>
        <source>Width = %1 Height = %2</source>
        <translation>Breite = %1 Höhe = %2</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
</context>
<context>
    <name>TResultsKey</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Falscher Datentyp für „%1“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für „%1“ konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;; sound stays on</source>
        <translation>„%1“ ist kein gültiger Wert für „%2“; der Ton bleibt an</translation>
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
        <translation>Schreib uns</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>Best scores </source>
        <translation>Rekorde </translation>
    </message>
    <message>
        <source>You get highest results! </source>
        <translation>Neuer Rekord! </translation>
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
        <translation>Harvesta – Anleitung</translation>
    </message>
</context>
</TS>
