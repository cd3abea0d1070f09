<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Error loading image</source>
        <translation>Не вдалося завантажити малюнок</translation>
    </message>
    <message>
        <source>WRITE TO FILE: Error </source>
        <translation>ЗАПИС У ФАЙЛ: помилка </translation>
    </message>
    <message>
        <source>Please redefine array size</source>
        <translation>Змініть розмір масиву</translation>
    </message>
    <message>
        <source>Error message!</source>
        <translation>Повідомлення про помилку!</translation>
    </message>
    <message>
        <source>the picture header is incomplete</source>
        <translation>заголовок малюнка неповний</translation>
    </message>
    <message>
        <source>the picture is not 24 bits per pixel</source>
        <translation>у малюнку не 24 біти на піксель</translation>
    </message>
    <message>
        <source>the picture is compressed in an unsupported way</source>
        <translation>малюнок стиснуто непідтримуваним способом</translation>
    </message>
    <message>
        <source>the picture size is invalid</source>
        <translation>неправильний розмір малюнка</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>малюнок завеликий</translation>
    </message>
    <message>
        <source>the picture data is shorter than its header says</source>
        <translation>дані малюнка коротші, ніж зазначено в заголовку</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>бракує пам&apos;яті для малюнка</translation>
    </message>
    <message>
        <source>the decompressor could not start</source>
        <translation>не вдалося почати розпакування</translation>
    </message>
    <message>
        <source>the compressed picture data ends early</source>
        <translation>стиснені дані малюнка обриваються</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>New font</source>
        <translation>Новий шрифт</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Кінець!</translation>
    </message>
</context>
<context>
    <name>THarvestaForm</name>
    <message>
        <source>YIELD</source>
        <translation>УРОЖАЙ</translation>
    </message>
    <message>
        <source>Start game</source>
        <translation>Грати</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Form.Parameters</source>
        <translation>Вікно.Розмір</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Вікно</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Як грати</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про гру</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Are you really want to start new game?</source>
        <translation>Ти справді хочеш почати нову гру?</translation>
    </message>
    <message>
        <source>Width = %1 Height = %2</source>
        <translation>Ширина = %1 Висота = %2</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
</context>
<context>
    <name>TResultsKey</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Неправильний тип даних для «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» не є цілим числом</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Не вдалося зберегти дані для «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;; sound stays on</source>
        <translation>«%1» — неприпустиме значення для «%2»; звук лишається увімкненим</translation>
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
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Напишіть нам</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>Best scores </source>
        <translation>Рекорди </translation>
    </message>
    <message>
        <source>You get highest results! </source>
        <translation>Новий рекорд! </translation>
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
        <translation>Harvesta — як грати</translation>
    </message>
</context>
</TS>
