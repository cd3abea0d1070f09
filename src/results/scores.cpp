#include "results/scores.h"

#include "adapters/QtPictures.h"
#include "adapters/Translation.h"

#include <QCoreApplication>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>

namespace harvesta {

namespace {

constexpr TLayeredForm::Face kScoresFace{
    QSize(418, 491), QColor(226, 239, 241), MakeBgrColor(0, 0, 255), "scoresScreen",
    dmKey,           QPoint(58, 53)};

QFont tahoma(int pixels) {
    QFont font("Tahoma");
    font.setPixelSize(pixels);
    return font;
}

// The OK button's glyph, its bottom-left pixel's colour see-through.
QIcon okGlyph() {
    const QImage glyph = SeeThroughBitmapResource("OKGLYPH");
    return glyph.isNull() ? QIcon() : QIcon(QPixmap::fromImage(glyph));
}

} // namespace

QString BestScoresTitle() {
    return QCoreApplication::translate("TfrmScores", "Best scores ");
}

QString RecordTitle() {
    return QCoreApplication::translate("TfrmScores", "You get highest results! ");
}

TfrmScores::TfrmScores(QWidget* mainWindow) : TLayeredForm(mainWindow, kScoresFace) {
    setWindowTitle("frmScores");
    btnOk->setText(QCoreApplication::translate("TfrmScores", "OK"));
    btnOk->setIcon(okGlyph());
    btnOk->setIconSize(QSize(81, 76));
    btnOk->setFixedSize(145, 89);
    btnOk->move((width() - btnOk->width()) / 2, height() - btnOk->height() - 25);
    btnOk->setDefault(false);
    btnOk->setAutoDefault(true);

    lblTitle = new QLabel(BestScoresTitle(), this);
    lblTitle->setObjectName("lblTitle");
    lblTitle->setFont(tahoma(32));
    lblTitle->move(124, 8);
    lblTitle->adjustSize();
    TakeOwnMouseEvents(lblTitle);
    // The designed place centres the English title; a translated one is centred by its width.
    if (!platform::CurrentLanguage().isEmpty()) SetTitle(BestScoresTitle());

    static constexpr int kPlaces[11][2] = {{0, 0},     {137, 97},  {137, 141}, {137, 194},
                                           {137, 247}, {137, 291}, {267, 94},  {267, 145},
                                           {267, 195}, {267, 241}, {267, 294}};
    for (int k = 1; k <= 10; ++k) {
        auto* label = new QLabel("0", this);
        label->setObjectName(QString("Label%1").arg(k));
        label->setFont(tahoma(13));
        label->setAutoFillBackground(true); // opaque, in the window colour
        label->move(kPlaces[k][0], kPlaces[k][1]);
        label->adjustSize();
        TakeOwnMouseEvents(label);
        labels_[k] = label;
    }
    btnOk->setFocus();
}

void TfrmScores::SetTitle(const QString& title) {
    lblTitle->setText(title);
    lblTitle->setFont(platform::FaceWithLetters(lblTitle->font(), title));
    lblTitle->adjustSize();
    lblTitle->move((frameGeometry().width() - lblTitle->width()) / 2, lblTitle->y());
}

void TfrmScores::hideEvent(QHideEvent* event) {
    TLayeredForm::hideEvent(event);
    // Opened from the menu the window always shows the ordinary title, also after a record
    // that came while it was already open.
    if (!event->spontaneous()) SetTitle(BestScoresTitle());
}

} // namespace harvesta
