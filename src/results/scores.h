#pragma once
// The best scores window: ten counts, each beside its fruit in the background picture, on the
// borderless layered face. It never reads or writes the stored result itself; the store fills
// its count labels and sets its title.

#include "layered/LayeredForm.h"

class QLabel;

namespace harvesta {

class TfrmScores : public TLayeredForm {
  public:
    explicit TfrmScores(QWidget* mainWindow);

    QLabel* lblTitle = nullptr;
    QLabel* Label(int kind) const { return labels_[kind]; }

    // Sets the title and centres it: (outer width - title width) div 2, which may be negative
    // for a title wider than the window.
    void SetTitle(const QString& title);

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    QLabel* labels_[11] = {};
};

// The window's two titles, in the player's language.
QString BestScoresTitle();
QString RecordTitle();

} // namespace harvesta
