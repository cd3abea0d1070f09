// The windows at a device pixel ratio of 2, as a Wayland output at scale 2 or QT_SCALE_FACTOR=2
// give it: the about window's lines and both OK buttons are drawn twice as tall and wide as at
// 1x, not with their 1x letters spread apart; and pictures at a fractional ratio are smoothed,
// not drawn with some rows repeated.

#include "adapters/DesignedFonts.h"
#include "adapters/GraphicsTransfer.h"
#include "imaging/VcGraphics.h"
#include "results/scores.h"
#include "windows/shwInfo.h"

#include <QPainter>
#include <QPushButton>
#include <QtTest>

using namespace harvesta;

namespace {

// The box of the dark pixels of `text` drawn in `font`, in device pixels.
QRect ink(const QString& text, const QFont& font, double ratio) {
    QImage image(int(300 * ratio), int(40 * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(4, 28), text);
    }
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    return box;
}

QFont designedFace() {
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    return font;
}

} // namespace

class ScaleTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        platform::InstallDesignedFonts();
        TfrmAbout probe(nullptr);
        if (probe.devicePixelRatioF() != 2.0)
            QFAIL("run at a device pixel ratio of 2 (QT_SCALE_FACTOR=2 or a Wayland output at "
                  "scale 2)");
    }

    // Each text at 2x is about twice as wide and twice as tall as the designed face draws it
    // at 1x: within 4 device pixels in width, within a quarter in height.
    void textsDoubleInBothDirections_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QFont>("font");
        TfrmAbout about(nullptr);
        TfrmScores scores(nullptr);
        for (QLabel* label : {about.lblVersion, about.Label4, static_cast<QLabel*>(about.Label5),
                              static_cast<QLabel*>(about.Label6)})
            QTest::newRow(qPrintable(label->text())) << label->text() << label->font();
        QTest::newRow("about OK") << about.btnOk->text().remove('&') << about.btnOk->font();
        QTest::newRow("best scores OK") << scores.btnOk->text() << scores.btnOk->font();
    }
    void textsDoubleInBothDirections() {
        QFETCH(QString, text);
        QFETCH(QFont, font);
        QFont designed = designedFace();
        designed.setBold(font.bold());
        const QRect once = ink(text, designed, 1.0);
        const QRect twice = ink(text, font, 2.0);
        const QString seen = QString("%1 x %2 at 1x, %3 x %4 at 2x")
                                 .arg(once.width())
                                 .arg(once.height())
                                 .arg(twice.width())
                                 .arg(twice.height());
        QVERIFY2(std::abs(twice.width() - 2 * once.width()) <= 4, qPrintable(seen));
        QVERIFY2(std::abs(twice.height() - 2 * once.height()) <= once.height() / 2,
                 qPrintable(seen));
        // The laid-out width, in the window's own pixels, stays the designed one.
        QVERIFY2(std::abs(QFontMetrics(font).horizontalAdvance(text) -
                          QFontMetrics(designed).horizontalAdvance(text)) <= 2,
                 qPrintable(seen));
    }

    // Columns of two colours, one pixel each, drawn at 1.25: smoothed they blend; dropped
    // pixels would leave only the two colours, some columns twice as wide as others.
    void picturesAtAFractionalRatioAreSmoothed() {
        TGraphicsEx picture(16, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                std::uint8_t* p = picture.Picture.Row(y) + 3 * x;
                p[0] = p[1] = p[2] = (x % 2) ? 255 : 0;
            }
        const TScreenTransfer transfer(picture);
        for (const double ratio : {1.25, 2.0}) {
            QImage target(int(16 * ratio), int(16 * ratio), QImage::Format_RGB32);
            target.setDevicePixelRatio(ratio);
            target.fill(Qt::red);
            {
                QPainter painter(&target);
                transfer.Draw(painter);
            }
            int between = 0;
            for (int x = 0; x < target.width(); ++x) {
                const int grey = qGray(target.pixel(x, target.height() / 2));
                between += grey > 20 && grey < 235;
            }
            if (ratio == 2.0)
                QCOMPARE(between, 0); // a whole ratio doubles every pixel cleanly
            else
                QVERIFY2(between > target.width() / 4, qPrintable(QString::number(between)));
        }
    }
};

QTEST_MAIN(ScaleTest)
#include "scale_test.moc"
