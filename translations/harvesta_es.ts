<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error loading image</source>
        <translation>No se puede cargar una imagen</translation>
    </message>
    <message>
        <source>WRITE TO FILE: Error </source>
        <translation>ESCRITURA EN ARCHIVO: error </translation>
    </message>
    <message>
        <source>Please redefine array size</source>
        <translation>Redefine el tamaño de la matriz</translation>
    </message>
    <message>
        <source>Error message!</source>
        <translation>¡Mensaje de error!</translation>
    </message>
    <message>
        <source>the picture header is incomplete</source>
        <translation>la cabecera de la imagen está incompleta</translation>
    </message>
    <message>
        <source>the picture is not 24 bits per pixel</source>
        <translation>la imagen no tiene 24 bits por píxel</translation>
    </message>
    <message>
        <source>the picture is compressed in an unsupported way</source>
        <translation>la imagen está comprimida de una forma no admitida</translation>
    </message>
    <message>
        <source>the picture size is invalid</source>
        <translation>el tamaño de la imagen no es válido</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>la imagen es demasiado grande</translation>
    </message>
    <message>
        <source>the picture data is shorter than its header says</source>
        <translation>los datos de la imagen son más cortos de lo que indica la cabecera</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>no hay memoria suficiente para la imagen</translation>
    </message>
    <message>
        <source>the decompressor could not start</source>
        <translation>no se pudo iniciar la descompresión</translation>
    </message>
    <message>
        <source>the compressed picture data ends early</source>
        <translation>los datos comprimidos de la imagen terminan antes de tiempo</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>New font</source>
        <translation>Nueva fuente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>¡Fin!</translation>
    </message>
</context>
<context>
    <name>THarvestaForm</name>
    <message>
        <source>YIELD</source>
        <translation>COSECHA</translation>
    </message>
    <message>
        <source>Start game</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Form.Parameters</source>
        <translation>Ventana.Tamaño</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Are you really want to start new game?</source>
        <translation>¿De verdad quieres empezar una partida nueva?</translation>
    </message>
    <message>
        <source>Width = %1 Height = %2</source>
        <translation>Ancho = %1 Alto = %2</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
</context>
<context>
    <name>TResultsKey</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de datos no válido para «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron guardar los datos de «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;; sound stays on</source>
        <translation>«%1» no es un valor válido para «%2»; el sonido sigue activado</translation>
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
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Escríbenos</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>Best scores </source>
        <translation>Récords </translation>
    </message>
    <message>
        <source>You get highest results! </source>
        <translation>¡Nuevo récord! </translation>
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
        <translation>Harvesta – Ayuda</translation>
    </message>
</context>
</TS>
