#pragma once
// The manual window: the game's short manual page, built into the executable, in a page view
// that fills the window. Loaded once when the window is created; afterwards only shown and
// hidden, so the page keeps its scroll position between openings.

#include <QDialog>
#include <QString>
#include <span>

class QTextBrowser;

namespace harvesta {

// The text of an HTML page's bytes, decoded by the character set the page declares in its
// head (windows-1252 when it declares none or one we cannot decode).
QString DecodeHtmlPage(std::span<const std::uint8_t> bytes);

class ThlpForm : public QDialog {
  public:
    explicit ThlpForm(QWidget* mainWindow);

    QTextBrowser* wbHelp = nullptr;

    void FormKeyDown(int key);
    void FormKeyPress(QChar key);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void LoadHelpFile(const char* name);

    QWidget* mainWindow_;
};

} // namespace harvesta
