#include "windows/shwInfo.h"

#include "adapters/QtPlatform.h"

#include <QCoreApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>

namespace harvesta {

namespace {

constexpr TLayeredForm::Face kAboutFace{
    QSize(310, 166), QColor(122, 211, 239), BgrColor{0}, "iconmain", dmCopy, QPoint(35, 32 + 10)};

const QColor kLinkColour(0, 0, 255);
const QColor kLinkPointedColour(255, 0, 0);

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QLabel* plainLabel(const QString& text, QPoint at, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

TLinkLabel::TLinkLabel(const QString& text, int tag, QWidget* parent)
    : QLabel(text, parent), Tag(tag) {
    setCursor(Qt::PointingHandCursor);
}

void TLinkLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        OnClick)
        OnClick(this);
}

void TLinkLabel::enterEvent(QEnterEvent*) {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TLinkLabel::leaveEvent(QEvent*) {
    if (OnMouseLeave) OnMouseLeave(this);
}

TfrmAbout::TfrmAbout(QWidget* mainWindow) : TLayeredForm(mainWindow, kAboutFace) {
    setWindowTitle("frmAbout");
    btnOk->setText(QCoreApplication::translate("TfrmAbout", "&OK"));
    // Only the weight: the face is the window's, whichever the screen's scale asks for.
    QFont bold;
    bold.setBold(true);
    btnOk->setFont(bold);
    btnOk->setCursor(Qt::PointingHandCursor);
    btnOk->setFixedSize(75, 25);
    btnOk->move((width() - btnOk->width()) / 2, height() - btnOk->height() - 7);
    btnOk->setDefault(true); // Enter anywhere in the window clicks it

    lblVersion = plainLabel(
        QCoreApplication::translate("TfrmAbout", "Version %1").arg(QStringLiteral("1.0")), {92, 32},
        this);
    Label4 = plainLabel(kMakerName, {92, 48}, this);
    Label5 = new TLinkLabel(kMakerSite, 0, this);
    Label5->move(92, 64);
    Label6 = new TLinkLabel(QCoreApplication::translate("TfrmAbout", "Contact us"), 1, this);
    Label6->move(92, 80);
    for (TLinkLabel* link : {Label5, Label6}) {
        setTextColour(link, kLinkColour);
        link->adjustSize();
        link->OnClick = [this](TLinkLabel* l) { Label5Click(l); };
        link->OnMouseEnter = [this](TLinkLabel* l) { Label5MouseEnter(l); };
        link->OnMouseLeave = [this](TLinkLabel* l) { Label6MouseLeave(l); };
    }
    for (QLabel* label :
         {lblVersion, Label4, static_cast<QLabel*>(Label5), static_cast<QLabel*>(Label6)})
        TakeOwnMouseEvents(label);

    Bevel1 = new QFrame(this);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    // Across the window between the outline's edges, so the outline stays unbroken.
    Bevel1->setGeometry(1, 112, width() - 2, 4);
    btnOk->setFocus();
}

void TfrmAbout::Label5Click(TLinkLabel* sender) {
    const char* address = nullptr;
    switch (sender->Tag) {
    case 0: address = kMakerSite; break;
    case 1: address = kMakerContact; break;
    default: return;
    }
    // Whether the browser could be started is not reported, as with any link.
    platform::OpenUrl(QUrl(QString::fromLatin1(address)));
}

void TfrmAbout::Label5MouseEnter(TLinkLabel* sender) {
    setTextColour(sender, kLinkPointedColour);
}

void TfrmAbout::Label6MouseLeave(TLinkLabel* sender) {
    setTextColour(sender, kLinkColour);
}

} // namespace harvesta
