#include "windows/Help_module.h"

#include "adapters/DesignedColours.h"
#include "adapters/Translation.h"
#include "assets/ResourceToStream.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace harvesta {

namespace {

// windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

QString decodeCp1252(std::span<const std::uint8_t> bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const std::uint8_t b : bytes)
        text.append(QChar(b >= 0x80 && b <= 0x9F ? kCp1252High[b - 0x80] : char16_t(b)));
    return text;
}

} // namespace

QString DecodeHtmlPage(std::span<const std::uint8_t> bytes) {
    // The declaration sits in the head; the head is plain ASCII whatever the page's set.
    const QString head =
        QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()),
                            static_cast<qsizetype>(std::min<std::size_t>(bytes.size(), 2048)));
    static const QRegularExpression charset(R"(charset\s*=\s*["']?([A-Za-z0-9_\-:.]+))",
                                            QRegularExpression::CaseInsensitiveOption);
    const QString declared = charset.match(head).captured(1).toLower();
    if (declared.isEmpty() || declared == "windows-1252" || declared == "cp1252" ||
        declared == "iso-8859-1" || declared == "latin1" || declared == "us-ascii")
        return decodeCp1252(bytes); // browsers read these labels as windows-1252 too
    QStringDecoder decoder(declared.toLatin1().constData());
    if (!decoder.isValid()) return decodeCp1252(bytes);
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

ThlpForm::ThlpForm(QWidget* mainWindow) : QDialog(mainWindow), mainWindow_(mainWindow) {
    setWindowTitle(QCoreApplication::translate("ThlpForm", "Harvesta Manual"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    QFont font("Tahoma");
    font.setPointSize(8);
    setFont(font);
    // The page is dark text on white, as designed, under any desktop theme.
    platform::UseDesignedColours(*this, platform::DesignedPalette().color(QPalette::Button));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    wbHelp = new QTextBrowser(this);
    wbHelp->setObjectName("wbHelp");
    wbHelp->setOpenLinks(false);
    layout->addWidget(wbHelp);
    resize(627, 395);
    // The window's key handlers see keys before the page view.
    wbHelp->installEventFilter(this);
    wbHelp->viewport()->installEventFilter(this);
    FormCreate();
}

void ThlpForm::FormCreate() {
    // The page in the player's language where there is one.
    const QByteArray name = platform::ManualBlockName().toLatin1();
    LoadHelpFile(name.constData());
}

void ThlpForm::LoadHelpFile(const char* name) {
    // The stream lives only while the page is loaded; the view keeps its own document.
    TMemoryStream stream;
    if (!ResourceToStream(name, stream)) return;
    wbHelp->setHtml(DecodeHtmlPage(stream.Data()));
}

void ThlpForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (mainWindow_) {
        const QRect main = mainWindow_->frameGeometry();
        const QSize own = frameGeometry().size();
        move(main.x() + (main.width() - own.width()) / 2,
             main.y() + (main.height() - own.height()) / 2);
    }
}

bool ThlpForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            FormKeyDown(27);
            return true;
        }
        if (!key->text().isEmpty() && key->text().front() == QChar(27)) {
            FormKeyPress(QChar(27));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ThlpForm::FormKeyDown(int key) {
    if (key == 27) close();
}

void ThlpForm::FormKeyPress(QChar key) {
    if (key == QChar(27)) close();
}

} // namespace harvesta
