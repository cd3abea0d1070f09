<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Error loading image</source>
        <translation>Не удалось загрузить картинку</translation>
    </message>
    <message>
        <source>WRITE TO FILE: Error </source>
        <translation>ЗАПИСЬ В ФАЙЛ: ошибка </translation>
    </message>
    <message>
        <source>Please redefine array size</source>
        <translation>Измените размер массива</translation>
    </message>
    <message>
        <source>Error message!</source>
        <translation>Сообщение об ошибке!</translation>
    </message>
    <message>
        <source>the picture header is incomplete</source>
        <translation>заголовок картинки неполный</translation>
    </message>
    <message>
        <source>the picture is not 24 bits per pixel</source>
        <translation>в картинке не 24 бита на пиксель</translation>
    </message>
    <message>
        <source>the picture is compressed in an unsupported way</source>
        <translation>картинка сжата неподдерживаемым способом</translation>
    </message>
    <message>
        <source>the picture size is invalid</source>
        <translation>неверный размер картинки</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>картинка слишком большая</translation>
    </message>
    <message>
        <source>the picture data is shorter than its header says</source>
        <translation>данные картинки короче, чем указано в заголовке</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>не хватает памяти для картинки</translation>
    </message>
    <message>
        <source>the decompressor could not start</source>
        <translation>не удалось начать распаковку</translation>
    </message>
    <message>
        <source>the compressed picture data ends early</source>
        <translation>сжатые данные картинки обрываются</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>New font</source>
        <translation>Новый шрифт</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Конец!</translation>
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
        <translation>Играть</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Form.Parameters</source>
        <translation>Окно.Размер</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Окно</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Are you really want to start new game?</source>
        <translation>Ты правда хочешь начать новую игру?</translation>
    </message>
    <message>
        <source>Width = %1 Height = %2</source>
        <translation>Ширина = %1 Высота = %2</translation>
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
        <translation>Неверный тип данных для «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» не является целым числом</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Не удалось сохранить данные для «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;; sound stays on</source>
        <translation>«%1» — недопустимое значение для «%2»; звук остаётся включённым</translation>
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
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Напишите нам</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>Best scores </source>
        <translation>Рекорды </translation>
    </message>
    <message>
        <source>You get highest results! </source>
        <translation>Новый рекорд! </translation>
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
        <translation>Harvesta — как играть</translation>
    </message>
</context>
</TS>
