<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Error loading image</source>
        <translation>Nie można wczytać obrazka</translation>
    </message>
    <message>
        <source>WRITE TO FILE: Error </source>
        <translation>ZAPIS DO PLIKU: błąd </translation>
    </message>
    <message>
        <source>Please redefine array size</source>
        <translation>Zmień rozmiar tablicy</translation>
    </message>
    <message>
        <source>Error message!</source>
        <translation>Komunikat o błędzie!</translation>
    </message>
    <message>
        <source>the picture header is incomplete</source>
        <translation>nagłówek obrazka jest niepełny</translation>
    </message>
    <message>
        <source>the picture is not 24 bits per pixel</source>
        <translation>obrazek nie ma 24 bitów na piksel</translation>
    </message>
    <message>
        <source>the picture is compressed in an unsupported way</source>
        <translation>obrazek jest skompresowany w nieobsługiwany sposób</translation>
    </message>
    <message>
        <source>the picture size is invalid</source>
        <translation>rozmiar obrazka jest nieprawidłowy</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>obrazek jest za duży</translation>
    </message>
    <message>
        <source>the picture data is shorter than its header says</source>
        <translation>dane obrazka są krótsze, niż podaje nagłówek</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>za mało pamięci na obrazek</translation>
    </message>
    <message>
        <source>the decompressor could not start</source>
        <translation>nie udało się rozpocząć dekompresji</translation>
    </message>
    <message>
        <source>the compressed picture data ends early</source>
        <translation>skompresowane dane obrazka kończą się za wcześnie</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>New font</source>
        <translation>Nowa czcionka</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Koniec!</translation>
    </message>
</context>
<context>
    <name>THarvestaForm</name>
    <message>
        <source>YIELD</source>
        <translation>ZBIORY</translation>
    </message>
    <message>
        <source>Start game</source>
        <translation>Graj</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Form.Parameters</source>
        <translation>Okno.Rozmiar</translation>
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
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Are you really want to start new game?</source>
        <translation>Na pewno chcesz zacząć nową grę?</translation>
    </message>
    <message>
        <source>Width = %1 Height = %2</source>
        <translation>Szerokość = %1 Wysokość = %2</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
</context>
<context>
    <name>TResultsKey</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Nieprawidłowy typ danych dla „%1”</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Nie udało się zapisać danych dla „%1”</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;; sound stays on</source>
        <translation>„%1” nie jest prawidłową wartością dla „%2”; dźwięk zostaje włączony</translation>
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
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Napisz do nas</translation>
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
        <translation>Nowy rekord! </translation>
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
        <translation>Harvesta – instrukcja</translation>
    </message>
</context>
</TS>
