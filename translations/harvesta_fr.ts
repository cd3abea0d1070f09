<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error loading image</source>
        <translation>Impossible de charger une image</translation>
    </message>
    <message>
        <source>WRITE TO FILE: Error </source>
        <translation>ÉCRITURE DANS LE FICHIER : erreur </translation>
    </message>
    <message>
        <source>Please redefine array size</source>
        <translation>Veuillez redéfinir la taille du tableau</translation>
    </message>
    <message>
        <source>Error message!</source>
        <translation>Message d&apos;erreur !</translation>
    </message>
    <message>
        <source>the picture header is incomplete</source>
        <translation>l&apos;en-tête de l&apos;image est incomplet</translation>
    </message>
    <message>
        <source>the picture is not 24 bits per pixel</source>
        <translation>l&apos;image n&apos;est pas en 24 bits par pixel</translation>
    </message>
    <message>
        <source>the picture is compressed in an unsupported way</source>
        <translation>l&apos;image est compressée d&apos;une façon non prise en charge</translation>
    </message>
    <message>
        <source>the picture size is invalid</source>
        <translation>la taille de l&apos;image n&apos;est pas valide</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>l&apos;image est trop grande</translation>
    </message>
    <message>
        <source>the picture data is shorter than its header says</source>
        <translation>les données de l&apos;image sont plus courtes que ne l&apos;indique l&apos;en-tête</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>pas assez de mémoire pour l&apos;image</translation>
    </message>
    <message>
        <source>the decompressor could not start</source>
        <translation>la décompression n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>the compressed picture data ends early</source>
        <translation>les données compressées de l&apos;image s&apos;arrêtent trop tôt</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>New font</source>
        <translation>Nouvelle police</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Fin du jeu !</translation>
    </message>
</context>
<context>
    <name>THarvestaForm</name>
    <message>
        <source>YIELD</source>
        <translation>RÉCOLTE</translation>
    </message>
    <message>
        <source>Start game</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Form.Parameters</source>
        <translation>Fenêtre.Taille</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Are you really want to start new game?</source>
        <translation>Tu veux vraiment commencer une nouvelle partie ?</translation>
    </message>
    <message>
        <source>Width = %1 Height = %2</source>
        <translation>Largeur = %1 Hauteur = %2</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
</context>
<context>
    <name>TResultsKey</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valable pour « %1 »</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n&apos;est pas un nombre entier valable</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;enregistrer les données de « %1 »</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;; sound stays on</source>
        <translation>« %1 » n&apos;est pas une valeur valable pour « %2 » ; le son reste activé</translation>
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
        <translation>Nous écrire</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>Best scores </source>
        <translation>Records </translation>
    </message>
    <message>
        <source>You get highest results! </source>
        <translation>Nouveau record ! </translation>
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
        <translation>Harvesta – Aide</translation>
    </message>
</context>
</TS>
