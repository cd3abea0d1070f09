#pragma once
// The about window: the game's icon, its version, the maker's name and two links, on the same
// borderless layered face as the best scores window.

#include "layered/LayeredForm.h"

#include <QLabel>

class QFrame;

namespace harvesta {

// The maker's web site and its contact page. The site's link shows the very address it opens.
inline constexpr const char* kMakerName = "Little Orchard Studio";
inline constexpr const char* kMakerSite = "https://www.littleorchard.example/";
inline constexpr const char* kMakerContact = "https://www.littleorchard.example/contact.html";

// A label that reacts to the pointer and to clicks, for the links.
class TLinkLabel : public QLabel {
  public:
    TLinkLabel(const QString& text, int tag, QWidget* parent);
    int Tag;
    std::function<void(TLinkLabel*)> OnClick, OnMouseEnter, OnMouseLeave;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

class TfrmAbout : public TLayeredForm {
  public:
    explicit TfrmAbout(QWidget* mainWindow);

    QLabel* lblVersion = nullptr;
    QLabel* Label4 = nullptr;
    TLinkLabel* Label5 = nullptr;
    TLinkLabel* Label6 = nullptr;
    QFrame* Bevel1 = nullptr;

    // Shared by both links: the clicked label's tag picks the address.
    void Label5Click(TLinkLabel* sender);
    void Label5MouseEnter(TLinkLabel* sender);
    void Label6MouseLeave(TLinkLabel* sender);
};

} // namespace harvesta
