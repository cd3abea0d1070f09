<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Error loading image</source>
        <translation>Impossibile caricare un&apos;immagine</translation>
    </message>
    <message>
        <source>WRITE TO FILE: Error </source>
        <translation>SCRITTURA SU FILE: errore </translation>
    </message>
    <message>
        <source>Please redefine array size</source>
        <translation>Ridefinisci la dimensione della matrice</translation>
    </message>
    <message>
        <source>Error message!</source>
        <translation>Messaggio di errore!</translation>
    </message>
    <message>
        <source>the picture header is incomplete</source>
        <translation>l&apos;intestazione dell&apos;immagine è incompleta</translation>
    </message>
    <message>
        <source>the picture is not 24 bits per pixel</source>
        <translation>l&apos;immagine non è a 24 bit per pixel</translation>
    </message>
    <message>
        <source>the picture is compressed in an unsupported way</source>
        <translation>l&apos;immagine è compressa in un modo non supportato</translation>
    </message>
    <message>
        <source>the picture size is invalid</source>
        <translation>la dimensione dell&apos;immagine non è valida</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>l&apos;immagine è troppo grande</translation>
    </message>
    <message>
        <source>the picture data is shorter than its header says</source>
        <translation>i dati dell&apos;immagine sono più corti di quanto dice l&apos;intestazione</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>memoria insufficiente per l&apos;immagine</translation>
    </message>
    <message>
        <source>the decompressor could not start</source>
        <translation>impossibile avviare la decompressione</translation>
    </message>
    <message>
        <source>the compressed picture data ends early</source>
        <translation>i dati compressi dell&apos;immagine finiscono troppo presto</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>New font</source>
        <translation>Nuovo carattere</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Fine!</translation>
    </message>
</context>
<context>
    <name>THarvestaForm</name>
    <message>
        <source>YIELD</source>
        <translation>RACCOLTO</translation>
    </message>
    <message>
        <source>Start game</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Form.Parameters</source>
        <translation>Finestra.Dimensioni</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Are you really want to start new game?</source>
        <translation>Vuoi davvero iniziare una nuova partita?</translation>
    </message>
    <message>
        <source>Width = %1 Height = %2</source>
        <translation>Larghezza = %1 Altezza = %2</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suoni</translation>
    </message>
</context>
<context>
    <name>TResultsKey</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo di dati non valido per «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» non è un numero intero valido</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossibile salvare i dati di «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;; sound stays on</source>
        <translation>«%1» non è un valore valido per «%2»; il suono resta acceso</translation>
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
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Scrivici</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>Best scores </source>
        <translation>Record </translation>
    </message>
    <message>
        <source>You get highest results! </source>
        <translation>Nuovo record! </translation>
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
        <translation>Harvesta – Istruzioni</translation>
    </message>
</context>
</TS>
