// The font preview window: its panels, its captions and the font dialog, driven with real
// events on the offscreen platform.

#include "adapters/QtPlatform.h"
#include "windows/Unit1.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <cstdlib>

using namespace harvesta;

namespace {

bool near(QColor actual, int r, int g, int b, int tolerance = 24) {
    return std::abs(actual.red() - r) <= tolerance && std::abs(actual.green() - g) <= tolerance &&
           std::abs(actual.blue() - b) <= tolerance;
}

bool isWhite(QColor c) {
    return c.red() == 255 && c.green() == 255 && c.blue() == 255;
}

// The pixels that differ from white: the shape of what was written.
QVector<QPoint> inkOf(const QImage& picture) {
    QVector<QPoint> ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (!isWhite(picture.pixelColor(x, y))) ink.append({x, y});
    return ink;
}

// The pixel of the picture farthest from white, i.e. the ink at full coverage.
QColor fullInk(const QImage& picture) {
    QColor darkest = Qt::white;
    for (const QPoint& p : inkOf(picture)) {
        const QColor c = picture.pixelColor(p);
        if (c.red() + c.green() + c.blue() < darkest.red() + darkest.green() + darkest.blue())
            darkest = c;
    }
    return darkest;
}

QImage pictureOf(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void showAndPaint(TForm1& form) {
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.repaint();
}

} // namespace

class Unit1Test : public QObject {
    Q_OBJECT

  private slots:
    void panelsRunFromFirstToSecondColourAndNothingElseIsPainted() {
        TForm1 form;
        const QImage shot = pictureOf(form.pbMain);
        QCOMPARE(shot.size(), QSize(832, 438));

        // Large panel: the frame from aqua to olive, the inside the other way.
        QVERIFY(near(shot.pixelColor(201, 112), 5, 255, 240));
        QVERIFY(near(shot.pixelColor(548, 168), 143, 143, 53));
        QVERIFY(near(shot.pixelColor(220, 118), 143, 143, 53));
        QVERIFY(near(shot.pixelColor(530, 162), 5, 255, 240));
        // Fifth tab: red to orange-yellow.
        QVERIFY(near(shot.pixelColor(664, 16), 255, 0, 0));
        QVERIFY(near(shot.pixelColor(801, 44), 255, 192, 32));
        // A plain tab and the header band's first colour.
        QVERIFY(near(shot.pixelColor(24, 16), 5, 255, 240));
        QVERIFY(near(shot.pixelColor(1, 8), 5, 255, 1, 40));

        // The header band ends at 827, five short of the client width.
        QVERIFY(!isWhite(shot.pixelColor(826, 30)));
        QVERIFY(isWhite(shot.pixelColor(827, 30)));

        // Outside every panel, including the cut corners, the window stays white.
        for (const QPoint p : {QPoint(829, 30), QPoint(100, 200), QPoint(600, 300), QPoint(10, 437),
                               QPoint(200, 100), QPoint(550, 180), QPoint(831, 0)})
            QVERIFY2(isWhite(shot.pixelColor(p)),
                     qPrintable(QString("(%1, %2)").arg(p.x()).arg(p.y())));

        // The last inner area's clip is gone once the panels are drawn.
        std::int32_t from = 0, to = 0;
        form.PanelContext().VisibleSpan(300, from, to);
        QCOMPARE(from, 0);
        QCOMPARE(to, 832);

        // A second paint gives the same picture.
        QCOMPARE(pictureOf(form.pbMain), shot);
    }

    // The panels come from the compositing library alone, so their picture is the same on
    // every machine: any change of a colour, a place or a corner changes its digest.
    void panelPictureIsTheDesignedOne() {
        TForm1 form;
        pictureOf(form.pbMain);
        const TRGBPicture& panels = form.PanelPicture();
        std::uint64_t digest = 14695981039346656037ull; // FNV-1a
        for (int y = 0; y < panels.Height; ++y)
            for (const std::uint8_t* p = panels.Row(y); p != panels.Row(y) + 3 * panels.Width; ++p)
                digest = (digest ^ *p) * 1099511628211ull;
        QCOMPARE(digest, std::uint64_t(7653609818130591283ull));
    }

    // A caption picture is ink on white: white turns see-through, ink opaque, and a grey
    // edge the ink at the coverage its darkest channel shows.
    void captionInkKeepsItsEdgesSmooth() {
        QWidget parent;
        TForm1::TImage image(&parent, 0, 0);
        QImage picture(3, 1, QImage::Format_RGB32);
        picture.setPixel(0, 0, qRgb(255, 255, 255));
        picture.setPixel(1, 0, qRgb(128, 128, 128));
        picture.setPixel(2, 0, qRgb(0, 0, 0));
        image.SetPicture(picture, QColor(40, 80, 120));
        const QImage& shown = image.Shown();
        QCOMPARE(shown.pixel(0, 0), qRgba(0, 0, 0, 0));
        // Coverage max(127 * 255 / 215, 127 * 255 / 175, 127 * 255 / 135) = 239.
        QCOMPARE(shown.pixel(1, 0), qRgba(37, 74, 112, 239));
        QCOMPARE(shown.pixel(2, 0), qRgba(40, 80, 120, 255));
        // An ink with a full channel leaves white just as see-through, and its ink whole.
        image.SetPicture(picture, QColor(255, 0, 0));
        QCOMPARE(image.Shown().pixel(0, 0), qRgba(0, 0, 0, 0));
        QCOMPARE(image.Shown().pixel(2, 0), qRgba(255, 0, 0, 255));
        image.SetPicture(QImage());
        QVERIFY(image.Shown().isNull());
    }

    void captionsAreDrawnOnceAcrossReopenings() {
        TForm1 form;
        QCOMPARE(form.Image1Tag, 0);
        showAndPaint(form);
        QCOMPARE(form.CaptionsDrawn(), 6);
        QCOMPARE(form.Image1Tag, 1);
        QCOMPARE(form.Image1->pos(), QPoint(28, 5));
        QCOMPARE(form.Image4->pos(), QPoint(225, 98));
        QCOMPARE(form.imgEmpty->pos(), QPoint(501, 333));

        // "Game over!" is written in the window's own font, changed for it.
        QCOMPARE(form.font().family(), QString("Comic Suns MS"));
        QCOMPARE(form.font().pointSize(), 36);
        QVERIFY(form.font().bold() && form.font().italic());
        // The buttons keep a font that fits them.
        QVERIFY(!form.Button1->font().italic());
        QCOMPARE(form.Button1->font().pointSize(), QApplication::font().pointSize());

        const QImage tab = form.Image1->Picture();
        QCOMPARE(tab.size(), QSize(280, 105));
        QVERIFY(!inkOf(tab).isEmpty());
        // "Game over!" is wider than 280 pixels in most faces: its picture grows to hold it.
        const QImage gameOver = form.Image4->Picture();
        QVERIFY(gameOver.width() >= 280 && gameOver.height() >= 105);
        QCOMPARE(form.Image4->size(), gameOver.size());
        for (const QPoint& p : inkOf(gameOver))
            QVERIFY(p.x() < gameOver.width() - 1 && p.y() < gameOver.height() - 1);

        form.close();
        QVERIFY(!form.isVisible());
        showAndPaint(form);
        QCOMPARE(form.CaptionsDrawn(), 6);
        QCOMPARE(form.Image1->Picture(), tab);
    }

    void captionsShowOnlyTheirLettersOverThePanels() {
        TForm1 form;
        showAndPaint(form);
        const QImage window = pictureOf(&form);
        const QImage panels = pictureOf(form.pbMain);
        // White around the letters is see-through: the large panel shows under Image4.
        QCOMPARE(window.pixelColor(228, 170), panels.pixelColor(228, 170));
        // The letters themselves cover it.
        QVERIFY(window.copy(240, 113, 200, 40) != panels.copy(240, 113, 200, 40));
    }

    void newFontRedrawsTabsInItAndGameOverTakesOnlyItsColour() {
        TForm1 form;
        showAndPaint(form);
        const QVector<QPoint> tabBefore = inkOf(form.Image1->Picture());
        const QVector<QPoint> gameOverBefore = inkOf(form.Image4->Picture());

        QFont offered;
        QFont chosen("DejaVu Serif");
        chosen.setPixelSize(30);
        chosen.setUnderline(true);
        platform::ScopedFontChooser chooser([&](const QFont& initial, QWidget*) {
            offered = initial;
            form.FontDialog1.Color = QColor(200, 0, 0); // the user picks red too
            return std::optional<QFont>(chosen);
        });
        QTest::mouseClick(form.Button1, Qt::LeftButton);

        QCOMPARE(offered.family(), QString("Comic Suns MS"));
        QCOMPARE(form.CaptionsDrawn(), 12);
        QCOMPARE(form.Image1Tag, 1);
        QCOMPARE(form.FontColor(), QColor(200, 0, 0));

        const QImage tab = form.Image1->Picture();
        QVERIFY(inkOf(tab) != tabBefore);
        QVERIFY(near(fullInk(tab), 200, 0, 0, 8));

        // Same face, size and style, so the same letters; only the colour is new.
        const QImage gameOver = form.Image4->Picture();
        QCOMPARE(inkOf(gameOver), gameOverBefore);
        QVERIFY(near(fullInk(gameOver), 200, 0, 0, 8));
        QCOMPARE(form.font().family(), QString("Comic Suns MS"));
        QCOMPARE(form.font().pointSize(), 36);
        QVERIFY(form.font().bold() && form.font().italic() && !form.font().underline());
    }

    // The caption pictures stand at their designed places over the tabs and the large panel.
    void captionsStandAtTheirPlaces() {
        TForm1 form;
        showAndPaint(form);
        const QList<QPair<QWidget*, QPoint>> places = {
            {form.Image1, {28, 5}},  {form.Image2, {178, 5}}, {form.Image3, {353, 5}},
            {form.Image5, {513, 5}}, {form.Image6, {683, 5}}, {form.Image4, {225, 98}}};
        for (const auto& [image, at] : places)
            QCOMPARE(image->pos(), at);
    }

    // A caption wider or taller than its 280 x 105 picture grows the picture: nothing is cut.
    void aLargeFontGrowsTheCaptionPicture() {
        TForm1 form;
        showAndPaint(form);
        QFont huge("DejaVu Sans");
        huge.setPixelSize(120);
        huge.setItalic(true); // slanted letters reach past their advance
        platform::ScopedFontChooser chooser(
            [&](const QFont&, QWidget*) { return std::optional<QFont>(huge); });
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        const QImage tab = form.Image2->Picture();
        const QFontMetrics metrics(huge);
        const QString text = QStringLiteral("Скринсшот");
        QVERIFY(tab.width() >= 15 + metrics.horizontalAdvance(text) + 2);
        QVERIFY(tab.width() >= 15 + metrics.boundingRect(text).right() + 1 + 2);
        QVERIFY(tab.height() >= 15 + metrics.height() + 2);
        QCOMPARE(form.Image2->size(), tab.size());
        for (const QPoint& p : inkOf(tab))
            QVERIFY(p.x() < tab.width() - 1 && p.y() < tab.height() - 1);
    }

    void cancelledFontDialogChangesNothing() {
        TForm1 form;
        showAndPaint(form);
        const QFont font = form.font();
        const QColor colour = form.FontColor();
        const QImage tab = form.Image1->Picture();

        platform::ScopedFontChooser chooser([&](const QFont&, QWidget*) {
            form.FontDialog1.Color = Qt::blue; // changed, then cancelled
            return std::optional<QFont>();
        });
        form.Button1Click();
        form.repaint();

        QCOMPARE(form.font(), font);
        QCOMPARE(form.FontColor(), colour);
        QCOMPARE(form.CaptionsDrawn(), 6);
        QCOMPARE(form.Image1->Picture(), tab);
    }

    void frameless832By479CentredAndClosedByButtonOrEscape() {
        TForm1 form;
        QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form.size(), QSize(832, 479));
        // Bold 20-pixel Courier until the first paint writes "Game over!" in its own face.
        QCOMPARE(form.font().family(), QString("Courier"));
        QVERIFY(form.font().bold());
        QCOMPARE(form.font().pixelSize(), 20);
        QCOMPARE(form.Button1->geometry(), QRect(16, 8, 145, 25));
        QCOMPARE(form.Button2->geometry(), QRect(472, 6, 161, 25));

        form.show();
        const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((form.geometry().center() - desktop.center()).manhattanLength() <= 2);

        QTest::mouseClick(form.Button2, Qt::LeftButton);
        QVERIFY(!form.isVisible());

        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(Unit1Test)
#include "Unit1_test.moc"
