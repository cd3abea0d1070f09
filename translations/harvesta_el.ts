<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>Error loading image</source>
        <translation>Αδυναμία φόρτωσης εικόνας</translation>
    </message>
    <message>
        <source>WRITE TO FILE: Error </source>
        <translation>ΕΓΓΡΑΦΗ ΣΕ ΑΡΧΕΙΟ: σφάλμα </translation>
    </message>
    <message>
        <source>Please redefine array size</source>
        <translation>Ορίστε ξανά το μέγεθος του πίνακα</translation>
    </message>
    <message>
        <source>Error message!</source>
        <translation>Μήνυμα σφάλματος!</translation>
    </message>
    <message>
        <source>the picture header is incomplete</source>
        <translation>η κεφαλίδα της εικόνας είναι ελλιπής</translation>
    </message>
    <message>
        <source>the picture is not 24 bits per pixel</source>
        <translation>η εικόνα δεν έχει 24 bit ανά εικονοστοιχείο</translation>
    </message>
    <message>
        <source>the picture is compressed in an unsupported way</source>
        <translation>η εικόνα είναι συμπιεσμένη με μη υποστηριζόμενο τρόπο</translation>
    </message>
    <message>
        <source>the picture size is invalid</source>
        <translation>το μέγεθος της εικόνας δεν είναι έγκυρο</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>η εικόνα είναι πολύ μεγάλη</translation>
    </message>
    <message>
        <source>the picture data is shorter than its header says</source>
        <translation>τα δεδομένα της εικόνας είναι λιγότερα από όσα λέει η κεφαλίδα</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>δεν υπάρχει αρκετή μνήμη για την εικόνα</translation>
    </message>
    <message>
        <source>the decompressor could not start</source>
        <translation>η αποσυμπίεση δεν μπόρεσε να ξεκινήσει</translation>
    </message>
    <message>
        <source>the compressed picture data ends early</source>
        <translation>τα συμπιεσμένα δεδομένα της εικόνας τελειώνουν νωρίς</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>New font</source>
        <translation>Νέα γραμματοσειρά</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Τέλος!</translation>
    </message>
</context>
<context>
    <name>THarvestaForm</name>
    <message>
        <source>YIELD</source>
        <translation>ΣΟΔΕΙΑ</translation>
    </message>
    <message>
        <source>Start game</source>
        <translation>Παίξε</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Παύση</translation>
    </message>
    <message>
        <source>Form.Parameters</source>
        <translation>Παράθυρο.Μέγεθος</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Παράθυρο</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Ρεκόρ</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Οδηγίες</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Νέο παιχνίδι</translation>
    </message>
    <message>
        <source>Are you really want to start new game?</source>
        <translation>Θέλεις σίγουρα να ξεκινήσεις νέο παιχνίδι;</translation>
    </message>
    <message>
        <source>Width = %1 Height = %2</source>
        <translation>Πλάτος = %1 Ύψος = %2</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ήχος</translation>
    </message>
</context>
<context>
    <name>TResultsKey</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Μη έγκυρος τύπος δεδομένων για «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>Το «%1» δεν είναι έγκυρος ακέραιος αριθμός</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Αποτυχία αποθήκευσης δεδομένων για «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;; sound stays on</source>
        <translation>Το «%1» δεν είναι έγκυρη τιμή για το «%2»· ο ήχος μένει ανοιχτός</translation>
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
        <translation>Έκδοση %1</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Επικοινωνία</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>Best scores </source>
        <translation>Ρεκόρ </translation>
    </message>
    <message>
        <source>You get highest results! </source>
        <translation>Νέο ρεκόρ! </translation>
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
        <translation>Harvesta – Οδηγίες</translation>
    </message>
</context>
</TS>
