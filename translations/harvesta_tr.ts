<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Error loading image</source>
        <translation>Bir resim yüklenemedi</translation>
    </message>
    <message>
        <source>WRITE TO FILE: Error </source>
        <translation>DOSYAYA YAZMA: hata </translation>
    </message>
    <message>
        <source>Please redefine array size</source>
        <translation>Lütfen dizi boyutunu yeniden tanımlayın</translation>
    </message>
    <message>
        <source>Error message!</source>
        <translation>Hata mesajı!</translation>
    </message>
    <message>
        <source>the picture header is incomplete</source>
        <translation>resmin başlığı eksik</translation>
    </message>
    <message>
        <source>the picture is not 24 bits per pixel</source>
        <translation>resim piksel başına 24 bit değil</translation>
    </message>
    <message>
        <source>the picture is compressed in an unsupported way</source>
        <translation>resim desteklenmeyen bir yolla sıkıştırılmış</translation>
    </message>
    <message>
        <source>the picture size is invalid</source>
        <translation>resmin boyutu geçersiz</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>resim çok büyük</translation>
    </message>
    <message>
        <source>the picture data is shorter than its header says</source>
        <translation>resim verisi başlıkta yazandan kısa</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>resim için yeterli bellek yok</translation>
    </message>
    <message>
        <source>the decompressor could not start</source>
        <translation>açma işlemi başlatılamadı</translation>
    </message>
    <message>
        <source>the compressed picture data ends early</source>
        <translation>sıkıştırılmış resim verisi erken bitiyor</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>New font</source>
        <translation>Yeni yazı tipi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Bitti!</translation>
    </message>
</context>
<context>
    <name>THarvestaForm</name>
    <message>
        <source>YIELD</source>
        <translation>HASAT</translation>
    </message>
    <message>
        <source>Start game</source>
        <translation>Oyna</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Form.Parameters</source>
        <translation>Pencere.Boyut</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Pencere</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Rekorlar</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Yeni oyun</translation>
    </message>
    <message>
        <source>Are you really want to start new game?</source>
        <translation>Gerçekten yeni bir oyuna başlamak istiyor musun?</translation>
    </message>
    <message>
        <source>Width = %1 Height = %2</source>
        <translation>Genişlik = %1 Yükseklik = %2</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
</context>
<context>
    <name>TResultsKey</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>&apos;%1&apos; için geçersiz veri türü</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; geçerli bir tam sayı değil</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>&apos;%1&apos; için veri kaydedilemedi</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;; sound stays on</source>
        <translation>&apos;%1&apos;, &apos;%2&apos; için geçerli bir değer değil; ses açık kalıyor</translation>
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
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Bize yazın</translation>
    </message>
</context>
<context>
    <name>TfrmScores</name>
    <message>
        <source>Best scores </source>
        <translation>Rekorlar </translation>
    </message>
    <message>
        <source>You get highest results! </source>
        <translation>Yeni rekor! </translation>
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
        <translation>Harvesta – Yardım</translation>
    </message>
</context>
</TS>
